// The calculator window's state and behaviour, without any window: a view maps its controls
// onto these queries and events by control identifier (layout.hpp) and shows what the
// queries return.  After every event a view refreshes its controls from the queries, setting
// a field only when its text differs, so writing results back never counts as an edit.
//
// Texts in and out are Windows-1251 bytes.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "vlm/calc/layout.hpp"
#include "vlm/calc/library.hpp"
#include "vlm/calc/reading_note.hpp"
#include "vlm/calc/settings.hpp"
#include "vlm/calc/units.hpp"

namespace vlm::calc {

class Calculator {
 public:
  // Start-up: chooses the language, loads the settings, fills the unit lists, sets up mode 0
  // and recalculates.  Reads the store; writes nothing until close().
  explicit Calculator(SettingsStore store = SettingsStore(), const Library& library = Library::linked());

  // --- queries -----------------------------------------------------------------------
  Mode mode() const { return mode_; }
  Phase phase() const { return phase_; }
  Language language() const { return language_; }
  int digitCount() const { return digits_; }
  bool rangeCheck() const { return rangeCheck_; }  // the tick of the range-check menu item

  bool visible(int controlId) const;
  std::string label(int controlId) const;  // group box, argument and row labels
  std::string text(int controlId) const;   // argument edits and result values
  // An argument edit whose text was not read whole: the tooltip that says which number the
  // calculation uses (reading_note.hpp), shown with kPartlyReadColour behind the field.
  // Empty for a text read whole and for any other control.
  std::string readingNote(int controlId) const;
  std::vector<std::string> unitList(int controlId) const;  // argument and row unit lists
  int selectedUnit(int controlId) const;                   // index into unitList; -1: no list
  std::string selectedUnitText(int controlId) const;
  std::optional<Quantity> unitQuantity(int controlId) const;  // the quantity a unit list holds
  std::vector<std::string> tabs(int controlId) const;         // mode tabs and phase tabs
  int selectedTab(int controlId) const;

  // Row-level views of the same state.
  const std::string& result(Row row) const { return results_[index(row)]; }
  bool failed(Row row) const { return failed_[index(row)]; }  // shows a library error text
  bool visible(Row row) const;
  std::string label(Row row) const;

  // The remembered inputs and units as they stand (what close() would write, once the
  // inputs of the current mode are remembered).
  const Settings& remembered() const { return remembered_; }

  // --- events ------------------------------------------------------------------------
  void editChanged(int controlId, std::string_view text);  // argument edits 1002, 1004
  void unitSelected(int controlId, int index);             // argument and row unit lists
  void tabSelected(int controlId, int index);              // mode tabs 1010, phase tabs 1019
  void upDown(int controlId, int step);                    // 1005, 1006: +1 per click up, -1 down
  void toggleRangeCheck();                                 // the view also beeps
  std::string digitDialogText() const;                     // the dialog's initial text
  void digitDialogOk(std::string_view text);
  void digitDialogCancel();
  // Window close or the exit item: remembers the current mode's inputs and writes every
  // setting.  The view then ends the program.
  void close();

 private:
  static std::size_t index(Row row) { return static_cast<std::size_t>(row); }
  int argumentSlot(int controlId) const;  // 0, 1 or -1
  Quantity rowQuantity(Row row) const;
  Setting rowSetting(Row row) const;
  std::string unitNameAt(Quantity quantity, int index) const;
  int matchUnit(Quantity quantity, std::string_view remembered) const;

  void rememberInputs();
  void setUpMode();
  void recalculate();
  void fill(Row row, double value);
  void showError(Row row);
  void saturationRows(double ts);
  void wetRows(double ts, double x);

  SettingsStore store_;
  const Library& library_;
  Language language_;
  Settings remembered_;
  int digits_ = 5;
  bool rangeCheck_ = true;
  Mode mode_ = Mode::PT;
  Phase phase_ = Phase::Water;

  std::array<std::string, 2> arguments_;
  std::array<Quantity, 2> argumentQuantity_{Quantity::Pressure, Quantity::Temperature};
  std::array<int, 2> argumentUnit_{0, 0};
  std::array<std::string, kRowCount> results_;
  std::array<bool, kRowCount> failed_{};
  std::array<int, kRowCount> rowUnit_{};
  bool psTemperature_ = true;  // row Ps shows a saturation temperature (modes 1 and 3)
};

}  // namespace vlm::calc
