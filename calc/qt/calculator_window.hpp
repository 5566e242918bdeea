// The calculator window: every control of the dialog layout, named by its control
// identifier ("1002"), mapped onto the calculator model.  Each event goes to the model and
// the controls are then refreshed from the model's queries; a field's text is set only when
// it differs, so refreshing never counts as an edit.
#pragma once

#include <QMainWindow>
#include <map>

#include "vlm/calc/calculator.hpp"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabBar;

namespace vlm::calc::qt {

class DialogUnits;

class CalculatorWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Reads the language and the remembered settings from `store`.
  explicit CalculatorWindow(SettingsStore store = SettingsStore(), QWidget* parent = nullptr);

  const Calculator& model() const { return model_; }

  // Places the window in the middle of its screen's available area.
  void centre();

 public slots:
  void showDigitDialog();
  void showAbout();
  // Writes the settings, as closing does; once per window.
  void save();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  DialogUnits fittedUnits();
  // Pixels of a line edit's width that its text cannot use.
  static int fieldChrome(const QLineEdit& field);
  void buildControls();
  void buildMenus();
  template <class Widget>
  Widget* add(Widget* widget, int controlId, QRect where);
  void refresh();
  void refreshUnitList(int controlId, QComboBox* list);
  void markReading(int controlId);

  Calculator model_;
  std::map<int, QWidget*> controls_;  // every control by identifier
  std::map<int, QLabel*> labels_;
  std::map<int, QLineEdit*> fields_;  // argument and result fields
  std::map<int, QComboBox*> unitLists_;
  std::map<int, QTabBar*> tabs_;
  QAction* rangeCheck_ = nullptr;
  bool refreshing_ = false;
  bool closed_ = false;
};

}  // namespace vlm::calc::qt
