// The calculator's remembered inputs, units and digit count, kept as Windows-1251 texts under
// <product key>\Velmora Calculator\Defaults in the store, and the language value of the
// product key.  Read once at start (query access only), written once at closing.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "vlm/calc/layout.hpp"
#include "vlm/calc/units.hpp"

namespace vlm::calc {

using Settings = std::array<std::string, kSettingCount>;  // indexed by Setting

struct SettingInfo {
  Setting setting;
  const char* name;
  const char* fixedDefault;  // default text, unless the default is a list's first unit name
  int firstUnitOf;           // Quantity whose first unit name is the default; -1: fixedDefault
};
std::span<const SettingInfo> settingTable();

inline std::string& at(Settings& settings, Setting setting) { return settings[static_cast<std::size_t>(setting)]; }
inline const std::string& at(const Settings& settings, Setting setting) {
  return settings[static_cast<std::size_t>(setting)];
}

// The defaults of a first run; unit defaults are names in `language`.
Settings defaultSettings(Language language);

// The integer at the start of a text as the C library reads it (white space, sign, digits; no
// digits gives 0), saturated at the int range instead of overflowing.
int parseInteger(std::string_view text);
// A digit count brought into 1..15.
int clampDigits(int digits);

class SettingsStore {
 public:
  // `productKey` below HKEY_LOCAL_MACHINE; tests pass keys of their own.
  explicit SettingsStore(std::string productKey);
  SettingsStore();  // the product's key

  const std::string& productKey() const { return productKey_; }
  std::string calculatorKey() const;  // productKey + "\Velmora Calculator\Defaults"

  // Russian when the product key's Language value says so, English in every other case.
  Language readLanguage() const;
  // Every value in table order, each with its default when missing or unreadable.
  Settings load(Language language) const;
  // Writes every value in table order, creating the key when missing.  False when the
  // store refused (the caller has nothing to do about it).
  bool save(const Settings& settings) const;

 private:
  std::string productKey_;
};

}  // namespace vlm::calc
