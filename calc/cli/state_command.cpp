#include "state_command.hpp"

#include <cmath>
#include <cstdio>
#include <string_view>

#include "numbers.hpp"
#include "state_table.hpp"
#include "velmora.h"
#include "vlm/error_messages.hpp"

namespace vlm::cli {
namespace {

constexpr const char* kUsage =
    "usage: vlmprop state PAIR A B [--json] [--no-range-check] [--formulation if97|iapws95]\n"
    "  PAIR  pt, ph, ps, hs, tx, px, pv, tv, th, ts, uv, hx or sx; A and B in SI units (Pa, K, m3/kg,\n"
    "        J/kg, J/(kg K), x from 0 to 1)\n";

int usage(const std::string& message) {
  std::fprintf(stderr, "vlmprop: %s\n%s", message.c_str(), kUsage);
  return 2;
}

std::string shown(double value) {
  if (std::isnan(value)) return "null";
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.15g", value);
  return buffer;
}

}  // namespace

int stateCommand(std::vector<std::string> args) {
  int formulation = VLM_IF97;
  std::string wrong;
  if (!takeFormulation(args, 1, &formulation, &wrong)) return usage(wrong);
  bool json = false;
  vlm_settings settings;
  vlm_default_settings(&settings);
  std::vector<std::string> positional;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--json") {
      json = true;
    } else if (args[i] == "--no-range-check") {
      settings.check_range = 0;
    } else {
      positional.push_back(args[i]);
    }
  }
  if (positional.size() != 3) return usage("state needs a pair and two numbers");
  const Pair* pair = findPair(positional[0]);
  if (pair == nullptr) return usage("no pair named " + positional[0]);
  // Numbers as every other vlmprop command reads them: no nan, inf or hexadecimal, and
  // nothing beyond a double's range.
  const vlmprop::Number a = vlmprop::parseNumber(positional[1]), b = vlmprop::parseNumber(positional[2]);
  if (!a.ok()) return usage(vlmprop::numberError(a.error, positional[1]));
  if (!b.ok()) return usage(vlmprop::numberError(b.error, positional[2]));

  vlm_state_ex state;
  const int code = pair->solve(a.value, b.value, &settings, state, formulation);
  if (code != 0) {
    std::fprintf(stderr, "%s\n", vlm_error_text(code, currentLanguage() == Language::Russian));
    return 1;
  }
  if (json) {
    std::printf("{\"region\": %d", state.state.region);
    for (const auto& f : stateFields()) std::printf(", \"%s\": %s", f.name, shown(f.of(state)).c_str());
    std::printf("}\n");
  } else {
    std::printf("%-13s %d\n", "region", state.state.region);
    for (const auto& f : stateFields()) {
      if (!std::isnan(f.of(state))) std::printf("%-13s %-22s %s\n", f.name, shown(f.of(state)).c_str(), f.unit);
    }
  }
  return 0;
}

}  // namespace vlm::cli
