#include "vlm/calc/settings.hpp"

#include <climits>

#include "vlm/product_key.hpp"
#include "vlm/store.hpp"

namespace vlm::calc {
namespace {

constexpr int q(Quantity quantity) { return static_cast<int>(quantity); }

constexpr SettingInfo kSettings[] = {
    {Setting::PressureValue, "PressureValue", "100000.", -1},
    {Setting::PressureUnit, "PressureUnit", "", -1},
    {Setting::TemperatureValue, "TemperatureValue", "373.15", -1},
    {Setting::TemperatureUnit, "TemperatureUnit", "", -1},
    {Setting::DODValue, "DODValue", "1.", -1},
    {Setting::DODUnit, "DODUnit", nullptr, q(Quantity::Dryness)},
    {Setting::VolumeUnit, "VolumeUnit", nullptr, q(Quantity::Volume)},
    {Setting::HUnit, "HUnit", nullptr, q(Quantity::Energy)},
    {Setting::SUnit, "SUnit", nullptr, q(Quantity::Entropy)},
    {Setting::UUnit, "UUnit", nullptr, q(Quantity::Energy)},
    {Setting::CPUnit, "CPUnit", nullptr, q(Quantity::Entropy)},
    {Setting::CVUnit, "CVUnit", nullptr, q(Quantity::Entropy)},
    {Setting::WUnit, "WUnit", nullptr, q(Quantity::Speed)},
    {Setting::DVUnit, "DVUnit", nullptr, q(Quantity::DynamicViscosity)},
    {Setting::KVUnit, "KVUnit", nullptr, q(Quantity::KinematicViscosity)},
    {Setting::STUnit, "STUnit", nullptr, q(Quantity::SurfaceTension)},
    {Setting::SatPUnit, "SatPUnit", nullptr, q(Quantity::Pressure)},
    {Setting::SatTUnit, "SatTUnit", nullptr, q(Quantity::Temperature)},
    {Setting::RUnit, "RUnit", nullptr, q(Quantity::Energy)},
    {Setting::ThermalConductivityUnit, "ThermalConductivityUnit", nullptr, q(Quantity::ThermalConductivity)},
    {Setting::Accuracy, "Accuracy", "5", -1},
};
static_assert(sizeof kSettings / sizeof kSettings[0] == kSettingCount);

constexpr const char* kCalculatorSubkey = "\\Velmora Calculator\\Defaults";
constexpr std::size_t kValueLimit = 1023;  // bytes of a value, its terminating zero included

}  // namespace

std::span<const SettingInfo> settingTable() { return kSettings; }

Settings defaultSettings(Language language) {
  Settings settings;
  for (const SettingInfo& info : kSettings) {
    at(settings, info.setting) =
        info.firstUnitOf < 0 ? info.fixedDefault : units(static_cast<Quantity>(info.firstUnitOf))[0].name(language);
  }
  return settings;
}

int parseInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) value = -value;
  if (value > INT_MAX) value = INT_MAX;
  return static_cast<int>(value);
}

int clampDigits(int digits) {
  if (digits > 15) return 15;
  if (digits < 1) return 1;
  return digits;
}

SettingsStore::SettingsStore(std::string productKey) : productKey_(std::move(productKey)) {}
SettingsStore::SettingsStore() : SettingsStore(vlm::kProductKey) {}

std::string SettingsStore::calculatorKey() const { return productKey_ + kCalculatorSubkey; }

Language SettingsStore::readLanguage() const {
  return russianSelected(productKey_) ? Language::Russian : Language::English;
}

Settings SettingsStore::load(Language language) const {
  Settings settings = defaultSettings(language);
  // Reading needs no more than query access: a user who may not write the key still gets
  // the stored values.
  store::Key key;
  if (!key.open(calculatorKey(), store::Access::Query)) return settings;
  char buffer[kValueLimit + 1];
  for (const SettingInfo& info : kSettings) {
    if (key.read(info.name, buffer, kValueLimit)) at(settings, info.setting) = buffer;
  }
  key.close();
  return settings;
}

bool SettingsStore::save(const Settings& settings) const {
  // One key opened for all values: on Linux they reach the file in one atomic commit, so
  // two calculators closing at once never leave a mixture of their settings.
  store::Key key;
  if (!key.open(calculatorKey(), store::Access::Full) && !key.create(calculatorKey())) return false;
  bool ok = true;
  for (const SettingInfo& info : kSettings) ok = key.write(info.name, at(settings, info.setting)) && ok;
  return key.close() && ok;
}

}  // namespace vlm::calc
