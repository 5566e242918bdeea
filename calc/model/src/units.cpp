#include "vlm/calc/units.hpp"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace vlm::calc {
namespace {

// Names are Windows-1251 bytes; the UTF-8 text follows in the comment.  "·" is 0xB7, "°" 0xB0;
// "K", "C", "F", "R", "ppm", "UK", "US", "fl_oz" and the "c" of "м/c", "км/c" are Latin.
constexpr Unit kPressure[] = {
    {"\xcf\xe0", "Pa", 1},                                            // Па
    {"\xec\xec \xe2\xe4.\xf1\xf2.", "mm Water", 9.80665},             // мм вд.ст.
    {"\xec\xec \xf0\xf2.\xf1\xf2.", "torr", 133.322312022206},        // мм рт.ст.
    {"\xea\xcf\xe0", "kPa", 1000},                                    // кПа
    {"\xe4\xec \xf0\xf2.\xf1\xf2.", "in Hg", 3376.86427794708},       // дм рт.ст.
    {"\xf4\xf3\xed\xf2/\xea\xe2.\xe4\xec", "psi", 6894.75729316836},  // фунт/кв.дм
    {"\xea\xc3\xf1/\xf1\xec\x32", "kgf/cm2", 98066.5},                // кГс/см2
    {"\xe1\xe0\xf0", "bar", 100000},                                  // бар
    {"\xe0\xf2\xec", "atm", 101325},                                  // атм
    {"\xcc\xcf\xe0", "MPa", 1000000},                                 // МПа
};

constexpr Unit kTemperature[] = {
    {"K", "K", 1},
    {"\xb0"
     "C",
     "\xb0"
     "C",
     1},  // °C
    {"R", "R", 1},
    {"\xb0"
     "F",
     "\xb0"
     "F",
     1},  // °F
};
enum TemperatureUnit { Kelvin, Celsius, Rankine, Fahrenheit };

constexpr Unit kDryness[] = {
    {"\xe4\xee\xeb.", "portion", 1},  // дол.
    {"%", "%", 0.01},
    {"ppm", "ppm", 0.000001},
};

constexpr Unit kVolume[] = {
    {"\xec\x33/\xea\xe3", "m3/kg", 1},                                    // м3/кг
    {"\xf1\xec\x33/\xe3", "cm3/g", 0.001},                                // см3/г
    {"\xeb\xe8\xf2\xf0/\xea\xe3", "liter/kg", 0.001},                     // литр/кг
    {"\xe3\xe0\xeb UK/\xf4\xf3\xed\xf2", "galUK/lb", 0.010022412854961},  // гал UK/фунт
    {"\xe3\xe0\xeb US/\xf4\xf3\xed\xf2", "galUS/lb", 0.008345404452019},  // гал US/фунт
    {"fl_oz/\xf3\xed\xf6", "fl_oz/oz", 0.001043175556502},                // fl_oz/унц
    {"\xf4\xf3\xf2\x33/\xf4\xf3\xed\xf2", "ft3/lb", 0.062427960576145},   // фут3/фунт
};

constexpr Unit kThermalConductivity[] = {
    {"\xc2\xf2/(\xec\xb7K)", "W/(m\xb7K)", 1},           // Вт/(м·K)
    {"\xec\xc2\xf2/(\xec\xb7K)", "mW/(m\xb7K)", 0.001},  // мВт/(м·K)
};

constexpr Unit kEntropy[] = {
    {"\xc4\xe6/(\xea\xe3\xb7K)", "J/(kg\xb7K)", 1},                  // Дж/(кг·K)
    {"\xea\xc4\xe6/(\xea\xe3\xb7K)", "kJ/(kg\xb7K)", 1000},          // кДж/(кг·K)
    {"\xcc\xc4\xe6/(\xea\xe3\xb7K)", "MJ/(kg\xb7K)", 1000000},       // МДж/(кг·K)
    {"\xea\xe0\xeb/(\xea\xe3\xb7K)", "cal/(kg\xb7K)", 4.1868},       // кал/(кг·K)
    {"\xea\xea\xe0\xeb/(\xea\xe3\xb7K)", "kcal/(kg\xb7K)", 4186.8},  // ккал/(кг·K)
    {"\xfd\xf0\xe3/(\xea\xe3\xb7K)", "erg/(kg\xb7K)", 0.0000001},    // эрг/(кг·K)
};

constexpr Unit kEnergy[] = {
    {"\xc4\xe6/\xea\xe3", "J/kg", 1},                  // Дж/кг
    {"\xea\xc4\xe6/\xea\xe3", "kJ/kg", 1000},          // кДж/кг
    {"\xcc\xc4\xe6/\xea\xe3", "MJ/kg", 1000000},       // МДж/кг
    {"\xea\xe0\xeb/\xea\xe3", "cal/kg", 4.1868},       // кал/кг
    {"\xea\xea\xe0\xeb/\xea\xe3", "kcal/kg", 4186.8},  // ккал/кг
    {"\xfd\xf0\xe3/\xea\xe3", "erg/kg", 0.0000001},    // эрг/кг
};

constexpr Unit kSpeed[] = {
    {"\xec/c", "m/s", 1},                         // м/c
    {"\xea\xec/c", "km/s", 1000},                 // км/c
    {"\xea\xec/\xf7", "kmh", 0.277777777777778},  // км/ч
    {"\xec\xe8\xeb\xfc/\xf7", "mph", 0.44704},    // миль/ч
};

constexpr Unit kDynamicViscosity[] = {
    {"\xcf\xe0\xb7\xf1", "Pa\xb7s", 1},                             // Па·с
    {"\xef\xf3\xe0\xe7", "poise", 0.1},                             // пуаз
    {"\xec\xea\xcf\xe0\xb7\xf1", "mkPa\xb7s", 0.000001},            // мкПа·с
    {"\xf1\xe0\xed\xf2\xe8\xef\xf3\xe0\xe7", "cantipoise", 0.001},  // сантипуаз
};

constexpr Unit kKinematicViscosity[] = {
    {"\xec\x32/\xf1", "m2/s", 1},                // м2/с
    {"\xf1\xf2\xee\xea\xf1", "stokes", 0.0001},  // стокс
};

constexpr Unit kSurfaceTension[] = {
    {"\xcd/\xec", "N/m", 1},           // Н/м
    {"\xec\xcd/\xec", "mN/m", 0.001},  // мН/м
};

constexpr std::array<std::span<const Unit>, kQuantityCount> kLists = {
    kPressure,         kTemperature,        kDryness,        kVolume, kThermalConductivity, kEntropy, kEnergy, kSpeed,
    kDynamicViscosity, kKinematicViscosity, kSurfaceTension,
};

double factorOf(Quantity quantity, std::string_view unit, Language language) {
  const int index = findUnit(quantity, unit, language);
  return index < 0 ? 1.0 : units(quantity)[static_cast<std::size_t>(index)].factor;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// Digits of a number too large or too small for a double: the decimal exponent of its
// leading digit decides between infinity and zero, as the C library's reading does.
double outOfRange(std::string_view mantissa, std::string_view exponent, bool negative) {
  long long position = 0;  // exponent of the first non-zero digit, before the written exponent
  const auto point = mantissa.find('.');
  const std::string_view whole = mantissa.substr(0, point);
  const auto firstWhole = whole.find_first_not_of('0');
  if (firstWhole != std::string_view::npos) {
    position = static_cast<long long>(whole.size() - firstWhole) - 1;
  } else if (point != std::string_view::npos) {
    const auto firstFraction = mantissa.find_first_not_of('0', point + 1);
    position = -static_cast<long long>(firstFraction - point);
  }
  long long written = 0;
  bool minus = false;
  std::size_t i = 0;
  if (i < exponent.size() && (exponent[i] == '+' || exponent[i] == '-')) minus = exponent[i++] == '-';
  for (; i < exponent.size() && written < 100000; ++i) written = written * 10 + (exponent[i] - '0');
  const double magnitude =
      (position + (minus ? -written : written)) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  return negative ? -magnitude : magnitude;
}

// A number of 12 significant digits that lies within one ulp of `value`, else `value`: the
// exact result of adding or dividing typed decimals, where the binary sum or quotient misses
// it by its rounding alone.
double nearestShortDecimal(double value) {
  if (!std::isfinite(value) || value == 0.0) return value;
  char buffer[64];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 11);
  double decimal = value;
  std::from_chars(buffer, end.ptr, decimal);
  return decimal == std::nextafter(value, decimal) ? decimal : value;
}

}  // namespace

std::span<const Unit> units(Quantity quantity) { return kLists[static_cast<std::size_t>(quantity)]; }

std::vector<std::string> unitNames(Quantity quantity, Language language) {
  std::vector<std::string> names;
  for (const Unit& unit : units(quantity)) names.emplace_back(unit.name(language));
  return names;
}

int findUnit(Quantity quantity, std::string_view name, Language language) {
  const auto list = units(quantity);
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (name == list[i].name(language)) return static_cast<int>(i);
  }
  return -1;
}

NumberReading readNumber(std::string_view text) {
  NumberReading reading;
  const auto restIsSpace = [&](std::size_t from) {
    for (std::size_t k = from; k < text.size(); ++k) {
      if (!isSpace(text[k])) return false;
    }
    return true;
  };
  std::size_t i = 0;
  while (i < text.size() && isSpace(text[i])) ++i;
  reading.begin = reading.end = i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const std::size_t start = i;
  std::size_t digits = 0;
  while (i < text.size() && isDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && isDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) {
    reading.whole = restIsSpace(reading.begin);
    return reading;
  }
  const std::string_view mantissa = text.substr(start, i - start);
  std::string_view exponent;
  reading.end = i;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
    std::size_t k = i + 1;
    if (k < text.size() && (text[k] == '+' || text[k] == '-')) ++k;
    const std::size_t exponentDigits = k;
    while (k < text.size() && isDigit(text[k])) ++k;
    if (k > exponentDigits) {  // else "1e" reads as 1
      exponent = text.substr(i + 1, k - i - 1);
      reading.end = k;
    }
  }
  reading.whole = restIsSpace(reading.end);
  std::string number(mantissa);
  if (!exponent.empty()) number.append("e").append(exponent);
  double value = 0.0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    reading.value = outOfRange(mantissa, exponent, negative);
  } else {
    reading.value = negative ? -value : value;
  }
  return reading;
}

double parseNumber(std::string_view text) { return readNumber(text).value; }

double temperatureToKelvin(double t, std::string_view unit, Language language) {
  switch (findUnit(Quantity::Temperature, unit, language)) {
    case Celsius:
      return nearestShortDecimal(t + 273.15);
    case Rankine:
      return nearestShortDecimal(t / 1.8);
    case Fahrenheit:
      return nearestShortDecimal((t - 32) * 0.5555555555555556 + 273.15);
    default:
      return t;
  }
}

double kelvinToTemperature(double kelvin, std::string_view unit, Language language) {
  switch (findUnit(Quantity::Temperature, unit, language)) {
    case Celsius:
      return kelvin - 273.15;
    case Rankine:
      return kelvin * 1.8;
    case Fahrenheit:
      return (kelvin - 273.15) * 1.8 + 32;
    default:
      return kelvin;
  }
}

double argumentToSI(std::string_view text, std::string_view unit, Quantity quantity, Language language) {
  const double number = parseNumber(text);
  if (quantity == Quantity::Temperature) return temperatureToKelvin(number, unit, language);
  return number * factorOf(quantity, unit, language);
}

double siToDisplay(double si, std::string_view unit, Quantity quantity, Language language) {
  if (quantity == Quantity::Temperature) return kelvinToTemperature(si, unit, language);
  const double reciprocal = 1.0 / factorOf(quantity, unit, language);
  return si * reciprocal;
}

double pressureToDisplayDividing(double ps, std::string_view unit, Language language) {
  return ps / factorOf(Quantity::Pressure, unit, language);
}

std::string formatNumber(double value, int digits) {
  if (digits < 1) digits = 1;
  if (digits > 15) digits = 15;
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";

  // Decimal exponent before rounding: the shortest text that reads back as the same double
  // never crosses a power of ten the value does not reach.
  char buffer[400];
  int exponent = 0;
  if (value != 0.0) {
    const auto shortest = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const std::string_view text(buffer, static_cast<std::size_t>(shortest.ptr - buffer));
    const auto e = text.find('e');
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), exponent);
  }

  std::string out;
  if (exponent < -1 || exponent > digits - 1) {
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, digits - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(end.ptr - buffer));
    const auto e = text.find('e');
    std::string mantissa(text.substr(0, e));
    if (mantissa.find('.') != std::string::npos) mantissa.erase(mantissa.find_last_not_of('0') + 1);
    int rounded = 0;  // the exponent after rounding (9.99996e4 -> 1.0000e5)
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), rounded);
    const int magnitude = rounded < 0 ? -rounded : rounded;
    out = mantissa + (rounded < 0 ? "e-" : "e+");
    out.push_back(static_cast<char>('0' + magnitude / 100 % 10));
    out.push_back(static_cast<char>('0' + magnitude / 10 % 10));
    out.push_back(static_cast<char>('0' + magnitude % 10));
  } else {
    const int decimals = digits - 1 - exponent;
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    out.assign(buffer, end.ptr);
    if (decimals > 0) {
      out.erase(out.find_last_not_of('0') + 1);
    }
  }
  return out;
}

}  // namespace vlm::calc
