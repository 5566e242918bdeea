// The digit-count dialog: one digits-only field with the current count, "OK" (the default
// button) and "Cancel".  The caller passes what the field says to the model, which brings
// it into range.
#pragma once

#include <QDialog>

class QLineEdit;

namespace vlm::calc::qt {

class DigitDialog : public QDialog {
  Q_OBJECT

 public:
  DigitDialog(const QString& digits, QWidget* parent = nullptr);

  QString text() const;

 private:
  QLineEdit* edit_;
};

}  // namespace vlm::calc::qt
