#include "chart_command.hpp"

#include <cstdio>
#include <optional>

#include "chart_lines.hpp"
#include "chart_svg.hpp"
#include "commands.hpp"
#include "numbers.hpp"
#include "state_table.hpp"
#include "vlm/error_messages.hpp"

namespace vlm::cli {
namespace {

std::string formatted(const char* format, double value) {
  char text[48];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

// The text beside the marked state: where it is, in the chart's units.
std::string describe(const vlm_state& s) {
  std::string text = formatted("%.4g MPa", s.p / 1e6) + ", " + formatted("%.4g \u00b0C", s.T - 273.15) + ", h " +
                     formatted("%.5g kJ/kg", s.h / 1e3) + ", s " + formatted("%.4g kJ/(kg\u00b7K)", s.s / 1e3);
  if (s.region == 4) text += ", x " + formatted("%.3g", s.x);
  return text;
}

bool writeFile(const std::string& path, const std::string& content) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace

int chartCommand(const std::vector<std::string>& args) {
  using vlmprop::usageError;
  std::optional<chart::Kind> kind;
  std::string output;
  const Pair* pair = nullptr;
  vlmprop::Number a, b;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "-o") {
      if (i + 1 >= args.size() || args[i + 1].empty()) return usageError("chart: -o needs a file name");
      output = args[++i];
    } else if (arg == "--state") {
      if (i + 3 >= args.size()) return usageError("chart: --state needs a pair and two numbers");
      pair = findPair(args[i + 1]);
      if (pair == nullptr) return usageError("chart: no pair named " + args[i + 1]);
      a = vlmprop::parseNumber(args[i + 2]);
      b = vlmprop::parseNumber(args[i + 3]);
      if (!a.ok()) return usageError(vlmprop::numberError(a.error, args[i + 2]));
      if (!b.ok()) return usageError(vlmprop::numberError(b.error, args[i + 3]));
      i += 3;
    } else if (!kind && arg.rfind("-", 0) != 0) {
      kind = chart::findKind(vlmprop::lower(arg));
      if (!kind) return usageError("chart: no chart named " + arg + " (ts, hs, ph or pt)");
    } else {
      return usageError("chart: unexpected argument " + arg);
    }
  }
  if (!kind) return usageError("chart needs a kind: ts, hs, ph or pt");
  if (output.empty()) return usageError("chart needs -o FILE.svg");

  vlm_state state;
  if (pair != nullptr) {
    const int code = pair->solve(a.value, b.value, nullptr, &state);
    if (code != 0) {
      std::fprintf(stderr, "%s\n", vlm_error_text(code, currentLanguage() == Language::Russian));
      return 1;
    }
  }
  const chart::Chart chart = chart::makeChart(*kind, pair != nullptr ? &state : nullptr);
  if (!writeFile(output, chart::renderSvg(chart, pair != nullptr ? describe(state) : ""))) {
    std::fprintf(stderr, "vlmprop: cannot write %s\n", output.c_str());
    return 1;
  }
  return 0;
}

}  // namespace vlm::cli
