// vlmprop: the command-line face of the library and of the calculator.
//   vlmprop NAME ARG...   calls one export by name with SI arguments
//   vlmprop --list        lists every export with its parameter names
//   vlmprop table ...     prints the calculator's rows for one state, through its model
//   vlmprop state ...     prints every field of a state from one of six pairs (velmora.h)
// Texts arrive and leave as UTF-8; the library and the model speak Windows-1251.
#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "state_command.hpp"
#include "vlm/calc/calculator.hpp"
#include "vlm/codepage.hpp"
#include "vlmcore5.h"

#if defined(_WIN32)
#include <windows.h>
// windows.h first: shellapi.h relies on it.
#include <shellapi.h>
#endif

namespace {

using namespace vlm::calc;
namespace cp = vlm::codepage;

constexpr const char* kUsage =
    "usage:\n"
    "  vlmprop NAME ARG...   call the export NAME (letter case ignored, the \"vlm\" prefix optional)\n"
    "                        with SI arguments; prints the result with 15 significant digits\n"
    "  vlmprop --list        every export with its parameter names\n"
    "  vlmprop table MODE ARG UNIT [ARG UNIT] [--phase water|steam] [--digits N]\n"
    "                [--unit ROW=UNIT]... [--no-range-check] [--json]\n"
    "                        the rows the calculator shows for that state\n"
    "  vlmprop state PAIR A B [--json] [--no-range-check]\n"
    "                        every field of the state from PAIR: pt, ph, ps, hs, tx or px (SI)\n"
    "\n"
    "  MODE  F(P, T) or pt;  F(P\xd0\xbd\xd0\xb0\xd1\x81), F(Ps), ps or psat;  F(T\xd0\xbd\xd0\xb0\xd1\x81), F(Ts), ts "
    "or tsat;\n"
    "        F(P, X) or px;  F(T, X) or tx;  or the tab number 0 to 4 (spaces and letter case ignored)\n"
    "  ARG   a number in the unit that follows it (pressure, temperature or dryness by mode)\n"
    "  UNIT  a unit name of the calculator's lists, in either language; C and F stand for\n"
    "        \xc2\xb0"
    "C and \xc2\xb0"
    "F, * for \xc2\xb7\n"
    "  ROW   V S H U CP CV W TC DV KV ST R Ps\n"
    "\n"
    "The table starts from the calculator's remembered units and digit count and changes nothing\n"
    "in the store.  A failing call prints the library's error text and exits with status 1.\n";

int usageError(const std::string& message) {
  std::fprintf(stderr, "vlmprop: %s\n\n%s", message.c_str(), kUsage);
  return 2;
}

std::string lower(std::string_view text) {
  std::string out;
  for (char c : text) out.push_back(cp::toLower(c));
  return out;
}

// --- numbers ---------------------------------------------------------------------------

// A whole argument as a number: optional sign, digits with an optional point, optional
// exponent (e, E, d or D).
std::optional<double> strictNumber(std::string_view text) {
  std::string number;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') number.push_back('-');
    ++i;
  }
  std::size_t digits = 0;
  for (; i < text.size() && ((text[i] >= '0' && text[i] <= '9') || text[i] == '.'); ++i) {
    digits += text[i] != '.';
    number.push_back(text[i]);
  }
  if (digits == 0) return std::nullopt;
  if (i < text.size() && std::strchr("eEdD", text[i]) != nullptr) {
    number.push_back('e');
    ++i;
  }
  for (; i < text.size(); ++i) number.push_back(text[i]);
  double value = 0;
  const auto end = number.data() + number.size();
  const auto result = std::from_chars(number.data(), end, value);
  if (result.ec != std::errc() || result.ptr != end) return std::nullopt;
  return value;
}

std::string general15(double value) {
  char buffer[64];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  return std::string(buffer, end.ptr);
}

// --- calling an export by name ---------------------------------------------------------

struct Outcome {
  enum Kind { Number, Integer, Text } kind;
  double number = 0;
  int integer = 0;
  const char* text = nullptr;
};
using Arguments = std::vector<double>;

Outcome ofNumber(double value) { return {Outcome::Number, value, 0, nullptr}; }
Outcome ofInteger(int value) { return {Outcome::Integer, 0, value, nullptr}; }
Outcome ofText(const char* value) { return {Outcome::Text, 0, 0, value}; }
int asInt(double value) { return static_cast<int>(value); }
bool isInteger(double value) { return value >= INT_MIN && value <= INT_MAX && value == std::trunc(value); }

// One invoker per signature code of the export table.
template <auto F>
Outcome invoke_D_V(const Arguments&) {
  return ofNumber(F());
}
template <auto F>
Outcome invoke_D_D(const Arguments& a) {
  return ofNumber(F(a[0]));
}
template <auto F>
Outcome invoke_D_DD(const Arguments& a) {
  return ofNumber(F(a[0], a[1]));
}
template <auto F>
Outcome invoke_D_DDD(const Arguments& a) {
  return ofNumber(F(a[0], a[1], a[2]));
}
template <auto F>
Outcome invoke_I_V(const Arguments&) {
  return ofInteger(F());
}
template <auto F>
Outcome invoke_I_I(const Arguments& a) {
  return ofInteger(F(asInt(a[0])));
}
template <auto F>
Outcome invoke_I_DD(const Arguments& a) {
  return ofInteger(F(a[0], a[1]));
}
template <auto F>
Outcome invoke_S_V(const Arguments&) {
  return ofText(F());
}

struct Export {
  const char* name;
  const char* signature;  // result letter, '_', one letter per parameter
  const char* parameters;
  Outcome (*invoke)(const Arguments&);
};

#define VLM_EXPORT(name, code, parameters) {#name, #code, parameters, &invoke_##code<&name>},
constexpr Export kExports[] = {
#include "vlmcore5_exports.inc"
};
#undef VLM_EXPORT

const Export* findExport(std::string_view name) {
  const std::string wanted = lower(name);
  for (const Export& entry : kExports) {
    const std::string full = lower(entry.name);
    if (wanted == full || "vlm" + wanted == full) return &entry;
  }
  return nullptr;
}

int list() {
  for (const Export& entry : kExports) {
    const char* result = entry.signature[0] == 'D' ? "double" : entry.signature[0] == 'I' ? "int" : "text";
    std::printf("%-18s (%s) -> %s\n", entry.name, entry.parameters, result);
  }
  return 0;
}

int failure() {
  std::fprintf(stderr, "%s\n", cp::cp1251ToUtf8(vlmGETLASTERRORDESCRIPTION()).c_str());
  return 1;
}

int call(const std::vector<std::string>& args) {
  const Export* entry = findExport(args[0]);
  if (entry == nullptr) return usageError("no export named " + args[0] + " (vlmprop --list shows them)");
  const std::string_view parameterCodes = std::string_view(entry->signature).substr(2);
  const std::size_t count = parameterCodes == "V" ? 0 : parameterCodes.size();
  if (args.size() - 1 != count) {
    return usageError(std::string(entry->name) + " takes " + std::to_string(count) +
                      " argument(s): " + entry->parameters);
  }
  Arguments values;
  for (std::size_t i = 0; i < count; ++i) {
    const auto value = strictNumber(args[i + 1]);
    if (!value) return usageError("not a number: " + args[i + 1]);
    if (parameterCodes[i] == 'I' && !isInteger(*value)) {
      return usageError("not an integer: " + args[i + 1]);
    }
    values.push_back(*value);
  }
  const Outcome outcome = entry->invoke(values);
  switch (outcome.kind) {
    case Outcome::Number:
      if (outcome.number == -1.0 && vlmGETLASTERROR() != 0) return failure();
      std::printf("%s\n", general15(outcome.number).c_str());
      break;
    case Outcome::Integer:
      if (outcome.integer == -1 && vlmGETLASTERROR() != 0) return failure();
      std::printf("%d\n", outcome.integer);
      break;
    case Outcome::Text:
      std::printf("%s\n", cp::cp1251ToUtf8(outcome.text != nullptr ? outcome.text : "").c_str());
      break;
  }
  return 0;
}

// --- the calculator's table ------------------------------------------------------------

// Row names of our own for the English output; Russian output uses the window's labels.
const char* englishName(Row row, bool saturationTemperature) {
  switch (row) {
    case Row::V:
      return "Specific volume:";
    case Row::S:
      return "Specific entropy:";
    case Row::H:
      return "Specific enthalpy:";
    case Row::U:
      return "Internal energy:";
    case Row::CP:
      return "Isobaric heat capacity:";
    case Row::CV:
      return "Isochoric heat capacity:";
    case Row::W:
      return "Speed of sound:";
    case Row::TC:
      return "Thermal conductivity:";
    case Row::DV:
      return "Dynamic viscosity:";
    case Row::KV:
      return "Kinematic viscosity:";
    case Row::Prandtl:
      return "Prandtl number:";
    case Row::ST:
      return "Surface tension:";
    case Row::R:
      return "Heat of vaporization:";
    case Row::Ps:
      return saturationTemperature ? "Saturation temperature:" : "Saturation pressure:";
  }
  return "";
}

const char* englishArgumentName(Quantity quantity) {
  switch (quantity) {
    case Quantity::Pressure:
      return "Pressure:";
    case Quantity::Temperature:
      return "Temperature:";
    default:
      return "Dryness:";
  }
}

// Letter case and spaces ignored; Windows-1251 text.
std::string normalizedMode(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c != ' ') out.push_back(cp::toLower(c));
  }
  return out;
}

std::optional<int> findMode(const std::string& typed) {
  static const std::vector<std::vector<std::string>> aliases = {
      {"pt", "0"}, {"f(ps)", "ps", "psat", "1"}, {"f(ts)", "ts", "tsat", "2"}, {"px", "3"}, {"tx", "4"},
  };
  const std::string wanted = normalizedMode(cp::utf8ToCp1251(typed));
  for (int mode = 0; mode < kModeCount; ++mode) {
    if (wanted == normalizedMode(text::kModeTabs[static_cast<std::size_t>(mode)])) return mode;
    for (const auto& alias : aliases[static_cast<std::size_t>(mode)]) {
      if (wanted == alias) return mode;
    }
  }
  return std::nullopt;
}

// "*" typed for the middle dot.
std::string unitKey(std::string_view name) {
  std::string out;
  for (char c : name) out.push_back(c == '*' ? '\xb7' : c);
  return out;
}

// Index in the list of `controlId` of a unit typed in UTF-8: a name of either language, exact
// or with letter case ignored; "C" and "F" for degrees Celsius and Fahrenheit.
std::optional<int> findUnitIndex(const Calculator& calculator, int controlId, const std::string& typed) {
  const auto quantity = calculator.unitQuantity(controlId);
  if (!quantity) return std::nullopt;
  std::string name = unitKey(cp::utf8ToCp1251(typed));
  if (*quantity == Quantity::Temperature && (name == "C" || name == "c" || name == "F" || name == "f")) {
    name = std::string("\xb0") + static_cast<char>(name[0] & ~0x20);
  }
  const auto list = units(*quantity);
  for (Language language : {calculator.language(), Language::English, Language::Russian}) {
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (name == list[i].name(language)) return static_cast<int>(i);
    }
  }
  for (Language language : {calculator.language(), Language::English, Language::Russian}) {
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (cp::equalIgnoringCase(name, list[i].name(language))) return static_cast<int>(i);
    }
  }
  return std::nullopt;
}

std::string unitChoices(const Calculator& calculator, int controlId) {
  std::string out;
  for (const auto& name : calculator.unitList(controlId)) out += (out.empty() ? "" : ", ") + cp::cp1251ToUtf8(name);
  return out;
}

std::string json(std::string_view utf8) {
  std::string out = "\"";
  for (char c : utf8) {
    if (c == '"' || c == '\\') {
      out.push_back('\\');
      out.push_back(c);
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
      out += escape;
    } else {
      out.push_back(c);
    }
  }
  return out + "\"";
}

std::size_t width(std::string_view utf8) {  // code points
  std::size_t n = 0;
  for (char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

std::string padded(const std::string& utf8, std::size_t columns) {
  return utf8 + std::string(columns > width(utf8) ? columns - width(utf8) : 0, ' ');
}

struct Line {
  std::string key, label, text, unit;
  bool error = false;
};

int table(const std::vector<std::string>& args) {
  std::vector<std::string> positional;
  std::optional<int> phase;
  std::optional<std::string> digits;
  std::vector<std::string> rowUnits;
  bool noRangeCheck = false;
  bool asJson = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const auto value = [&]() -> std::optional<std::string> {
      if (i + 1 >= args.size()) return std::nullopt;
      return args[++i];
    };
    if (arg == "--phase") {
      const auto v = value();
      if (!v) return usageError("--phase needs water or steam");
      const std::string p = lower(*v);
      if (p == "water") {
        phase = 0;
      } else if (p == "steam") {
        phase = 1;
      } else {
        return usageError("--phase needs water or steam, not " + *v);
      }
    } else if (arg == "--digits") {
      digits = value();
      if (!digits) return usageError("--digits needs a number");
    } else if (arg == "--unit") {
      const auto v = value();
      if (!v || v->find('=') == std::string::npos) return usageError("--unit needs ROW=UNIT");
      rowUnits.push_back(*v);
    } else if (arg == "--no-range-check") {
      noRangeCheck = true;
    } else if (arg == "--json") {
      asJson = true;
    } else if (arg.rfind("--", 0) == 0) {
      return usageError("unknown option " + arg);
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.empty()) return usageError("table needs a mode");
  const auto mode = findMode(positional[0]);
  if (!mode) return usageError("unknown mode " + positional[0]);
  const bool twoArguments = *mode == 0 || *mode == 3 || *mode == 4;
  const std::size_t wanted = twoArguments ? 5 : 3;
  if (positional.size() != wanted) {
    return usageError(std::string("mode ") + cp::cp1251ToUtf8(text::kModeTabs[static_cast<std::size_t>(*mode)]) +
                      " needs " + (twoArguments ? "two arguments, each with its unit" : "one argument with its unit"));
  }

  // The calculator as it starts, read-only: close() is never called, so nothing is written.
  Calculator calculator;
  calculator.tabSelected(id::kModeTabs, *mode);
  if (phase) calculator.tabSelected(id::kPhaseTabs, *phase);
  const int edits[] = {id::kArgument1Edit, id::kArgument2Edit};
  const int lists[] = {id::kArgument1Unit, id::kArgument2Unit};
  const int labels[] = {id::kArgument1Label, id::kArgument2Label};
  for (std::size_t k = 0; k < (twoArguments ? 2u : 1u); ++k) {
    const std::string& number = positional[1 + 2 * k];
    const std::string& unit = positional[2 + 2 * k];
    if (!strictNumber(number)) return usageError("not a number: " + number);
    const auto index = findUnitIndex(calculator, lists[k], unit);
    if (!index) return usageError("unknown unit " + unit + " (one of: " + unitChoices(calculator, lists[k]) + ")");
    calculator.unitSelected(lists[k], *index);
    calculator.editChanged(edits[k], number);
  }
  for (const std::string& assignment : rowUnits) {
    const std::string key = lower(assignment.substr(0, assignment.find('=')));
    const std::string unit = assignment.substr(assignment.find('=') + 1);
    const RowInfo* row = nullptr;
    for (const RowInfo& info : rows()) {
      if (lower(info.key) == key && info.unitId != 0) row = &info;
    }
    if (row == nullptr) return usageError("no row with a unit named " + assignment.substr(0, assignment.find('=')));
    const auto index = findUnitIndex(calculator, row->unitId, unit);
    if (!index) {
      return usageError("unknown unit " + unit + " for row " + row->key +
                        " (one of: " + unitChoices(calculator, row->unitId) + ")");
    }
    calculator.unitSelected(row->unitId, *index);
  }
  if (digits) calculator.digitDialogOk(*digits);
  if (noRangeCheck) calculator.toggleRangeCheck();

  const bool russian = calculator.language() == Language::Russian;
  const bool psTemperature = *mode == 1 || *mode == 3;
  std::vector<Line> arguments;
  for (std::size_t k = 0; k < (twoArguments ? 2u : 1u); ++k) {
    const auto quantity = *calculator.unitQuantity(lists[k]);
    arguments.push_back({"", russian ? cp::cp1251ToUtf8(calculator.label(labels[k])) : englishArgumentName(quantity),
                         cp::cp1251ToUtf8(calculator.text(edits[k])),
                         cp::cp1251ToUtf8(calculator.selectedUnitText(lists[k])), false});
  }
  std::vector<Line> lines;
  for (const RowInfo& info : rows()) {
    if (!calculator.visible(info.row)) continue;
    Line line{info.key, russian ? cp::cp1251ToUtf8(calculator.label(info.row)) : englishName(info.row, psTemperature),
              cp::cp1251ToUtf8(calculator.result(info.row)),
              info.unitId != 0 ? cp::cp1251ToUtf8(calculator.selectedUnitText(info.unitId)) : "",
              calculator.failed(info.row)};
    lines.push_back(line);
  }
  const std::string modeText = cp::cp1251ToUtf8(text::kModeTabs[static_cast<std::size_t>(*mode)]);
  const bool saturation = *mode == 1 || *mode == 2;
  const std::string phaseText = cp::cp1251ToUtf8(text::kPhaseTabs[static_cast<std::size_t>(calculator.phase())]);

  if (asJson) {
    std::string out = "{\"mode\": " + json(modeText);
    out += ", \"phase\": " + (saturation ? json(calculator.phase() == Phase::Water ? "water" : "steam") : "null");
    out += ", \"language\": " + json(russian ? "Russian" : "English");
    out += ", \"digits\": " + std::to_string(calculator.digitCount());
    out += std::string(", \"range_check\": ") + (calculator.rangeCheck() ? "true" : "false");
    out += ", \"arguments\": [";
    for (std::size_t k = 0; k < arguments.size(); ++k) {
      out += (k ? ", " : "") + std::string("{\"label\": ") + json(arguments[k].label) +
             ", \"text\": " + json(arguments[k].text) + ", \"unit\": " + json(arguments[k].unit) + "}";
    }
    out += "], \"rows\": [";
    for (std::size_t k = 0; k < lines.size(); ++k) {
      const Line& line = lines[k];
      out += (k ? ",\n  " : "\n  ") + std::string("{\"row\": ") + json(line.key) + ", \"label\": " + json(line.label) +
             ", \"text\": " + json(line.text) + ", \"unit\": " + (line.unit.empty() ? "null" : json(line.unit)) +
             ", \"error\": " + (line.error ? "true" : "false") + "}";
    }
    out += "\n]}\n";
    std::fputs(out.c_str(), stdout);
    return 0;
  }

  std::string header = modeText;
  if (saturation)
    header += " (" + (russian ? phaseText : std::string(calculator.phase() == Phase::Water ? "water" : "steam")) + ")";
  for (const Line& argument : arguments) header += ", " + argument.label + " " + argument.text + " " + argument.unit;
  std::printf("%s\n", header.c_str());
  std::size_t labelWidth = 0, textWidth = 0;
  for (const Line& line : lines) {
    labelWidth = std::max(labelWidth, width(line.label));
    if (!line.error) textWidth = std::max(textWidth, width(line.text));
  }
  for (const Line& line : lines) {
    std::string out = padded(line.label, labelWidth) + "  ";
    if (line.error) {
      out += line.text;
    } else {
      out += std::string(textWidth - width(line.text), ' ') + line.text;
      if (!line.unit.empty()) out += " " + line.unit;
    }
    std::printf("%s\n", out.c_str());
  }
  return 0;
}

std::vector<std::string> utf8Arguments(int argc, char** argv) {
  std::vector<std::string> args;
#if defined(_WIN32)
  // The wide command line, so names typed in any code page arrive intact.
  int count = 0;
  if (wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
    for (int i = 1; i < count; ++i) {
      const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
      std::string text(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
      if (size > 0) WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, text.data(), size, nullptr, nullptr);
      text.resize(std::strlen(text.c_str()));
      args.push_back(text);
    }
    LocalFree(wide);
    return args;
  }
#endif
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  return args;
}

}  // namespace

int main(int argc, char** argv) {
#if defined(_WIN32)
  SetConsoleOutputCP(CP_UTF8);
#endif
  const std::vector<std::string> args = utf8Arguments(argc, argv);
  if (args.empty()) return usageError("nothing to do");
  if (args[0] == "--help" || args[0] == "-h") {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (args[0] == "--list") return list();
  if (lower(args[0]) == "table") return table(args);
  if (lower(args[0]) == "state") return vlm::cli::stateCommand(args);
  return call(args);
}
