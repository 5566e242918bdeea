// The state interface's entry points: settings from the caller or the defaults, the
// floating-point guard, and the rule that *out is written only on success.
#include <cmath>
#include <string>

#include "faces/fp_environment.hpp"
#include "solvers/fill.hpp"
#include "solvers/solve.hpp"
#include "velmora.h"
#include "vlm/codepage.hpp"
#include "vlm/error_messages.hpp"

namespace {

using namespace vlm;
using namespace vlm::state;

// The exports' defaults.
constexpr vlm_settings kDefaults = {1, 1000, 0.0001, 800.0, 10.0, 1.0};

// Every field but the transport ones, which are NaN where their equations do not apply.
// x - x is 0 for a finite x and NaN for an infinite or NaN one, so one comparison tells.
bool finite(const vlm_state& s) {
  double sum = 0;
  for (double value : {s.p, s.T, s.rho, s.v, s.u, s.h, s.s, s.cp, s.cv, s.w, s.x}) sum += value - value;
  return sum == 0;
}

// Runs one solve with the caller's traps masked and the caller's environment restored
// afterwards; a trap the caller had unmasked, an exception or a result that is not finite
// gives code 1.
template <class Solve>
int run(const vlm_settings* settings, vlm_state* out, const Solve& solve) {
  if (!out) return kOutOfRange;
  const vlm_settings& s = settings ? *settings : kDefaults;
  const Config config{s.check_range != 0,   s.max_iteration,      s.delta_pressure,
                      s.init_water_density, s.init_steam_density, s.delta_ts};
  vlm_state state{};
  int code = kNoError;
  {
    vlm::frame::FpEnvironment environment;
    try {
      code = solve(config, state);
    } catch (...) {
      code = kFloatFault;
    }
    if (environment.callerWouldHaveTrapped()) code = kFloatFault;
    // Still in the guard: comparing a denormal value raises the denormal-operand flag.
    if (code == kNoError && !finite(state)) code = kFloatFault;
  }
  if (code == kNoError) *out = state;
  return code;
}

}  // namespace

extern "C" {

VELMORA_API void vlm_default_settings(vlm_settings* out) {
  if (out) *out = kDefaults;
}

VELMORA_API int vlm_state_pt(double p, double T, const vlm_settings* cfg, vlm_state* out) {
  return run(cfg, out, [&](const Config& c, vlm_state& s) { return statePT(p, T, c, s); });
}
VELMORA_API int vlm_state_ph(double p, double h, const vlm_settings* cfg, vlm_state* out) {
  return run(cfg, out, [&](const Config& c, vlm_state& s) { return statePH(p, h, c, s); });
}
VELMORA_API int vlm_state_ps(double p, double s, const vlm_settings* cfg, vlm_state* out) {
  return run(cfg, out, [&](const Config& c, vlm_state& st) { return statePS(p, s, c, st); });
}
VELMORA_API int vlm_state_hs(double h, double s, const vlm_settings* cfg, vlm_state* out) {
  return run(cfg, out, [&](const Config& c, vlm_state& st) { return stateHS(h, s, c, st); });
}
VELMORA_API int vlm_state_tx(double T, double x, const vlm_settings* cfg, vlm_state* out) {
  return run(cfg, out, [&](const Config& c, vlm_state& s) { return stateTX(T, x, c, s); });
}
VELMORA_API int vlm_state_px(double p, double x, const vlm_settings* cfg, vlm_state* out) {
  return run(cfg, out, [&](const Config& c, vlm_state& s) { return statePX(p, x, c, s); });
}

VELMORA_API const char* vlm_error_text(int code, int russian) {
  // Converted once from the library's own table (Windows-1251) on first use.
  static const struct Texts {
    std::string text[2][vlm::kErrorCodeCount];
    Texts() {
      for (int language = 0; language < 2; ++language) {
        for (int c = 0; c < vlm::kErrorCodeCount; ++c)
          text[language][c] = vlm::codepage::cp1251ToUtf8(vlm::kErrorMessages[language][c]);
      }
    }
  } texts;
  if (code < 0 || code >= vlm::kErrorCodeCount) return "";
  return texts.text[russian ? 1 : 0][code].c_str();
}

}  // extern "C"
