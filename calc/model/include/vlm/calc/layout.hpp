// The calculator window's controls, result rows and texts, shared by every view.  Texts are
// Windows-1251 bytes (see vlm/codepage.hpp to show them through a Unicode toolkit).
#pragma once

#include <array>
#include <span>

#include "vlm/calc/units.hpp"

namespace vlm::calc {

// Control identifiers of the window and of the digit-count dialog.
namespace id {
inline constexpr int kGroupBox = 1000;
inline constexpr int kModeTabs = 1010;
inline constexpr int kArgument1Label = 1001;
inline constexpr int kArgument1Edit = 1002;
inline constexpr int kArgument1UpDown = 1005;
inline constexpr int kArgument1Unit = 1007;
inline constexpr int kPhaseTabs = 1019;
inline constexpr int kArgument2Label = 1003;
inline constexpr int kArgument2Edit = 1004;
inline constexpr int kArgument2UpDown = 1006;
inline constexpr int kArgument2Unit = 1008;
inline constexpr int kDigitCountEdit = 1020;
inline constexpr int kAboutCommand = 16;  // system-menu item
}  // namespace id

enum class Mode { PT = 0, SaturationP = 1, SaturationT = 2, PX = 3, TX = 4 };
inline constexpr int kModeCount = 5;
enum class Phase { Water = 0, Steam = 1 };

// Result rows in layout order: the left column top down, then the right column.
enum class Row { V, S, H, U, CP, CV, W, TC, DV, KV, Prandtl, ST, R, Ps };
inline constexpr int kRowCount = 14;
// The first eleven rows are filled by the same family of functions in modes 0, 1 and 2.
inline constexpr int kPropertyRowCount = 11;

// The calculator's persisted values, in the order they are read and written.
enum class Setting {
  PressureValue,
  PressureUnit,
  TemperatureValue,
  TemperatureUnit,
  DODValue,
  DODUnit,
  VolumeUnit,
  HUnit,
  SUnit,
  UUnit,
  CPUnit,
  CVUnit,
  WUnit,
  DVUnit,
  KVUnit,
  STUnit,
  SatPUnit,
  SatTUnit,
  RUnit,
  ThermalConductivityUnit,
  Accuracy,
};
inline constexpr int kSettingCount = 21;

struct RowInfo {
  Row row;
  const char* key;               // short name: "V", "TC", "Ps"...
  int labelId, valueId, unitId;  // unitId 0: no unit list (Prandtl)
  int stringId;                  // label text; row Ps: the saturation-pressure label
  // The two below mean nothing for a row without a unit list (Prandtl).
  Quantity quantity;    // row Ps: pressure (its temperature use is handled apart)
  Setting unitSetting;  // row Ps: SatPUnit (SatTUnit in temperature use)
};

std::span<const RowInfo> rows();
const RowInfo& rowInfo(Row row);
// The row whose label, value or unit list has this identifier; nullptr if none.
const RowInfo* rowOfControl(int controlId);

inline constexpr int kSaturationTemperatureStringId = 122;  // label of row Ps in modes 1 and 3

// The window's string table (labels and the system-menu item).
struct StringEntry {
  int id;
  const char* text;
};
std::span<const StringEntry> stringTable();
const char* stringText(int stringId);  // "" for an unknown id

// Other fixed texts of the window, its menu and the digit-count dialog.
namespace text {
extern const char* const kCaption;
extern const char* const kGroupBox;
extern const std::array<const char*, kModeCount> kModeTabs;
extern const std::array<const char*, 2> kPhaseTabs;
extern const char* const kFileMenu;
extern const char* const kExitItem;
extern const char* const kSettingsMenu;
extern const char* const kRangeCheckItem;
extern const char* const kDigitCountItem;
extern const char* const kHelpMenu;
extern const char* const kAboutItem;
extern const char* const kDigitDialogTitle;
extern const char* const kDigitDialogLabel;
extern const char* const kOk;
extern const char* const kCancel;
}  // namespace text

}  // namespace vlm::calc
