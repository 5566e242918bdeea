// vlmprop table: the rows the calculator shows for one state, through its model.
#include <algorithm>
#include <climits>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "commands.hpp"
#include "numbers.hpp"
#include "vlm/calc/calculator.hpp"
#include "vlm/calc/settings.hpp"
#include "vlm/codepage.hpp"

namespace vlmprop {
namespace {

using namespace vlm::calc;
namespace cp = vlm::codepage;

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

}  // namespace

int table(const Args& args) {
  std::vector<std::string> positional;
  std::optional<int> phase;
  std::optional<int> digits;
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
      const auto v = value();
      // The dialog brings any count into its range; on a command line it is a mistake.
      const Number number = v ? parseNumber(*v) : Number{};
      if (!number.ok() || !isInteger(number.value) || clampDigits(static_cast<int>(number.value)) != number.value) {
        return usageError("--digits needs a whole number from " + std::to_string(clampDigits(INT_MIN)) + " to " +
                          std::to_string(clampDigits(INT_MAX)) + (v ? ", not " + *v : std::string()));
      }
      digits = static_cast<int>(number.value);
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
  // The calculator as it starts, read-only: close() is never called, so nothing is written.
  Calculator calculator;
  calculator.tabSelected(id::kModeTabs, *mode);
  // What the mode takes and shows is the model's: its argument fields, phase tabs and rows.
  const bool twoArguments = calculator.visible(id::kArgument2Edit);
  const bool saturation = calculator.visible(id::kPhaseTabs);
  const std::size_t wanted = twoArguments ? 5 : 3;
  if (positional.size() != wanted) {
    return usageError(std::string("mode ") + cp::cp1251ToUtf8(text::kModeTabs[static_cast<std::size_t>(*mode)]) +
                      " needs " + (twoArguments ? "two arguments, each with its unit" : "one argument with its unit"));
  }
  if (phase) calculator.tabSelected(id::kPhaseTabs, *phase);
  const int edits[] = {id::kArgument1Edit, id::kArgument2Edit};
  const int lists[] = {id::kArgument1Unit, id::kArgument2Unit};
  const int labels[] = {id::kArgument1Label, id::kArgument2Label};
  for (std::size_t k = 0; k < (twoArguments ? 2u : 1u); ++k) {
    const std::string& number = positional[1 + 2 * k];
    const std::string& unit = positional[2 + 2 * k];
    if (const Number parsed = parseNumber(number); !parsed.ok()) return usageError(numberError(parsed.error, number));
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
  if (digits) calculator.digitDialogOk(std::to_string(*digits));
  if (noRangeCheck) calculator.toggleRangeCheck();

  const bool russian = calculator.language() == Language::Russian;
  const bool psTemperature = calculator.unitQuantity(rowInfo(Row::Ps).unitId) == Quantity::Temperature;
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
  const bool anyFailed = std::any_of(lines.begin(), lines.end(), [](const Line& line) { return line.error; });
  const std::string modeText = cp::cp1251ToUtf8(text::kModeTabs[static_cast<std::size_t>(*mode)]);
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
    return anyFailed ? 1 : 0;
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
  return anyFailed ? 1 : 0;
}

}  // namespace vlmprop
