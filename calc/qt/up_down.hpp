// An up-down stepper without a value of its own: it only asks its owner to step the
// argument beside it, +1 per click on the upper arrow and -1 on the lower one.  Held down,
// it repeats and takes larger steps the longer it is held; with the keyboard focus the Up
// and Down arrow keys step by one.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

namespace vlm::calc::qt {

class UpDown : public QWidget {
  Q_OBJECT

 public:
  explicit UpDown(QWidget* parent = nullptr);

  // The size of one repeated step after the arrow has been held this long: 1, then 5 after
  // two seconds, then 20 after five.
  static int stepAfter(qint64 heldMilliseconds);

 signals:
  void stepRequested(int step);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  enum class Arrow { None, Up, Down };
  Arrow arrowAt(QPoint position) const;
  QRect arrowRect(Arrow arrow) const;
  void repeat();
  void stop();

  Arrow pressed_ = Arrow::None;  // the arrow being held
  bool inside_ = false;          // the pointer is still over the held arrow
  QElapsedTimer held_;
  QTimer repeat_;
};

}  // namespace vlm::calc::qt
