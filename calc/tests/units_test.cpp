// Unit lists, conversions and the number format.
#include "vlm/calc/units.hpp"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

namespace {

using namespace vlm::calc;

constexpr const char* kCelsius = "\260C";  // °C and °F in Windows-1251
constexpr const char* kFahrenheit = "\260F";

TEST(NumberReading, LongestNumericPrefix) {
  EXPECT_EQ(parseNumber("12,5"), 12);
  EXPECT_EQ(parseNumber(""), 0);
  EXPECT_EQ(parseNumber("abc"), 0);
  EXPECT_EQ(parseNumber("1e5"), 100000);
  EXPECT_EQ(parseNumber("1d5"), 100000);
  EXPECT_EQ(parseNumber("1D5"), 100000);
  EXPECT_EQ(parseNumber(" -3.5e-1x"), -0.35);
  EXPECT_EQ(parseNumber("1e"), 1);
  EXPECT_EQ(parseNumber("1e+"), 1);
  EXPECT_EQ(parseNumber("-"), 0);
  EXPECT_EQ(parseNumber("."), 0);
  EXPECT_EQ(parseNumber(".5"), 0.5);
  EXPECT_EQ(parseNumber("100000."), 100000);
  EXPECT_EQ(parseNumber("+7"), 7);
  EXPECT_EQ(parseNumber("\t 2.5e+2 MPa"), 250);
}

// What of a text was read: the number's place, and whether anything but white space was
// left over; the value is always parseNumber's.
TEST(NumberReading, SaysWhatWasRead) {
  struct Case {
    const char* text;
    const char* number;
    bool whole;
  };
  const Case cases[] = {
      {"3,5", "3", false},
      {"20 bar", "20", false},
      {"2 500", "2", false},
      {"abc", "", false},
      {" -3.5e-1x", "-3.5e-1", false},
      {"1e", "1", false},
      {"1e+", "1", false},
      {"-", "", false},
      {"", "", true},
      {"   ", "", true},
      {"100000.", "100000.", true},
      {" 20 ", "20", true},
      {"1d5", "1d5", true},
      {"\t2.5e+2\n", "2.5e+2", true},
      {"1e400", "1e400", true},
      {".5", ".5", true},
  };
  for (const Case& c : cases) {
    const std::string_view text = c.text;
    const NumberReading reading = readNumber(text);
    EXPECT_EQ(text.substr(reading.begin, reading.end - reading.begin), c.number) << c.text;
    EXPECT_EQ(reading.whole, c.whole) << c.text;
    EXPECT_EQ(reading.value, parseNumber(text)) << c.text;
  }
}

TEST(NumberReading, BeyondTheDoubleRange) {
  EXPECT_EQ(parseNumber("1e400"), HUGE_VAL);
  EXPECT_EQ(parseNumber("-1e400"), -HUGE_VAL);
  EXPECT_EQ(parseNumber("1e-400"), 0);
  EXPECT_EQ(parseNumber("0.0001e-330"), 0);
  EXPECT_EQ(parseNumber("1e99999999999999999999"), HUGE_VAL);
}

TEST(Units, ElevenListsWithTheSIUnitFirst) {
  int total = 0;
  for (int q = 0; q < kQuantityCount; ++q) {
    const auto list = units(static_cast<Quantity>(q));
    ASSERT_FALSE(list.empty());
    EXPECT_EQ(list[0].factor, 1.0) << q;
    total += static_cast<int>(list.size());
  }
  EXPECT_EQ(total, 10 + 4 + 3 + 7 + 2 + 6 + 6 + 4 + 4 + 2 + 2);
}

TEST(Units, FactorsAreTheListedDecimals) {
  EXPECT_EQ(units(Quantity::Speed)[2].factor, 0.277777777777778);
  EXPECT_NE(units(Quantity::Speed)[2].factor, 1 / 3.6);
  EXPECT_EQ(units(Quantity::Pressure)[2].factor, 133.322312022206);
  EXPECT_EQ(units(Quantity::Volume)[6].factor, 0.062427960576145);
}

TEST(Units, LatinAndCyrillicLettersAsListed) {
  // "м/c" ends in a Latin c, "Па·с" in a Cyrillic с (0xF1); the dot is 0xB7.
  EXPECT_STREQ(units(Quantity::Speed)[0].russian, "\xec/c");
  EXPECT_STREQ(units(Quantity::DynamicViscosity)[0].russian, "\xcf\xe0\xb7\xf1");
  EXPECT_STREQ(units(Quantity::Temperature)[1].english,
               "\xb0"
               "C");
  EXPECT_STREQ(units(Quantity::Entropy)[1].russian, "\xea\xc4\xe6/(\xea\xe3\xb7K)");
}

TEST(Units, LookupIsByteForByteInTheLanguageInForce) {
  EXPECT_EQ(findUnit(Quantity::Pressure, "kPa", Language::English), 3);
  EXPECT_EQ(findUnit(Quantity::Pressure, "kpa", Language::English), -1);
  EXPECT_EQ(findUnit(Quantity::Pressure, "kPa", Language::Russian), -1);
  EXPECT_EQ(findUnit(Quantity::Pressure, "\xea\xcf\xe0", Language::Russian), 3);  // кПа
  // An unknown name converts with factor 1; an unknown temperature unit means kelvin.
  EXPECT_EQ(argumentToSI("5", "furlong", Quantity::Pressure, Language::English), 5);
  EXPECT_EQ(argumentToSI("5", "", Quantity::Temperature, Language::English), 5);
  EXPECT_EQ(siToDisplay(5, "kPa", Quantity::Pressure, Language::Russian), 5);
}

TEST(Units, TemperatureRoundTrips) {
  const auto english = Language::English;
  EXPECT_DOUBLE_EQ(argumentToSI("100",
                                "\xb0"
                                "C",
                                Quantity::Temperature, english),
                   373.15);
  EXPECT_DOUBLE_EQ(argumentToSI("212",
                                "\xb0"
                                "F",
                                Quantity::Temperature, english),
                   373.15);
  EXPECT_DOUBLE_EQ(argumentToSI("671.67", "R", Quantity::Temperature, english), 373.15);
  EXPECT_EQ(argumentToSI("373.15", "K", Quantity::Temperature, english), 373.15);
  EXPECT_EQ(formatNumber(kelvinToTemperature(373.15,
                                             "\xb0"
                                             "C",
                                             english),
                         5),
            "100.");
  EXPECT_EQ(formatNumber(kelvinToTemperature(373.15,
                                             "\xb0"
                                             "F",
                                             english),
                         5),
            "212.");
  EXPECT_EQ(formatNumber(kelvinToTemperature(373.15, "R", english), 5), "671.67");
  EXPECT_EQ(kelvinToTemperature(373.15, "K", english), 373.15);
}

// The temperatures of a steam table's rows and of the range limits, typed in degrees, are
// the kelvin they name exactly: 0.01 °C is 273.16 K, not 273.15999999999997.
TEST(Units, TypedDegreesAreTheKelvinTheyName) {
  const auto english = Language::English;
  struct Row {
    const char *celsius, *fahrenheit, *rankine;
    double kelvin;
  };
  const Row table[] = {
      {"0.01", "32.018", "491.688", 273.16}, {"100", "212", "671.67", 373.15},
      {"200", "392", "851.67", 473.15},      {"373.946", "705.1028", "1164.7728", 647.096},
      {"350", "662", "1121.67", 623.15},     {"800", "1472", "1931.67", 1073.15},
      {"2000", "3632", "4091.67", 2273.15},
  };
  for (const Row& row : table) {
    EXPECT_EQ(argumentToSI(row.celsius, kCelsius, Quantity::Temperature, english), row.kelvin) << row.celsius;
    EXPECT_EQ(argumentToSI(row.fahrenheit, kFahrenheit, Quantity::Temperature, english), row.kelvin) << row.fahrenheit;
    EXPECT_EQ(argumentToSI(row.rankine, "R", Quantity::Temperature, english), row.kelvin) << row.rankine;
  }
  EXPECT_EQ(argumentToSI("273.15999999999997", "K", Quantity::Temperature, english), 273.15999999999997);
}

// Every conversion moves a result by one ulp at most, and a temperature typed in °C with
// up to three decimals gives the double nearest to its exact sum, throughout the library's
// range (far below it, near 0 K, the binary sum loses more than an ulp to cancellation).
TEST(Units, DegreesMoveByAnUlpAtMost) {
  const auto english = Language::English;
  for (long millis = -300000; millis <= 3000000; millis += 997) {
    const double t = millis / 1000.0 + 1e-7 * (millis % 7);  // decimals and odd values alike
    const std::pair<double, double> conversions[] = {
        {temperatureToKelvin(t, kCelsius, english), t + 273.15},
        {temperatureToKelvin(t, "R", english), t / 1.8},
        {temperatureToKelvin(t, kFahrenheit, english), (t - 32) * 0.5555555555555556 + 273.15},
    };
    for (const auto& [converted, plain] : conversions) {
      EXPECT_TRUE(converted == plain || converted == std::nextafter(plain, converted)) << t;
    }
    const long sum = millis + 273150;
    const std::string exact =
        std::to_string(sum / 1000) + "." + std::to_string(100000 + std::labs(sum % 1000)).substr(3);
    if (sum < 273160) continue;
    EXPECT_EQ(argumentToSI(std::to_string(millis / 1000.0), kCelsius, Quantity::Temperature, english),
              std::strtod(exact.c_str(), nullptr))
        << millis;
  }
}

TEST(Units, ResultDisplays) {
  const auto english = Language::English;
  EXPECT_EQ(formatNumber(siToDisplay(0.0589, "mN/m", Quantity::SurfaceTension, english), 5), "58.9");
  EXPECT_EQ(formatNumber(siToDisplay(0.0589, "\xec\xcd/\xec", Quantity::SurfaceTension, Language::Russian), 5), "58.9");
  EXPECT_EQ(argumentToSI("1", "kPa", Quantity::Pressure, english), 1000);
  EXPECT_EQ(pressureToDisplayDividing(100000, "kPa", english), 100);
  EXPECT_EQ(pressureToDisplayDividing(100000, "bar", english), 1);
  EXPECT_EQ(formatNumber(siToDisplay(2500000, "kJ/kg", Quantity::Energy, english), 5), "2500.");
  EXPECT_NEAR(siToDisplay(2500000, "kcal/kg", Quantity::Energy, english), 597.115, 5e-4);
  // The reciprocal first, then the product.
  const double factor = units(Quantity::Speed)[2].factor;
  const double reciprocal = 1.0 / factor;
  EXPECT_EQ(siToDisplay(1234.5, "kmh", Quantity::Speed, english), 1234.5 * reciprocal);
  EXPECT_EQ(argumentToSI("50", "%", Quantity::Dryness, english), 0.5);
}

TEST(NumberFormat, FiveDigits) {
  EXPECT_EQ(formatNumber(100000, 5), "1.e+005");
  EXPECT_EQ(formatNumber(12345.6, 5), "12346");
  EXPECT_EQ(formatNumber(373.15, 5), "373.15");
  EXPECT_EQ(formatNumber(1, 5), "1.");
  EXPECT_EQ(formatNumber(0.5, 5), "0.5");
  EXPECT_EQ(formatNumber(0.05, 5), "5.e-002");
  EXPECT_EQ(formatNumber(-1234.5678, 5), "-1234.6");
  EXPECT_EQ(formatNumber(0.1234567, 5), "0.12346");
}

TEST(NumberFormat, OneAndFifteenDigits) {
  EXPECT_EQ(formatNumber(400, 1), "4e+002");
  EXPECT_EQ(formatNumber(5, 1), "5");
  EXPECT_EQ(formatNumber(0.5, 1), "0.5");
  EXPECT_EQ(formatNumber(0.001, 1), "1e-003");
  EXPECT_EQ(formatNumber(100000, 15), "100000.");
  EXPECT_EQ(formatNumber(100001, 15), "100001.");
  EXPECT_EQ(formatNumber(374.15, 15), "374.15");
}

TEST(NumberFormat, ExponentsRoundingAndLength) {
  EXPECT_EQ(formatNumber(1.5e-300, 5), "1.5e-300");
  EXPECT_EQ(formatNumber(-2.5e120, 3), "-2.5e+120");
  EXPECT_EQ(formatNumber(99999.7, 5), "100000");  // the form is chosen before rounding
  EXPECT_EQ(formatNumber(0.0999996, 5), "1.e-001");
  EXPECT_EQ(formatNumber(9.99996, 5), "10.");
  EXPECT_EQ(formatNumber(0, 5), "0.");
  for (double value : {-1.23456789e-200, -0.0123456789, -98765.4321, -1.5e300}) {
    for (int digits = 1; digits <= 15; ++digits) {
      EXPECT_LE(formatNumber(value, digits).size(), static_cast<std::size_t>(digits + 7)) << value << " " << digits;
    }
  }
}

TEST(NumberFormat, PointWhateverTheLocale) {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous ? previous : "C";
  const bool comma = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") || std::setlocale(LC_NUMERIC, "German");
  EXPECT_EQ(formatNumber(373.15, 5), "373.15");
  EXPECT_EQ(parseNumber("373.15"), 373.15);
  std::setlocale(LC_NUMERIC, saved.c_str());
  if (!comma) GTEST_SKIP() << "no locale with a decimal comma here";
}

}  // namespace
