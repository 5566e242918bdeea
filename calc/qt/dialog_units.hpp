// Dialog units: the window's layout is given in units of the dialog font (a quarter of its
// average character width across, an eighth of its height down), so the window keeps its
// proportions whatever font and screen it is shown with.
#pragma once

#include <QFont>
#include <QRect>

namespace vlm::calc::qt {

class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font);
  DialogUnits(double baseWidth, int baseHeight) : baseWidth_(baseWidth), baseHeight_(baseHeight) {}

  double baseWidth() const { return baseWidth_; }  // average character width in pixels
  int baseHeight() const { return baseHeight_; }   // character cell height in pixels

  // Widens the horizontal unit, when needed, so that `units` across hold `pixels`.  Fonts
  // whose Cyrillic letters are wide for their Latin ones keep their texts whole this way,
  // and the window its proportions.
  void fit(int pixels, int units);

  int x(int units) const;  // horizontal dialog units to pixels, rounded to nearest
  int y(int units) const;  // vertical dialog units to pixels
  QRect rect(int x, int y, int width, int height) const;

 private:
  double baseWidth_;
  int baseHeight_;
};

}  // namespace vlm::calc::qt
