// Settings: defaults, the digit count, reading and writing through the store.
#include "vlm/calc/settings.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "store_fixture.hpp"

namespace {

using namespace vlm::calc;
using calctest::freshProductKey;
using calctest::readValue;
using calctest::writeValue;

TEST(Settings, TwentyOneValuesInTheirOrder) {
  const char* names[] = {"PressureValue",
                         "PressureUnit",
                         "TemperatureValue",
                         "TemperatureUnit",
                         "DODValue",
                         "DODUnit",
                         "VolumeUnit",
                         "HUnit",
                         "SUnit",
                         "UUnit",
                         "CPUnit",
                         "CVUnit",
                         "WUnit",
                         "DVUnit",
                         "KVUnit",
                         "STUnit",
                         "SatPUnit",
                         "SatTUnit",
                         "RUnit",
                         "ThermalConductivityUnit",
                         "Accuracy"};
  const auto table = settingTable();
  ASSERT_EQ(table.size(), std::size(names));
  for (std::size_t i = 0; i < table.size(); ++i) {
    EXPECT_STREQ(table[i].name, names[i]);
    EXPECT_EQ(static_cast<std::size_t>(table[i].setting), i);
  }
}

TEST(Settings, FirstRunDefaultsFollowTheLanguage) {
  const Settings english = defaultSettings(Language::English);
  EXPECT_EQ(at(english, Setting::PressureValue), "100000.");
  EXPECT_EQ(at(english, Setting::PressureUnit), "");
  EXPECT_EQ(at(english, Setting::TemperatureValue), "373.15");
  EXPECT_EQ(at(english, Setting::TemperatureUnit), "");
  EXPECT_EQ(at(english, Setting::DODValue), "1.");
  EXPECT_EQ(at(english, Setting::DODUnit), "portion");
  EXPECT_EQ(at(english, Setting::VolumeUnit), "m3/kg");
  EXPECT_EQ(at(english, Setting::SatPUnit), "Pa");
  EXPECT_EQ(at(english, Setting::SatTUnit), "K");
  EXPECT_EQ(at(english, Setting::ThermalConductivityUnit), "W/(m\xb7K)");
  EXPECT_EQ(at(english, Setting::Accuracy), "5");
  const Settings russian = defaultSettings(Language::Russian);
  EXPECT_EQ(at(russian, Setting::DODUnit), "\xe4\xee\xeb.");    // дол.
  EXPECT_EQ(at(russian, Setting::HUnit), "\xc4\xe6/\xea\xe3");  // Дж/кг
}

TEST(Settings, IntegerPrefixAndDigitClamping) {
  EXPECT_EQ(parseInteger("5"), 5);
  EXPECT_EQ(parseInteger("  7 digits"), 7);
  EXPECT_EQ(parseInteger("+12"), 12);
  EXPECT_EQ(parseInteger("-3"), -3);
  EXPECT_EQ(parseInteger(""), 0);
  EXPECT_EQ(parseInteger("abc"), 0);
  EXPECT_EQ(parseInteger("99999999999999999999"), INT_MAX);
  EXPECT_EQ(parseInteger("-99999999999999999999"), INT_MIN);
  EXPECT_EQ(clampDigits(20), 15);
  EXPECT_EQ(clampDigits(0), 1);
  EXPECT_EQ(clampDigits(-7), 1);
  EXPECT_EQ(clampDigits(8), 8);
}

TEST(SettingsStore, MissingKeyGivesDefaultsAndCreatesNothing) {
  const SettingsStore store(freshProductKey("Missing"));
  EXPECT_EQ(store.readLanguage(), Language::English);
  EXPECT_EQ(store.load(Language::Russian), defaultSettings(Language::Russian));
  EXPECT_EQ(readValue(store.calculatorKey(), "PressureValue"), "<none>");
}

TEST(SettingsStore, LanguageIgnoresLetterCase) {
  const std::string key = freshProductKey("Language");
  writeValue(key, "Language", "rUSSIAN");
  EXPECT_EQ(SettingsStore(key).readLanguage(), Language::Russian);
  writeValue(key, "Language", "Russian ");
  EXPECT_EQ(SettingsStore(key).readLanguage(), Language::English);
}

TEST(SettingsStore, SavesAndLoadsEveryValue) {
  const SettingsStore store(freshProductKey("RoundTrip"));
  EXPECT_EQ(store.calculatorKey(), store.productKey() + "\\Velmora Calculator\\Defaults");
  Settings settings = defaultSettings(Language::English);
  for (std::size_t i = 0; i < settings.size(); ++i) settings[i] = "value " + std::to_string(i) + " \xb0\xcf";
  EXPECT_TRUE(store.save(settings));
  EXPECT_EQ(store.load(Language::English), settings);
  EXPECT_EQ(readValue(store.calculatorKey(), "Accuracy"), settings[20]);
}

TEST(SettingsStore, OverlongValueReadsAsDefault) {
  const SettingsStore store(freshProductKey("Overlong"));
  writeValue(store.calculatorKey(), "PressureValue", std::string(1022, '7'));  // 1023 bytes with its zero
  writeValue(store.calculatorKey(), "TemperatureValue", std::string(1023, '7'));
  const Settings settings = store.load(Language::English);
  EXPECT_EQ(at(settings, Setting::PressureValue), std::string(1022, '7'));
  EXPECT_EQ(at(settings, Setting::TemperatureValue), "373.15");
}

}  // namespace
