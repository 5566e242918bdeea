#include "calculator_window.hpp"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTabBar>

#include "dialog_units.hpp"
#include "digit_dialog.hpp"
#include "text.hpp"
#include "up_down.hpp"

namespace vlm::calc::qt {
namespace {

// The window's client area and its argument controls, in dialog units, in tab order.
constexpr int kWidth = 506;
constexpr int kHeight = 180;

enum class Kind { GroupBox, Tabs, Label, Field, UpDown, UnitList };
struct Place {
  int id;
  Kind kind;
  int x, y, width, height;
};
constexpr Place kArgumentArea[] = {
    {id::kGroupBox, Kind::GroupBox, 1, 1, 504, 44},
    {id::kModeTabs, Kind::Tabs, 161, 10, 184, 14},
    {id::kArgument1Label, Kind::Label, 16, 28, 75, 12},
    {id::kArgument1Edit, Kind::Field, 92, 28, 36, 12},
    {id::kArgument1UpDown, Kind::UpDown, 128, 28, 11, 12},
    {id::kArgument1Unit, Kind::UnitList, 140, 28, 60, 12},
    // The phase tabs take the place of the second argument's label; the two never show
    // together.
    {id::kPhaseTabs, Kind::Tabs, 298, 28, 76, 12},
    {id::kArgument2Label, Kind::Label, 302, 28, 77, 12},
    {id::kArgument2Edit, Kind::Field, 380, 28, 36, 12},
    {id::kArgument2UpDown, Kind::UpDown, 416, 28, 11, 12},
    {id::kArgument2Unit, Kind::UnitList, 428, 28, 60, 12},
};

// The result rows stand in two columns of seven, in the order of the model's row table.
struct Column {
  int label, labelWidth, value, unit;
};
constexpr Column kColumns[] = {{2, 90, 93, 188}, {252, 96, 349, 444}};
constexpr int kRowsPerColumn = 7;
constexpr int kFirstRowY = 51;
constexpr int kRowPitch = 18;
constexpr int kRowHeight = 12;
// A value field holds the longest text of the number format (15 digits, a sign, a point and
// a three-digit exponent: 22 characters), a unit list its longest name in either language.
constexpr int kValueWidth = 92;
constexpr int kUnitWidth = 60;

// The argument labels' texts: pressure, temperature, dryness.
constexpr int kArgumentLabelStrings[] = {107, 108, 109};

// The store keeps a value of up to 1023 bytes with its terminating zero, and a longer one
// would read back as the default: an argument field takes no more than it can keep.
constexpr int kArgumentTextLimit = 1022;

// A text of the string table without its access-key marks and trailing dots, for a title.
QString plainTitle(const char* text) {
  QString title = fromModel(text).remove(QLatin1Char('&')).trimmed();
  while (title.endsWith(QLatin1Char('.'))) title.chop(1);
  return title.trimmed();
}

// The window icon: a drop of water.
QIcon dropIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    QPainterPath drop;
    drop.moveTo(s * 0.5, s * 0.04);
    drop.cubicTo(s * 0.62, s * 0.3, s * 0.86, s * 0.46, s * 0.86, s * 0.64);
    drop.cubicTo(s * 0.86, s * 0.84, s * 0.7, s * 0.96, s * 0.5, s * 0.96);
    drop.cubicTo(s * 0.3, s * 0.96, s * 0.14, s * 0.84, s * 0.14, s * 0.64);
    drop.cubicTo(s * 0.14, s * 0.46, s * 0.38, s * 0.3, s * 0.5, s * 0.04);
    QLinearGradient fill(0, 0, s, s);
    fill.setColorAt(0, QColor(0x6f, 0xc3, 0xf5));
    fill.setColorAt(1, QColor(0x13, 0x5d, 0xb0));
    painter.setPen(QPen(QColor(0x0c, 0x3f, 0x7a), qMax(1.0, s / 32)));
    painter.setBrush(fill);
    painter.drawPath(drop);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 170));
    painter.drawEllipse(QRectF(s * 0.3, s * 0.55, s * 0.12, s * 0.2));
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace

int CalculatorWindow::fieldChrome(const QLineEdit& field) {
  QStyleOptionFrame option;
  option.initFrom(&field);
  option.rect = QRect(0, 0, 200, 30);
  option.lineWidth = field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field);
  const QMargins margins = field.textMargins();
  // Inside its contents a line edit keeps two pixels on either side and one for the caret.
  return option.rect.width() - field.style()->subElementRect(QStyle::SE_LineEditContents, &option, &field).width() +
         margins.left() + margins.right() + 2 * 2 + 1;
}

CalculatorWindow::CalculatorWindow(SettingsStore store, QWidget* parent)
    : QMainWindow(parent), model_(std::move(store)) {
  setObjectName(QStringLiteral("calculator"));
  // A title bar with the window menu, minimize and close; no maximize, the size is fixed.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setWindowTitle(fromModel(text::kCaption));
  setWindowIcon(dropIcon());
  buildMenus();
  buildControls();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  refresh();
  controls_.at(id::kArgument1Edit)->setFocus();
  // Ended without closing the window (the session ends, the program is told to quit): the
  // settings are kept all the same.
  connect(qApp, &QGuiApplication::commitDataRequest, this, &CalculatorWindow::save);
  connect(qApp, &QCoreApplication::aboutToQuit, this, &CalculatorWindow::save);
}

template <class Widget>
Widget* CalculatorWindow::add(Widget* widget, int controlId, QRect where) {
  widget->setObjectName(QString::number(controlId));
  widget->setGeometry(where);
  controls_[controlId] = widget;
  return widget;
}

// The dialog units of the window's font, widened where a label, a tab strip or a unit
// list's first (default) entry would not fit its place.
DialogUnits CalculatorWindow::fittedUnits() {
  DialogUnits scale(font());
  const QFontMetrics metrics(font());
  const auto fitText = [&](int stringId, int width) {
    scale.fit(metrics.horizontalAdvance(fromModel(stringText(stringId))) + 2, width);
  };
  for (int stringId : kArgumentLabelStrings) fitText(stringId, 75);  // the narrower argument label
  int position = 0;
  for (const RowInfo& row : rows()) {
    const int width = kColumns[position++ / kRowsPerColumn].labelWidth;
    fitText(row.stringId, width);
    if (row.row == Row::Ps) fitText(kSaturationTemperatureStringId, width);
  }
  // A unit list spends on its frame and arrow what its text field does not take.
  QComboBox list(this);
  QStyleOptionComboBox option;
  option.initFrom(&list);
  option.rect = QRect(0, 0, 200, scale.y(kRowHeight));
  const int chrome = option.rect.width() -
                     style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &list).width();
  for (int quantity = 0; quantity < kQuantityCount; ++quantity) {
    for (const Unit& unit : units(static_cast<Quantity>(quantity))) {
      for (Language language : {Language::English, Language::Russian}) {
        scale.fit(metrics.horizontalAdvance(fromModel(unit.name(language))) + chrome + 4, kUnitWidth);
      }
    }
  }
  // A value field spends its frame and inner margins; the text must show whole, exponent
  // and all.
  QLineEdit field(this);
  scale.fit(
      metrics.horizontalAdvance(QString::fromStdString(formatNumber(-8.888888888888888e-300, 15))) + fieldChrome(field),
      kValueWidth);
  for (const Place& place : kArgumentArea) {
    if (place.kind != Kind::Tabs) continue;
    QTabBar tabs(this);
    for (const std::string& text : model_.tabs(place.id)) tabs.addTab(fromModel(text));
    scale.fit(tabs.sizeHint().width(), place.width);
  }
  return scale;
}

void CalculatorWindow::buildControls() {
  auto* panel = new QWidget(this);
  panel->setObjectName(QStringLiteral("client"));
  const DialogUnits units = fittedUnits();
  panel->setFixedSize(units.x(kWidth), units.y(kHeight));
  setCentralWidget(panel);

  const auto label = [&](int controlId, QRect where) {
    auto* widget = add(new QLabel(panel), controlId, where);
    widget->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    labels_[controlId] = widget;
  };
  const auto field = [&](int controlId, QRect where, bool readOnly) {
    auto* widget = add(new QLineEdit(panel), controlId, where);
    widget->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    widget->setReadOnly(readOnly);
    if (readOnly) {
      // Results look read-only: the window's colour behind them, not an entry field's.
      QPalette palette = widget->palette();
      palette.setColor(QPalette::Base, palette.color(QPalette::Window));
      widget->setPalette(palette);
    }
    fields_[controlId] = widget;
    if (!readOnly) {
      widget->setMaxLength(kArgumentTextLimit);
      // Edits by the user only: texts the window writes back are not edits.
      connect(widget, &QLineEdit::textEdited, this, [this, controlId](const QString& text) {
        if (refreshing_) return;
        model_.editChanged(controlId, toModel(text));
        refresh();
      });
    }
  };
  const auto unitList = [&](int controlId, QRect where) {
    auto* widget = add(new QComboBox(panel), controlId, where);
    widget->setEditable(false);
    unitLists_[controlId] = widget;
    connect(widget, &QComboBox::activated, this, [this, controlId](int index) {
      if (refreshing_) return;
      model_.unitSelected(controlId, index);
      refresh();
    });
  };

  for (const Place& place : kArgumentArea) {
    const QRect where = units.rect(place.x, place.y, place.width, place.height);
    switch (place.kind) {
      case Kind::GroupBox:
        add(new QGroupBox(fromModel(model_.label(place.id)), panel), place.id, where);
        break;
      case Kind::Tabs: {
        auto* tabs = add(new QTabBar(panel), place.id, where);
        tabs->setExpanding(false);
        tabs->setUsesScrollButtons(false);
        tabs->setElideMode(Qt::ElideNone);
        tabs->setDrawBase(false);
        for (const std::string& text : model_.tabs(place.id)) tabs->addTab(fromModel(text));
        tabs_[place.id] = tabs;
        connect(tabs, &QTabBar::currentChanged, this, [this, controlId = place.id](int index) {
          if (refreshing_ || index < 0) return;
          model_.tabSelected(controlId, index);
          refresh();
        });
        break;
      }
      case Kind::Label:
        label(place.id, where);
        break;
      case Kind::Field:
        field(place.id, where, false);
        break;
      case Kind::UpDown: {
        auto* upDown = add(new UpDown(panel), place.id, where);
        connect(upDown, &UpDown::stepRequested, this, [this, controlId = place.id](int step) {
          model_.upDown(controlId, step);
          refresh();
        });
        break;
      }
      case Kind::UnitList:
        unitList(place.id, where);
        break;
    }
  }

  int position = 0;
  for (const RowInfo& row : rows()) {
    const Column& column = kColumns[position / kRowsPerColumn];
    const int y = kFirstRowY + kRowPitch * (position % kRowsPerColumn);
    ++position;
    label(row.labelId, units.rect(column.label, y, column.labelWidth, kRowHeight));
    field(row.valueId, units.rect(column.value, y, kValueWidth, kRowHeight), true);
    if (row.unitId != 0) unitList(row.unitId, units.rect(column.unit, y, kUnitWidth, kRowHeight));
  }
}

void CalculatorWindow::buildMenus() {
  QMenu* file = menuBar()->addMenu(fromModel(text::kFileMenu));
  file->setObjectName(QStringLiteral("fileMenu"));
  QAction* exit = file->addAction(fromModel(text::kExitItem));
  exit->setObjectName(QStringLiteral("exit"));
  connect(exit, &QAction::triggered, this, &QWidget::close);

  QMenu* settings = menuBar()->addMenu(fromModel(text::kSettingsMenu));
  settings->setObjectName(QStringLiteral("settingsMenu"));
  rangeCheck_ = settings->addAction(fromModel(text::kRangeCheckItem));
  rangeCheck_->setObjectName(QStringLiteral("rangeCheck"));
  rangeCheck_->setCheckable(true);
  connect(rangeCheck_, &QAction::triggered, this, [this] {
    QApplication::beep();
    model_.toggleRangeCheck();
    refresh();  // the tick follows the model's state
  });
  QAction* digits = settings->addAction(fromModel(text::kDigitCountItem));
  digits->setObjectName(QStringLiteral("digitCount"));
  connect(digits, &QAction::triggered, this, &CalculatorWindow::showDigitDialog);

  QMenu* help = menuBar()->addMenu(fromModel(text::kHelpMenu));
  help->setObjectName(QStringLiteral("helpMenu"));
  QAction* about = help->addAction(fromModel(text::kAboutItem));
  about->setObjectName(QStringLiteral("about"));
  connect(about, &QAction::triggered, this, &CalculatorWindow::showAbout);
}

void CalculatorWindow::refreshUnitList(int controlId, QComboBox* list) {
  QStringList names;
  for (const std::string& name : model_.unitList(controlId)) names << fromModel(name);
  bool same = list->count() == names.size();
  for (int i = 0; same && i < names.size(); ++i) same = list->itemText(i) == names[i];
  if (!same) {
    list->clear();
    list->addItems(names);
    // The drop-down shows whole names even where the closed list is narrower.
    list->view()->setMinimumWidth(list->view()->sizeHintForColumn(0) + 2 * list->view()->frameWidth() + 4);
  }
  const int selected = model_.selectedUnit(controlId);
  if (list->currentIndex() != selected) list->setCurrentIndex(selected);
  list->setToolTip(list->currentText());  // a long name chosen from the drop-down may not fit
}

void CalculatorWindow::refresh() {
  refreshing_ = true;
  for (const auto& [controlId, widget] : controls_) widget->setHidden(!model_.visible(controlId));
  for (const auto& [controlId, label] : labels_) {
    const QString text = fromModel(model_.label(controlId));
    if (label->text() != text) label->setText(text);
  }
  for (const auto& [controlId, field] : fields_) {
    const QString text = fromModel(model_.text(controlId));
    if (field->text() == text) continue;
    field->setText(text);
    if (field->isReadOnly()) {
      // A long text (a library error) shows from its start; the whole of it as a tip.
      field->setCursorPosition(0);
      const RowInfo* row = rowOfControl(controlId);
      field->setToolTip(row != nullptr && model_.failed(row->row) ? text : QString());
    }
  }
  for (int controlId : {id::kArgument1Edit, id::kArgument2Edit}) markReading(controlId);
  for (const auto& [controlId, list] : unitLists_) refreshUnitList(controlId, list);
  for (const auto& [controlId, tabs] : tabs_) {
    const int selected = model_.selectedTab(controlId);
    if (tabs->currentIndex() != selected) tabs->setCurrentIndex(selected);
  }
  rangeCheck_->setChecked(model_.rangeCheck());
  refreshing_ = false;
}

// An argument whose text was not read whole: the model's note as the tooltip, and the
// marking colour behind dark text; else the field as every entry field looks.
void CalculatorWindow::markReading(int controlId) {
  QLineEdit* field = fields_.at(controlId);
  const QString note = fromModel(model_.readingNote(controlId));
  if (field->toolTip() != note) field->setToolTip(note);
  const QPalette normal = QApplication::palette(field);
  QPalette palette = field->palette();
  palette.setColor(QPalette::Base, note.isEmpty() ? normal.color(QPalette::Base) : QColor::fromRgb(kPartlyReadColour));
  palette.setColor(QPalette::Text, note.isEmpty() ? normal.color(QPalette::Text) : QColor(Qt::black));
  if (palette != field->palette()) field->setPalette(palette);
}

void CalculatorWindow::showDigitDialog() {
  DigitDialog dialog(fromModel(model_.digitDialogText()), this);
  if (dialog.exec() == QDialog::Accepted) {
    model_.digitDialogOk(toModel(dialog.text()));
  } else {
    model_.digitDialogCancel();
  }
  refresh();
}

void CalculatorWindow::showAbout() {
  QMessageBox box(this);
  box.setObjectName(QStringLiteral("aboutBox"));
  box.setWindowTitle(plainTitle(stringText(101)));
  box.setIconPixmap(windowIcon().pixmap(48, 48));
  box.setText(QStringLiteral("<b>%1</b><br>%2 %3")
                  .arg(fromModel(text::kCaption), QString::fromUtf8("Версия"), QStringLiteral(VLM_VERSION)));
  box.setInformativeText(QString::fromUtf8(
      "<nobr>Термодинамические и транспортные свойства воды и водяного пара по IAPWS\u2011IF97</nobr>"));
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
}

void CalculatorWindow::centre() {
  const QScreen* screen = this->screen();
  if (screen == nullptr) return;
  QRect frame = frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  move(frame.topLeft());
}

void CalculatorWindow::save() {
  // Remembers the inputs of the current mode and writes every setting, once.
  if (!closed_) {
    closed_ = true;
    model_.close();
  }
}

void CalculatorWindow::closeEvent(QCloseEvent* event) {
  save();
  event->accept();
}

}  // namespace vlm::calc::qt
