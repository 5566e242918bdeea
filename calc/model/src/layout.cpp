#include "vlm/calc/layout.hpp"

namespace vlm::calc {
namespace {

constexpr RowInfo kRows[] = {
    {Row::V, "V", 1009, 1011, 1012, 110, Quantity::Volume, Setting::VolumeUnit},
    {Row::S, "S", 1016, 1017, 1018, 112, Quantity::Entropy, Setting::SUnit},
    {Row::H, "H", 1022, 1023, 1024, 111, Quantity::Energy, Setting::HUnit},
    {Row::U, "U", 1025, 1026, 1027, 123, Quantity::Energy, Setting::UUnit},
    {Row::CP, "CP", 1028, 1029, 1030, 113, Quantity::Entropy, Setting::CPUnit},
    {Row::CV, "CV", 1031, 1032, 1033, 114, Quantity::Entropy, Setting::CVUnit},
    {Row::W, "W", 1034, 1035, 1036, 115, Quantity::Speed, Setting::WUnit},
    {Row::TC, "TC", 1013, 1014, 1015, 116, Quantity::ThermalConductivity, Setting::ThermalConductivityUnit},
    {Row::DV, "DV", 1037, 1038, 1039, 117, Quantity::DynamicViscosity, Setting::DVUnit},
    {Row::KV, "KV", 1043, 1044, 1045, 118, Quantity::KinematicViscosity, Setting::KVUnit},
    {Row::Prandtl, "Prandtl", 1046, 1047, 0, 119, Quantity::Dryness, Setting::Accuracy},
    {Row::ST, "ST", 1049, 1050, 1051, 120, Quantity::SurfaceTension, Setting::STUnit},
    {Row::R, "R", 1052, 1053, 1054, 124, Quantity::Energy, Setting::RUnit},
    {Row::Ps, "Ps", 1055, 1056, 1057, 121, Quantity::Pressure, Setting::SatPUnit},
};
static_assert(sizeof kRows / sizeof kRows[0] == kRowCount);

constexpr StringEntry kStrings[] = {
    {101, "&\xce \xef\xf0\xee\xe3\xf0\xe0\xec\xec\xe5 Velmora Calculator..."},  // &О программе Velmora Calculator...
    {107, "\xc4\xe0\xe2\xeb\xe5\xed\xe8\xe5:"},                                 // Давление:
    {108, "\xd2\xe5\xec\xef\xe5\xf0\xe0\xf2\xf3\xf0\xe0:"},                     // Температура:
    {109, "\xd1\xf2\xe5\xef\xe5\xed\xfc \xf1\xf3\xf5\xee\xf1\xf2\xe8:"},  // Степень сухости:
    {110, "\xce\xe1\xfa\xe5\xec:"},                                       // Объем:
    {111, "\xdd\xed\xf2\xe0\xeb\xfc\xef\xe8\xff:"},                       // Энтальпия:
    {112, "\xdd\xed\xf2\xf0\xee\xef\xe8\xff:"},                           // Энтропия:
    // Изобарная теплоемкость:
    {113, "\xc8\xe7\xee\xe1\xe0\xf0\xed\xe0\xff \xf2\xe5\xef\xeb\xee\xe5\xec\xea\xee\xf1\xf2\xfc:"},
    // Изохорная теплоемкость:
    {114, "\xc8\xe7\xee\xf5\xee\xf0\xed\xe0\xff \xf2\xe5\xef\xeb\xee\xe5\xec\xea\xee\xf1\xf2\xfc:"},
    {115, "\xd1\xea\xee\xf0\xee\xf1\xf2\xfc \xe7\xe2\xf3\xea\xe0:"},             // Скорость звука:
    {116, "\xd2\xe5\xef\xeb\xee\xef\xf0\xee\xe2\xee\xe4\xed\xee\xf1\xf2\xfc:"},  // Теплопроводность:
    {117,
     "\xc4\xe8\xed\xe0\xec\xe8\xf7\xe5\xf1\xea\xe0\xff \xe2\xff\xe7\xea\xee\xf1\xf2\xfc:"},  // Динамическая вязкость:
    // Кинематическая вязкость:
    {118, "\xca\xe8\xed\xe5\xec\xe0\xf2\xe8\xf7\xe5\xf1\xea\xe0\xff \xe2\xff\xe7\xea\xee\xf1\xf2\xfc:"},
    {119, "\xd7\xe8\xf1\xeb\xee \xcf\xf0\xe0\xed\xe4\xf2\xeb\xff:"},                  // Число Прандтля:
    {120, "\xca\xee\xfd\xf4. \xef\xee\xe2\xe5\xf0\xf5\xed. \xed\xe0\xf2\xff\xe6.:"},  // Коэф. поверхн. натяж.:
    {121, "\xc4\xe0\xe2\xeb\xe5\xed\xe8\xe5 \xed\xe0\xf1\xfb\xf9\xe5\xed\xe8\xff:"},  // Давление насыщения:
    // Температура насыщения:
    {122, "\xd2\xe5\xec\xef\xe5\xf0\xe0\xf2\xf3\xf0\xe0 \xed\xe0\xf1\xfb\xf9\xe5\xed\xe8\xff:"},
    {123, "\xc2\xed\xf3\xf2\xf0\xe5\xed\xed\xff\xff \xfd\xed\xe5\xf0\xe3\xe8\xff:"},  // Внутренняя энергия:
    // Теплота парообразования:
    {124, "\xd2\xe5\xef\xeb\xee\xf2\xe0 \xef\xe0\xf0\xee\xee\xe1\xf0\xe0\xe7\xee\xe2\xe0\xed\xe8\xff:"},
};

}  // namespace

std::span<const RowInfo> rows() { return kRows; }

const RowInfo& rowInfo(Row row) { return kRows[static_cast<std::size_t>(row)]; }

const RowInfo* rowOfControl(int controlId) {
  if (controlId == 0) return nullptr;
  for (const RowInfo& row : kRows) {
    if (row.labelId == controlId || row.valueId == controlId || row.unitId == controlId) return &row;
  }
  return nullptr;
}

std::span<const StringEntry> stringTable() { return kStrings; }

const char* stringText(int stringId) {
  for (const StringEntry& entry : kStrings) {
    if (entry.id == stringId) return entry.text;
  }
  return "";
}

namespace text {
const char* const kCaption = "Velmora Calculator";
const char* const kGroupBox = "\xc8\xf1\xf5\xee\xe4\xed\xfb\xe5 \xe4\xe0\xed\xed\xfb\xe5";  // Исходные данные
const std::array<const char*, kModeCount> kModeTabs = {
    "F(P, T)",
    "F(P\xed\xe0\xf1)",  // F(Pнас)
    "F(T\xed\xe0\xf1)",  // F(Tнас)
    "F(P, X)",          "F(T, X)",
};
const std::array<const char*, 2> kPhaseTabs = {
    "\xc2\xee\xe4\xe0",  // Вода
    "\xcf\xe0\xf0",      // Пар
};
const char* const kFileMenu = "&\xd4\xe0\xe9\xeb";                          // &Файл
const char* const kExitItem = "\xc2&\xfb\xf5\xee\xe4";                      // В&ыход
const char* const kSettingsMenu = "&\xd3\xf1\xf2\xe0\xed\xee\xe2\xea\xe8";  // &Установки
// &Вести проверку диапазона
const char* const kRangeCheckItem =
    "&\xc2\xe5\xf1\xf2\xe8 \xef\xf0\xee\xe2\xe5\xf0\xea\xf3 \xe4\xe8\xe0\xef\xe0\xe7\xee\xed\xe0";
const char* const kDigitCountItem =
    "&\xca\xee\xeb\xe8\xf7\xe5\xf1\xf2\xe2\xee \xe7\xed\xe0\xea\xee\xe2 ...";  // &Количество знаков ...
const char* const kHelpMenu = "&?";
const char* const kAboutItem = "&\xce \xef\xf0\xee\xe3\xf0\xe0\xec\xec\xe5 ...";         // &О программе ...
const char* const kDigitDialogTitle = "VLMCalculator \xf2\xee\xf7\xed\xee\xf1\xf2\xfc";  // VLMCalculator точность
// Количество выводимых цифр:
const char* const kDigitDialogLabel =
    "\xca\xee\xeb\xe8\xf7\xe5\xf1\xf2\xe2\xee \xe2\xfb\xe2\xee\xe4\xe8\xec\xfb\xf5 \xf6\xe8\xf4\xf0:";
const char* const kOk = "OK";
const char* const kCancel = "Cancel";
}  // namespace text

}  // namespace vlm::calc
