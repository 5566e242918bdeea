#include "digit_dialog.hpp"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "dialog_units.hpp"
#include "text.hpp"
#include "vlm/calc/layout.hpp"

namespace vlm::calc::qt {

DigitDialog::DigitDialog(const QString& digits, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("digitDialog"));
  setWindowTitle(fromModel(text::kDigitDialogTitle));
  DialogUnits units(font());
  units.fit(QFontMetrics(font()).horizontalAdvance(fromModel(text::kDigitDialogLabel)) + 2, 103);
  setFixedSize(units.x(180), units.y(50));

  auto* label = new QLabel(fromModel(text::kDigitDialogLabel), this);
  label->setGeometry(units.rect(16, 8, 103, 10));

  edit_ = new QLineEdit(digits, this);
  edit_->setObjectName(QString::number(id::kDigitCountEdit));
  edit_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  edit_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit_));
  edit_->setGeometry(units.rect(119, 7, 41, 12));
  label->setBuddy(edit_);

  // Named after the standard OK and Cancel command identifiers, 1 and 2.
  auto* ok = new QPushButton(fromModel(text::kOk), this);
  ok->setObjectName(QStringLiteral("1"));
  ok->setDefault(true);
  ok->setGeometry(units.rect(33, 26, 50, 14));
  auto* cancel = new QPushButton(fromModel(text::kCancel), this);
  cancel->setObjectName(QStringLiteral("2"));
  cancel->setGeometry(units.rect(96, 26, 50, 14));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  edit_->setFocus();
  edit_->selectAll();
}

QString DigitDialog::text() const { return edit_->text(); }

}  // namespace vlm::calc::qt
