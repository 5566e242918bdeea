// Units of measure of the calculator: eleven ordered lists with Russian and English names
// (Windows-1251 text) and factors, and the conversions between typed or displayed values and
// SI.  Every unit is chosen, compared and remembered by its displayed name.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vlm::calc {

enum class Language { English, Russian };

enum class Quantity {
  Pressure,
  Temperature,
  Dryness,
  Volume,
  ThermalConductivity,
  Entropy,  // specific entropy and specific heat capacity
  Energy,   // specific energy
  Speed,
  DynamicViscosity,
  KinematicViscosity,
  SurfaceTension,
};
inline constexpr int kQuantityCount = 11;

struct Unit {
  const char* russian;
  const char* english;
  double factor;  // SI units in one of this unit; unused for temperature

  const char* name(Language language) const { return language == Language::Russian ? russian : english; }
};

// The list of a quantity, SI unit first.
std::span<const Unit> units(Quantity quantity);

// Names of a quantity's units in the language in force, in list order.
std::vector<std::string> unitNames(Quantity quantity, Language language);

// Index of the unit whose name in `language` equals `name` byte for byte; -1 if none.
int findUnit(Quantity quantity, std::string_view name, Language language);

// Number at the start of a text: optional white space, sign, digits with an optional ".",
// an optional exponent ("e", "E", "d" or "D", optional sign, digits); the longest such
// prefix counts, the rest is ignored, and a text without one reads as 0.  The decimal point
// is always "."; a comma ends the number.
double parseNumber(std::string_view text);

// The same reading, with what of the text it used: the number is text[begin, end) (empty
// when the text has none and reads as 0); `whole` when nothing but white space lies outside
// it, so that no typed character was left unread.
struct NumberReading {
  double value = 0;
  std::size_t begin = 0, end = 0;
  bool whole = true;
};
NumberReading readNumber(std::string_view text);

// Typed argument (text in the selected unit) to SI.  A unit name not in the list converts
// with factor 1 (for temperature: the value is taken as kelvin).
double argumentToSI(std::string_view text, std::string_view unit, Quantity quantity, Language language);
// Degrees Celsius, Fahrenheit and Rankine to kelvin.  The sum or quotient in binary carries
// the rounding of the decimals it starts from (0.01 + 273.15 is 273.15999999999997, below the
// 273.16 K the library accepts); a result within one ulp of a number of 12 significant digits
// is taken as that number, so 0.01 degrees Celsius is 273.16 K.  Any other result stays as
// computed.
double temperatureToKelvin(double t, std::string_view unit, Language language);

// SI result to the selected unit: value * (1 / factor), the reciprocal formed first.
double siToDisplay(double si, std::string_view unit, Quantity quantity, Language language);
// Saturation pressure shown in row Ps: ps / factor.
double pressureToDisplayDividing(double ps, std::string_view unit, Language language);
double kelvinToTemperature(double kelvin, std::string_view unit, Language language);

// Text of a number with `digits` significant digits (1..15): exponent form "1.e+005",
// "4e+002", "5.e-002" when the decimal exponent is below -1 or above digits - 1, fixed form
// "373.15", "1." otherwise; trailing zeros after the point removed, the point kept; "." as
// decimal point whatever the locale; three-digit exponent on every platform.
std::string formatNumber(double value, int digits);

}  // namespace vlm::calc
