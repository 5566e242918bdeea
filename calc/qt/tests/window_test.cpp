// The calculator window driven as a user drives it (keys, clicks, menu commands), headless
// on the offscreen platform, with the settings store in a scratch folder of its own.
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <csignal>
#include <functional>
#include <memory>

#include "calculator_window.hpp"
#include "dialog_units.hpp"
#include "text.hpp"
#include "up_down.hpp"
#include "vlm/calc/layout.hpp"
#include "vlm/product_key.hpp"
#include "vlm/store.hpp"
#include "vlmcore5.h"

using vlm::calc::qt::CalculatorWindow;
using vlm::calc::qt::DialogUnits;
using vlm::calc::qt::fromModel;
using vlm::calc::qt::UpDown;
namespace id = vlm::calc::id;

namespace {

QString storeDir;  // the scratch folder of this run

QString machineStore() { return storeDir + QStringLiteral("/machine.reg"); }

void setLanguage(const char* language) {
  vlm::store::Key key;
  QVERIFY(key.create(vlm::kProductKey));
  QVERIFY(key.write(vlm::kLanguageValue, language));
  QVERIFY(key.close());
}

std::string storedValue(const char* name) {
  vlm::store::Key key;
  if (!key.open(vlm::calc::SettingsStore().calculatorKey(), vlm::store::Access::Query)) return "<none>";
  char buffer[1024];
  return key.read(name, buffer, 1023) ? std::string(buffer) : std::string("<none>");
}

// The text of the library's last error, as the window shows it.
QString libraryError() { return fromModel(vlmGETLASTERRORDESCRIPTION()); }

QString shownAs(double value, int digits) { return QString::fromStdString(vlm::calc::formatNumber(value, digits)); }

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<CalculatorWindow> window_;

  CalculatorWindow& open() {
    window_.reset();  // the previous run's window first, as one program ends before the next
    window_ = std::make_unique<CalculatorWindow>();
    window_->show();
    if (!QTest::qWaitForWindowExposed(window_.get())) qWarning("window not exposed");
    return *window_;
  }
  template <class T = QWidget>
  T* control(int controlId) const {
    T* widget = window_->findChild<T*>(QString::number(controlId));
    if (widget == nullptr) qFatal("no control %d", controlId);
    return widget;
  }
  QString textOf(int controlId) const {
    if (auto* field = window_->findChild<QLineEdit*>(QString::number(controlId))) return field->text();
    if (auto* label = window_->findChild<QLabel*>(QString::number(controlId))) return label->text();
    return control<QComboBox>(controlId)->currentText();
  }
  double numberOf(int controlId) const {
    bool ok = false;
    const double value = textOf(controlId).toDouble(&ok);
    if (!ok) qWarning("not a number in %d: %s", controlId, qPrintable(textOf(controlId)));
    return ok ? value : std::nan("");
  }
  bool shown(int controlId) const { return control(controlId)->isVisible(); }
  QAction* action(const char* name) const { return window_->findChild<QAction*>(QLatin1String(name)); }

  // Waits until a started vlmcalc catches SIGTERM (bit 15 of the caught-signal mask: the
  // application exists), then a little longer while the window is made and shown.
  static bool windowUp(const QProcess& program) {
    const auto catchesTerm = [&]() -> bool {
      QFile status(QStringLiteral("/proc/%1/status").arg(program.processId()));
      if (!status.open(QIODevice::ReadOnly)) return false;
      for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:")) return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1;
      }
      return false;
    };
    if (!QTest::qWaitFor(catchesTerm, 10000)) return false;
    QTest::qWait(500);
    return true;
  }

  // Replaces an argument's text by typing, as a user selecting all and typing would.
  void type(int controlId, const QString& text) {
    auto* field = control<QLineEdit>(controlId);
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
  }
  // Chooses an entry of a drop-down list with the arrow keys.
  void choose(int controlId, int index) {
    auto* list = control<QComboBox>(controlId);
    while (list->currentIndex() < index) QTest::keyClick(list, Qt::Key_Down);
    while (list->currentIndex() > index) QTest::keyClick(list, Qt::Key_Up);
  }
  void chooseMode(int mode) {
    auto* tabs = control<QTabBar>(id::kModeTabs);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(mode).center());
    QVERIFY(window_->model().selectedTab(id::kModeTabs) == mode);
  }
  void clickArrow(int controlId, bool up) {
    auto* upDown = control<UpDown>(controlId);
    QTest::mouseClick(upDown, Qt::LeftButton, {}, QPoint(upDown->width() / 2, up ? 1 : upDown->height() - 2));
  }
  // Opens the digit-count dialog from the menu and lets `use` work it while it runs.
  void digitDialog(const std::function<void(QDialog&)>& use) {
    bool seen = false;
    QTimer::singleShot(0, this, [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      seen = true;
      use(*dialog);
      if (dialog->isVisible()) dialog->reject();
    });
    action("digitCount")->trigger();
    QVERIFY(seen);
  }

 private slots:
  void init() {
    QFile::remove(machineStore());
    QDir(storeDir + QStringLiteral("/user")).removeRecursively();
  }
  void cleanup() {
    window_.reset();
    vlmSETCHECKRANGEMODE(1);  // the library's default, as every new process has it
  }

  void dialogUnits() {
    DialogUnits units(7, 13);
    QCOMPARE(units.x(4), 7);
    QCOMPARE(units.y(8), 13);
    // Neighbours that meet in dialog units meet in pixels, whatever the rounding.
    QCOMPARE(units.rect(92, 28, 36, 12).right() + 1, units.rect(128, 28, 11, 12).left());
    units.fit(100, 40);  // widened until 40 units hold 100 pixels
    QCOMPARE(units.x(40), 100);
    units.fit(10, 40);  // never narrowed
    QCOMPARE(units.x(40), 100);
  }

  void firstRun() {
    CalculatorWindow& window = open();
    QCOMPARE(window.windowTitle(), QStringLiteral("Velmora Calculator"));
    QCOMPARE(control<QTabBar>(id::kModeTabs)->currentIndex(), 0);
    QCOMPARE(control<QTabBar>(id::kModeTabs)->tabText(1), QString::fromUtf8("F(Pнас)"));
    QCOMPARE(control<QGroupBox>(id::kGroupBox)->title(), QString::fromUtf8("Исходные данные"));
    QCOMPARE(textOf(id::kArgument1Label), QString::fromUtf8("Давление:"));
    QCOMPARE(textOf(id::kArgument1Edit), QStringLiteral("100000."));
    QCOMPARE(textOf(id::kArgument2Edit), QStringLiteral("373.15"));
    QCOMPARE(textOf(id::kArgument1Unit), QStringLiteral("Pa"));  // English without a Language value
    QCOMPARE(textOf(1009), QString::fromUtf8("Объем:"));
    QCOMPARE(textOf(1011), shownAs(vlmVPT(100000, 373.15), 5));
    QVERIFY(control<QLineEdit>(1011)->isReadOnly());
    for (int hidden : {1049, 1052, 1055, 1056, 1057, int(id::kPhaseTabs)}) QVERIFY(!shown(hidden));
    QStringList menus;
    for (QAction* menu : window.menuBar()->actions()) menus << menu->text();
    QCOMPARE(menus, QStringList({QString::fromUtf8("&Файл"), QString::fromUtf8("&Установки"), QStringLiteral("&?")}));
    QCOMPARE(action("exit")->text(), QString::fromUtf8("В&ыход"));
    QCOMPARE(action("rangeCheck")->text(), QString::fromUtf8("&Вести проверку диапазона"));
    QVERIFY(action("rangeCheck")->isChecked());
    QCOMPARE(action("digitCount")->text(), QString::fromUtf8("&Количество знаков ..."));
    QCOMPARE(action("about")->text(), QString::fromUtf8("&О программе ..."));
    QVERIFY(!QFile::exists(machineStore()));  // nothing is written before closing
  }

  // A text not read whole computes with the number at its start, and the field says so with
  // the model's note and colour, in the language of the unit names; read whole, the field
  // looks as before.
  void argumentNotReadWhole() {
    open();
    auto* field = control<QLineEdit>(id::kArgument2Edit);
    const QColor normal = field->palette().color(QPalette::Base);
    type(id::kArgument2Edit, QStringLiteral("373,5"));
    QCOMPARE(field->toolTip(), QStringLiteral("Read as 373: \",5\" is ignored. The decimal separator is a point."));
    QCOMPARE(field->palette().color(QPalette::Base), QColor::fromRgb(vlm::calc::kPartlyReadColour));
    QCOMPARE(textOf(1011), shownAs(vlmVPT(100000, 373), 5));
    QVERIFY(control<QLineEdit>(id::kArgument1Edit)->toolTip().isEmpty());
    type(id::kArgument2Edit, QStringLiteral("373.5"));
    QVERIFY(field->toolTip().isEmpty());
    QCOMPARE(field->palette().color(QPalette::Base), normal);

    setLanguage("Russian");
    open();
    type(id::kArgument1Edit, QStringLiteral("20 bar"));
    QCOMPARE(control(id::kArgument1Edit)->toolTip(), QString::fromUtf8("Прочитано как 20: «bar» не учитывается."));
  }

  // Every control shows as the model says, in every mode; the pictures are for looking at.
  void everyMode() {
    CalculatorWindow& window = open();
    const std::vector<int> ids = [] {
      std::vector<int> all = {1000, 1010, 1001, 1002, 1005, 1007, 1019, 1003, 1004, 1006, 1008};
      for (const auto& row : vlm::calc::rows())
        for (int c : {row.labelId, row.valueId, row.unitId})
          if (c != 0) all.push_back(c);
      return all;
    }();
    for (int mode : {0, 1, 2, 3, 4}) {
      chooseMode(mode);
      for (int c : ids) {
        QVERIFY2(shown(c) == window.model().visible(c), qPrintable(QString::number(c)));
        const auto* row = vlm::calc::rowOfControl(c);
        if (row != nullptr && c == row->valueId && shown(c)) QVERIFY(!std::isnan(numberOf(c)));
      }
      QCOMPARE(textOf(id::kArgument1Label), fromModel(window.model().label(id::kArgument1Label)));
      QCOMPARE(textOf(1055), fromModel(window.model().label(1055)));
      QVERIFY(window.grab().save(QStringLiteral(VLM_PICTURE_DIR "/calculator-mode%1.png").arg(mode)));
    }
    chooseMode(2);
    QCOMPARE(textOf(1011), shownAs(vlmVSWT(373.15), 5));
    auto* phases = control<QTabBar>(id::kPhaseTabs);
    QTest::mouseClick(phases, Qt::LeftButton, {}, phases->tabRect(1).center());
    QCOMPARE(textOf(1011), shownAs(vlmVSST(373.15), 5));
  }

  void typingAndUnits() {
    open();
    auto* field = control<QLineEdit>(id::kArgument1Edit);
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("1e"));  // reads as 1 Pa, below the library's range
    vlmVPT(1, 373.15);
    QCOMPARE(textOf(1011), libraryError());
    QTest::keyClicks(field, QStringLiteral("5"));
    QCOMPARE(textOf(1011), shownAs(vlmVPT(1e5, 373.15), 5));
    QTest::keyClick(field, Qt::Key_Home);
    QTest::keyClicks(field, QStringLiteral("2"));
    QCOMPARE(field->text(), QStringLiteral("21e5"));
    QCOMPARE(field->cursorPosition(), 1);  // writing results back leaves the typing alone
    type(id::kArgument1Edit, QStringLiteral("1e5"));
    // The same digits in kPa mean a thousand times the pressure; cm3/g is a thousandth of m3/kg.
    choose(id::kArgument1Unit, 3);
    QCOMPARE(textOf(id::kArgument1Unit), QStringLiteral("kPa"));
    QCOMPARE(textOf(1011), shownAs(vlmVPT(1e8, 373.15), 5));
    choose(1012, 1);
    QCOMPARE(textOf(1012), QStringLiteral("cm3/g"));
    QVERIFY(std::abs(numberOf(1011) / (vlmVPT(1e8, 373.15) * 1000) - 1) < 1e-4);
  }

  void errorsInRows() {
    open();
    chooseMode(2);  // 200 K: the saturation pressure and every saturation row out of range
    type(id::kArgument1Edit, QStringLiteral("200"));
    vlmPST(200);
    const QString outOfRange = libraryError();
    for (int c : {1056, 1011, 1053}) QCOMPARE(textOf(c), outOfRange);
    QCOMPARE(control<QLineEdit>(1011)->toolTip(), outOfRange);
    QCOMPARE(control<QLineEdit>(1011)->cursorPosition(), 0);  // the message reads from its start
    chooseMode(3);  // a dryness of 1.5: the wet-steam rows fail, Ps and R do not
    type(id::kArgument2Edit, QStringLiteral("1.5"));
    for (int c : {1011, 1017, 1023, 1026}) QCOMPARE(textOf(c), outOfRange);
    QVERIFY(!std::isnan(numberOf(1056)) && !std::isnan(numberOf(1053)));
    type(id::kArgument2Edit, QStringLiteral("0.5"));
    QVERIFY(!std::isnan(numberOf(1011)));
    QVERIFY(control<QLineEdit>(1011)->toolTip().isEmpty());
  }

  void russian() {
    setLanguage("Russian");
    open();
    QCOMPARE(textOf(id::kArgument1Unit), QString::fromUtf8("Па"));
    QCOMPARE(textOf(1018), QString::fromUtf8("Дж/(кг·K)"));
    chooseMode(2);
    type(id::kArgument1Edit, QStringLiteral("200"));
    vlmPST(200);
    QCOMPARE(textOf(1056), libraryError());
    QVERIFY(textOf(1056).contains(QRegularExpression(QString::fromUtf8("[А-я]"))));
    type(id::kArgument1Edit, QStringLiteral("373.15"));
    QVERIFY(window_->grab().save(QStringLiteral(VLM_PICTURE_DIR "/calculator-russian.png")));
    chooseMode(0);
    choose(id::kArgument1Unit, 3);
    window_->close();
    QCOMPARE(storedValue("PressureUnit"), std::string("\xea\xcf\xe0"));  // кПа in Windows-1251
    open();
    QCOMPARE(textOf(id::kArgument1Unit), QString::fromUtf8("кПа"));
  }

  void upDown() {
    QCOMPARE(UpDown::stepAfter(1999), 1);
    QCOMPARE(UpDown::stepAfter(2000), 5);
    QCOMPARE(UpDown::stepAfter(5000), 20);
    open();
    clickArrow(id::kArgument1UpDown, true);
    QCOMPARE(textOf(id::kArgument1Edit), QStringLiteral("100001."));
    clickArrow(id::kArgument1UpDown, false);
    clickArrow(id::kArgument1UpDown, false);
    QCOMPARE(textOf(id::kArgument1Edit), QStringLiteral("99999."));
    choose(id::kArgument2Unit, 1);  // one degree Celsius
    clickArrow(id::kArgument2UpDown, true);
    QCOMPARE(textOf(id::kArgument2Edit), QStringLiteral("374.15"));
    QCOMPARE(textOf(1011), shownAs(vlmVPT(99999, 374.15 + 273.15), 5));
    auto* arrows = control<UpDown>(id::kArgument2UpDown);
    arrows->setFocus();
    QTest::keyClick(arrows, Qt::Key_Down);
    QCOMPARE(textOf(id::kArgument2Edit), QStringLiteral("373.15"));
    // A click leaves the focus in the field; held down, the arrow repeats until released.
    control(id::kArgument1Edit)->setFocus();
    type(id::kArgument1Edit, QStringLiteral("0"));
    arrows = control<UpDown>(id::kArgument1UpDown);
    QTest::mousePress(arrows, Qt::LeftButton, {}, QPoint(arrows->width() / 2, 1));
    QTest::qWait(1500);
    QTest::mouseRelease(arrows, Qt::LeftButton, {}, QPoint(arrows->width() / 2, 1));
    QVERIFY(control(id::kArgument1Edit)->hasFocus());
    const double held = numberOf(id::kArgument1Edit);
    QVERIFY2(held >= 2, qPrintable(textOf(id::kArgument1Edit)));
    QTest::qWait(400);
    QCOMPARE(numberOf(id::kArgument1Edit), held);
  }

  void digitCountDialog() {
    open();
    const double v = vlmVPT(100000, 373.15);
    digitDialog([](QDialog& dialog) {
      QCOMPARE(dialog.windowTitle(), QString::fromUtf8("VLMCalculator точность"));
      QCOMPARE(dialog.findChild<QLabel*>()->text(), QString::fromUtf8("Количество выводимых цифр:"));
      auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("1020"));
      QCOMPARE(edit->text(), QStringLiteral("5"));
      QVERIFY(dialog.grab().save(QStringLiteral(VLM_PICTURE_DIR "/calculator-digits.png")));
      edit->selectAll();
      QTest::keyClicks(edit, QStringLiteral("a2-b"));  // digits only
      QCOMPARE(edit->text(), QStringLiteral("2"));
      QTest::keyClick(edit, Qt::Key_Return);  // "OK" is the default button
    });
    QCOMPARE(textOf(1011), shownAs(v, 2));
    for (const auto& [typed, count] : {std::pair("20", 15), std::pair("", 1), std::pair("0", 1), std::pair("3", 3)}) {
      digitDialog([typed = QString::fromLatin1(typed)](QDialog& dialog) {
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("1020"));
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, typed);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("1")), Qt::LeftButton);
      });
      QCOMPARE(window_->model().digitCount(), count);
    }
    // "Cancel" and Escape keep the count.
    digitDialog([](QDialog& dialog) {
      QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("1020")), QStringLiteral("9"));
      QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("2")), Qt::LeftButton);
    });
    digitDialog([](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    QCOMPARE(window_->model().digitCount(), 3);
    QCOMPARE(textOf(1011), shownAs(v, 3));
  }

  void rangeCheckToggle() {
    open();
    type(id::kArgument1Edit, QStringLiteral("2e8"));  // 200 MPa, above the library's range
    vlmVPT(2e8, 373.15);
    const QString outOfRange = libraryError();
    QCOMPARE(textOf(1011), outOfRange);
    action("rangeCheck")->trigger();
    QVERIFY(!action("rangeCheck")->isChecked());
    QCOMPARE(vlmGETCHECKRANGEMODE(), 0);
    QVERIFY(!std::isnan(numberOf(1011)));
    action("rangeCheck")->trigger();
    QVERIFY(action("rangeCheck")->isChecked());
    QCOMPARE(textOf(1011), outOfRange);
  }

  void enterAndEscapeDoNothing() {
    CalculatorWindow& window = open();
    for (QWidget* target : {control(id::kArgument1Edit), control(1011), static_cast<QWidget*>(&window)}) {
      for (auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) QTest::keyClick(target, key);
    }
    QVERIFY(window.isVisible());
    QVERIFY(!QFile::exists(machineStore()));
  }

  void settingsSurviveARestart() {
    open();
    type(id::kArgument1Edit, QStringLiteral("2.5"));
    choose(id::kArgument1Unit, 9);  // MPa
    choose(1024, 1);                // row H in kJ/kg
    digitDialog([](QDialog& dialog) {
      dialog.findChild<QLineEdit*>(QStringLiteral("1020"))->setText(QStringLiteral("7"));
      dialog.accept();
    });
    chooseMode(4);
    choose(id::kArgument1Unit, 1);  // °C
    type(id::kArgument1Edit, QStringLiteral("150"));
    choose(id::kArgument2Unit, 1);  // %
    type(id::kArgument2Edit, QStringLiteral("50"));
    choose(1057, 3);  // saturation pressure in kPa
    action("exit")->trigger();
    QVERIFY(!window_->isVisible());
    QVERIFY(QFile::exists(machineStore()));  // the file VLM_REGISTRY names
    QCOMPARE(storedValue("PressureValue"), std::string("2.5"));
    QCOMPARE(storedValue("Accuracy"), std::string("7"));

    CalculatorWindow& again = open();  // in mode 0, with what the last run left
    QCOMPARE(textOf(id::kArgument1Edit), QStringLiteral("2.5"));
    QCOMPARE(textOf(id::kArgument1Unit), QStringLiteral("MPa"));
    QCOMPARE(textOf(id::kArgument2Edit), QStringLiteral("150"));
    QCOMPARE(textOf(1024), QStringLiteral("kJ/kg"));
    QCOMPARE(textOf(1023), shownAs(vlmHPT(2.5e6, 423.15) * (1.0 / 1000), 7));
    chooseMode(4);
    QCOMPARE(textOf(id::kArgument2Edit), QStringLiteral("50"));
    QCOMPARE(textOf(id::kArgument2Unit), QStringLiteral("%"));
    QCOMPARE(textOf(1057), QStringLiteral("kPa"));
    // An argument field holds no more than the store gives back; the close button saves too.
    const QString longest(1022, QLatin1Char('7'));
    QApplication::clipboard()->setText(longest + QStringLiteral("777"));
    type(id::kArgument1Edit, QString());
    QTest::keyClick(control(id::kArgument1Edit), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(textOf(id::kArgument1Edit), longest);
    again.close();
    QCOMPARE(storedValue("TemperatureValue"), longest.toStdString());
  }

  // The store as another program or a person left it: a symbolic link to a UTF-16 file with
  // a comment, another program's key with characters beyond Windows-1251, and a value deleted
  // by hand.  The calculator reads it as an import would and saves into the file the link
  // leads to, in UTF-16, changing nothing but its own values.
  void settingsKeepTheStoreFile() {
    const QString target = storeDir + QStringLiteral("/elsewhere/registry.reg");
    QDir().mkpath(storeDir + QStringLiteral("/elsewhere"));
    const QString other =
        QStringLiteral("; written by hand\r\n[HKEY_CURRENT_USER\\\u65e5\u672c]\r\n\"Name\"=\"\u4e2d\"\r\n");
    const QString text = QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n") + other +
                         QStringLiteral(
                             "\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Brindlow\\Velmora\\Velmora Calculator\\Defaults]\r\n"
                             "\"Accuracy\"=\"9\"\r\n\"PressureValue\"=\"250000\"\r\n\"Accuracy\"=-\r\n");
    const auto utf16 = [](const QString& s) {
      return QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char*>(s.utf16()), s.size() * 2);
    };
    QFile file(target);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(utf16(text));
    file.close();
    QVERIFY(QFile::link(target, machineStore()));

    open();
    QCOMPARE(textOf(id::kArgument1Edit), QStringLiteral("250000"));
    QCOMPARE(textOf(1023), shownAs(vlmHPT(2.5e5, 373.15), 5));  // the deleted digit count is the default
    digitDialog([](QDialog& dialog) {
      dialog.findChild<QLineEdit*>(QStringLiteral("1020"))->setText(QStringLiteral("7"));
      dialog.accept();
    });
    action("exit")->trigger();

    QVERIFY(QFileInfo(machineStore()).isSymLink());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    QVERIFY(saved.startsWith("\xFF\xFE"));
    const QString back =
        QString::fromUtf16(reinterpret_cast<const char16_t*>(saved.constData() + 2), (saved.size() - 2) / 2);
    QVERIFY2(back.startsWith(QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n") + other), qPrintable(back));
    QVERIFY(back.contains(QStringLiteral("\r\n\"Accuracy\"=\"7\"\r\n")));
    QVERIFY(!back.contains(QStringLiteral("\"9\"")) && !back.contains(QStringLiteral("=-")));
    QCOMPARE(storedValue("PressureValue"), std::string("250000"));
    QDir(storeDir + QStringLiteral("/elsewhere")).removeRecursively();
  }

  // At 15 digits a result field shows its whole text, exponent included, even the longest
  // the number format makes; a unit list shows every name whole, in both languages; and the
  // result fields look read-only.
  void textsShowWhole() {
    const auto fits = [](QLineEdit* field, const QString& text) {
      QStyleOptionFrame option;
      option.initFrom(field);
      option.rect = field->rect();
      option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
      const QRect contents = field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
      const QMargins margins = field->textMargins();
      return field->fontMetrics().horizontalAdvance(text) + 1 <=
             contents.width() - margins.left() - margins.right() - 4;
    };
    const QString longest = shownAs(-8.888888888888888e-300, 15);
    QCOMPARE(longest.size(), 22);
    for (const char* language : {"English", "Russian"}) {
      setLanguage(language);
      CalculatorWindow& window = open();
      digitDialog([](QDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("1020"))->setText(QStringLiteral("15"));
        dialog.accept();
      });
      type(id::kArgument1Edit, QStringLiteral("2e7"));
      type(id::kArgument2Edit, QStringLiteral("573.15"));
      const QColor background = window.palette().color(QPalette::Window);
      QVERIFY(control<QLineEdit>(id::kArgument1Edit)->palette().color(QPalette::Base) != background);
      for (const auto& row : vlm::calc::rows()) {
        auto* field = control<QLineEdit>(row.valueId);
        QCOMPARE(field->palette().color(QPalette::Base), background);
        if (!shown(row.valueId)) continue;
        QVERIFY2(fits(field, field->text()), qPrintable(field->text()));
        QVERIFY(fits(field, longest));
        if (row.unitId == 0) continue;
        auto* list = control<QComboBox>(row.unitId);
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.rect = list->rect();
        const int room =
            list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width();
        for (int i = 0; i < list->count(); ++i)
          QVERIFY2(list->fontMetrics().horizontalAdvance(list->itemText(i)) <= room, qPrintable(list->itemText(i)));
      }
    }
    QCOMPARE(textOf(1011), shownAs(vlmVPT(2e7, 573.15), 15));
  }

  // Told to end by SIGTERM (as a session or service manager ends it), the program still
  // writes its settings.
  void terminationSignalSavesTheSettings() {
    QProcess program;
    program.start(QStringLiteral(VLM_CALC_PROGRAM), {});
    QVERIFY(program.waitForStarted());
    QVERIFY(windowUp(program));
    program.terminate();
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(storedValue("Accuracy"), std::string("5"));
  }

  // Without a display to open the window on, the program says so in one line and ends with
  // status 1: no abort, no core dump, nothing written.
  void withoutADisplay() {
    for (const QString& display : {QStringLiteral(":4999"), QString()}) {
      QProcess program;
      QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
      environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
      environment.insert(QStringLiteral("DISPLAY"), display);
      program.setProcessEnvironment(environment);
      program.start(QStringLiteral(VLM_CALC_PROGRAM), {});
      QVERIFY(program.waitForFinished(20000));
      QCOMPARE(program.exitStatus(), QProcess::NormalExit);
      QCOMPARE(program.exitCode(), 1);
      const QByteArray errors = program.readAllStandardError();
      QCOMPARE(errors.count('\n'), 1);
      QVERIFY2(
          errors.startsWith("vlmcalc: ") && errors.contains(display.isEmpty() ? "DISPLAY is not set" : "\":4999\""),
          errors.constData());
    }
    QVERIFY(!QFile::exists(machineStore()));
  }

  // When the X server goes away, Qt ends the program (status 1); the settings are written
  // all the same, as closing the window writes them.
  void losingTheDisplaySavesTheSettings() {
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) QSKIP("Xvfb is not installed");
    QProcess server;
    server.start(xvfb,
                 {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                  QStringLiteral("640x480x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    QVERIFY(server.waitForStarted());
    while (!server.canReadLine() && server.waitForReadyRead(20000)) {
    }
    const QByteArray number = server.readLine().trimmed();  // written once the server listens
    QVERIFY(!number.isEmpty());

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":") + QString::fromLatin1(number));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(VLM_CALC_PROGRAM), {});
    QVERIFY(program.waitForStarted());
    QVERIFY(windowUp(program));
    server.kill();
    QVERIFY(server.waitForFinished(10000));
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QCOMPARE(storedValue("Accuracy"), std::string("5"));
  }

  void aboutBox() {
    open();
    QString title, body;
    QTimer::singleShot(0, this, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        title = box->windowTitle();
        body = box->text() + box->informativeText();
        box->accept();
      }
    });
    action("about")->trigger();
    QCOMPARE(title, QString::fromUtf8("О программе Velmora Calculator"));
    QVERIFY(body.contains(QStringLiteral("Velmora Calculator")) && body.contains(QStringLiteral(VLM_VERSION_TEXT)));
  }
};

int main(int argc, char** argv) {
  // Headless unless told otherwise, and with a settings store of its own.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir scratch;
  if (!scratch.isValid()) return 1;
  storeDir = scratch.path();
  qputenv("VLM_REGISTRY", (storeDir + QStringLiteral("/machine.reg")).toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", (storeDir + QStringLiteral("/user")).toLocal8Bit());
  QApplication application(argc, argv);
  WindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "window_test.moc"
