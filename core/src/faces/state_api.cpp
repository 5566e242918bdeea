// The state interface's entry points: settings from the caller or the defaults, the
// floating-point guard, and the rule that *out is written only on success.
#include <cmath>
#include <string>

#include "faces/caller_settings.hpp"
#include "faces/guard.hpp"
#include "faces/state_padding.hpp"
#include "solvers/fill.hpp"
#include "solvers/solve.hpp"
#include "velmora.h"
#include "vlm/codepage.hpp"
#include "vlm/error_messages.hpp"

namespace {

using namespace vlm;
using namespace vlm::state;

// Every field but the transport ones, which are NaN where their equations do not apply.
// x - x is 0 for a finite x and NaN for an infinite or NaN one, so one comparison tells.
bool finite(const vlm_state& s) {
  double sum = 0;
  for (double value : {s.p, s.T, s.rho, s.v, s.u, s.h, s.s, s.cp, s.cv, s.w, s.x}) sum += value - value;
  return sum == 0;
}

// Runs one solve in the exports' guard with the caller's settings (or the defaults); *out
// is written only on success.  The state is solved in place, not copied through the guard.
template <class Solve>
int run(const vlm_settings* settings, vlm_state* out, const Solve& solve) {
  if (!out) return kOutOfRange;
  const Config config = settings ? fromCaller(*settings) : Config{};
  vlm_state value{};
  const Outcome<bool> r = vlm::frame::guarded(
      [&](const Config& c) {
        return Outcome<bool>{true, solve(c, value)};
      },
      config, [&](bool) { return finite(value); });
  if (r.code == kNoError) {
    *out = value;
    frame::clearPadding(*out);
  }
  return r.code;
}

}  // namespace

extern "C" {

VELMORA_API void vlm_default_settings(vlm_settings* out) {
  if (!out) return;
  const Config d{};
  out->check_range = d.checkRange;
  out->max_iteration = d.maxIteration;
  out->delta_pressure = d.deltaPressure;
  out->init_water_density = d.initWaterDensity;
  out->init_steam_density = d.initSteamDensity;
  out->delta_ts = d.deltaTs;
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

VELMORA_API int vlm_state_pv(double p, double v, const vlm_settings* cfg, vlm_state* out) {
  return run(cfg, out, [&](const Config& c, vlm_state& s) { return statePV(p, v, c, s); });
}
VELMORA_API int vlm_state_tv(double T, double v, const vlm_settings* cfg, vlm_state* out) {
  return run(cfg, out, [&](const Config& c, vlm_state& s) { return stateOnIsotherm(T, v, Along::V, c, s); });
}
VELMORA_API int vlm_state_th(double T, double h, const vlm_settings* cfg, vlm_state* out) {
  return run(cfg, out, [&](const Config& c, vlm_state& s) { return stateOnIsotherm(T, h, Along::H, c, s); });
}
VELMORA_API int vlm_state_ts(double T, double s, const vlm_settings* cfg, vlm_state* out) {
  return run(cfg, out, [&](const Config& c, vlm_state& st) { return stateOnIsotherm(T, s, Along::S, c, st); });
}
VELMORA_API int vlm_state_uv(double u, double v, const vlm_settings* cfg, vlm_state* out) {
  return run(cfg, out, [&](const Config& c, vlm_state& s) { return stateUV(u, v, c, s); });
}
VELMORA_API int vlm_state_hx(double h, double x, const vlm_settings* cfg, vlm_state* out) {
  return run(cfg, out, [&](const Config& c, vlm_state& s) { return stateOnSaturationLine(h, x, Along::H, c, s); });
}
VELMORA_API int vlm_state_sx(double s, double x, const vlm_settings* cfg, vlm_state* out) {
  return run(cfg, out, [&](const Config& c, vlm_state& st) { return stateOnSaturationLine(s, x, Along::S, c, st); });
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
