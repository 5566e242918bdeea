#include "dialog_units.hpp"

#include <QFontMetrics>
#include <QString>
#include <cmath>

namespace vlm::calc::qt {

// The average width is taken over the Latin letters, upper and lower case, rounded to the
// nearest pixel; the height is the font's line height.
DialogUnits::DialogUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  const int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  baseWidth_ = (letters / 26 + 1) / 2;
  baseHeight_ = metrics.height();
  if (baseWidth_ < 1) baseWidth_ = 1;
  if (baseHeight_ < 1) baseHeight_ = 1;
}

void DialogUnits::fit(int pixels, int units) {
  if (units <= 0) return;
  // Just enough that x(units) rounds to at least `pixels`.
  const double needed = 4.0 * (pixels - 0.5) / units;
  if (needed > baseWidth_) baseWidth_ = needed;
}

int DialogUnits::x(int units) const { return static_cast<int>(std::lround(units * baseWidth_ / 4)); }

int DialogUnits::y(int units) const {
  return static_cast<int>(std::lround(units * static_cast<double>(baseHeight_) / 8));
}

QRect DialogUnits::rect(int x, int y, int width, int height) const {
  // Both edges are converted, so neighbouring controls meet exactly as in dialog units.
  const int left = this->x(x);
  const int top = this->y(y);
  return QRect(left, top, this->x(x + width) - left, this->y(y + height) - top);
}

}  // namespace vlm::calc::qt
