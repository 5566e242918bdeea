#include "up_down.hpp"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace vlm::calc::qt {

UpDown::UpDown(QWidget* parent) : QWidget(parent) {
  // Reached with Tab for the arrow keys; a click leaves the focus where it is, so typing in
  // the argument field goes on after a step.
  setFocusPolicy(Qt::TabFocus);
  repeat_.setSingleShot(true);
  connect(&repeat_, &QTimer::timeout, this, &UpDown::repeat);
}

int UpDown::stepAfter(qint64 heldMilliseconds) {
  if (heldMilliseconds >= 5000) return 20;
  if (heldMilliseconds >= 2000) return 5;
  return 1;
}

UpDown::Arrow UpDown::arrowAt(QPoint position) const {
  if (!rect().contains(position)) return Arrow::None;
  return position.y() < height() / 2 ? Arrow::Up : Arrow::Down;
}

QRect UpDown::arrowRect(Arrow arrow) const {
  const int half = height() / 2;
  return arrow == Arrow::Up ? QRect(0, 0, width(), half) : QRect(0, half, width(), height() - half);
}

void UpDown::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  for (Arrow arrow : {Arrow::Up, Arrow::Down}) {
    QStyleOptionButton button;
    button.initFrom(this);
    button.rect = arrowRect(arrow);
    button.state &= ~QStyle::State_HasFocus;
    if (pressed_ == arrow && inside_) {
      button.state |= QStyle::State_Sunken | QStyle::State_On;
    } else {
      button.state |= QStyle::State_Raised;
    }
    style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &button, &painter, this);
    QStyleOption mark = button;
    const int inset = qMax(1, qMin(button.rect.width(), button.rect.height()) / 5);
    mark.rect = button.rect.adjusted(inset, inset, -inset, -inset);
    style()->drawPrimitive(arrow == Arrow::Up ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, &mark,
                           &painter, this);
  }
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = rect().adjusted(1, 1, -1, -1);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
  }
}

void UpDown::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || pressed_ != Arrow::None) {
    event->ignore();
    return;
  }
  pressed_ = arrowAt(event->position().toPoint());
  if (pressed_ == Arrow::None) return;
  inside_ = true;
  held_.start();
  update();
  emit stepRequested(pressed_ == Arrow::Up ? 1 : -1);
  repeat_.start(style()->styleHint(QStyle::SH_SpinBox_ClickAutoRepeatThreshold, nullptr, this));
}

void UpDown::mouseMoveEvent(QMouseEvent* event) {
  if (pressed_ == Arrow::None) return;
  // Repeating pauses while the pointer is off the held arrow, and goes on when it returns.
  const bool inside = arrowAt(event->position().toPoint()) == pressed_;
  if (inside != inside_) {
    inside_ = inside;
    update();
  }
}

void UpDown::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) stop();
}

void UpDown::repeat() {
  if (pressed_ == Arrow::None) return;
  if (inside_) {
    const int step = stepAfter(held_.elapsed());
    emit stepRequested(pressed_ == Arrow::Up ? step : -step);
  }
  repeat_.start(style()->styleHint(QStyle::SH_SpinBox_ClickAutoRepeatRate, nullptr, this));
}

void UpDown::stop() {
  repeat_.stop();
  if (pressed_ != Arrow::None) {
    pressed_ = Arrow::None;
    update();
  }
}

void UpDown::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Up) {
    emit stepRequested(1);
  } else if (event->key() == Qt::Key_Down) {
    emit stepRequested(-1);
  } else {
    QWidget::keyPressEvent(event);
  }
}

void UpDown::hideEvent(QHideEvent* event) {
  stop();
  QWidget::hideEvent(event);
}

void UpDown::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange && !isEnabled()) stop();
  QWidget::changeEvent(event);
}

}  // namespace vlm::calc::qt
