#include "state_command.hpp"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "velmora.h"
#include "vlm/error_messages.hpp"

namespace vlm::cli {
namespace {

using Solve = int (*)(double, double, const vlm_settings*, vlm_state*);

struct Pair {
  const char* name;
  Solve solve;
};
const Pair kPairs[] = {{"pt", vlm_state_pt}, {"ph", vlm_state_ph}, {"ps", vlm_state_ps},
                       {"hs", vlm_state_hs}, {"tx", vlm_state_tx}, {"px", vlm_state_px}};

// Every field with its unit, in the order of the state structure.
struct Field {
  const char* name;
  double vlm_state::*member;
  const char* unit;
};
const Field kFields[] = {
    {"p", &vlm_state::p, "Pa"},        {"T", &vlm_state::T, "K"},           {"rho", &vlm_state::rho, "kg/m3"},
    {"v", &vlm_state::v, "m3/kg"},     {"u", &vlm_state::u, "J/kg"},        {"h", &vlm_state::h, "J/kg"},
    {"s", &vlm_state::s, "J/(kg K)"},  {"cp", &vlm_state::cp, "J/(kg K)"},  {"cv", &vlm_state::cv, "J/(kg K)"},
    {"w", &vlm_state::w, "m/s"},       {"x", &vlm_state::x, "-"},           {"lambda", &vlm_state::lambda, "W/(m K)"},
    {"eta", &vlm_state::eta, "Pa s"},  {"nu", &vlm_state::nu, "m2/s"},      {"prandtl", &vlm_state::prandtl, "-"},
    {"kappa", &vlm_state::kappa, "-"}, {"sigma", &vlm_state::sigma, "N/m"},
};

constexpr const char* kUsage =
    "usage: vlmprop state PAIR A B [--json] [--no-range-check]\n"
    "  PAIR  pt, ph, ps, hs, tx or px; A and B in SI units (Pa, K, J/kg, J/(kg K), x from 0 to 1)\n";

int usage(const std::string& message) {
  std::fprintf(stderr, "vlmprop: %s\n%s", message.c_str(), kUsage);
  return 2;
}

bool number(const std::string& text, double& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  value = std::strtod(text.c_str(), &end);
  return *end == '\0';
}

std::string shown(double value) {
  if (std::isnan(value)) return "null";
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.15g", value);
  return buffer;
}

}  // namespace

int stateCommand(const std::vector<std::string>& args) {
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
  const Pair* pair = nullptr;
  for (const auto& candidate : kPairs) {
    if (positional[0] == candidate.name) pair = &candidate;
  }
  if (pair == nullptr) return usage("no pair named " + positional[0]);
  double a = 0, b = 0;
  if (!number(positional[1], a)) return usage("not a number: " + positional[1]);
  if (!number(positional[2], b)) return usage("not a number: " + positional[2]);

  vlm_state state;
  const int code = pair->solve(a, b, &settings, &state);
  if (code != 0) {
    std::fprintf(stderr, "%s\n", vlm_error_text(code, currentLanguage() == Language::Russian));
    return 1;
  }
  if (json) {
    std::printf("{\"region\": %d", state.region);
    for (const auto& f : kFields) std::printf(", \"%s\": %s", f.name, shown(state.*f.member).c_str());
    std::printf("}\n");
  } else {
    std::printf("%-8s %d\n", "region", state.region);
    for (const auto& f : kFields) {
      if (!std::isnan(state.*f.member)) std::printf("%-8s %-22s %s\n", f.name, shown(state.*f.member).c_str(), f.unit);
    }
  }
  return 0;
}

}  // namespace vlm::cli
