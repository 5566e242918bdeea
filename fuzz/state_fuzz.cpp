// The state interface (velmora.h): each of its pairs with any arguments, any settings
// and a hostile caller floating-point environment.
//
// Input layout (bytes past the end read as the defaults):
//   u8   pair (pt, ph, ps, hs, tx, px, pv, tv, th, ts, uv, hx, sx, modulo 13); bit 7: pass no settings (the defaults)
//   u8   environment, as for the exports' target (rounding, unmasked traps, sticky flags)
//   f64  the two arguments
//   u8   range checking on (odd) or off (even)
//   i16  iteration cap
//   f64  delta pressure, initial water density, initial steam density, delta TS
//
// Invariants: the code is 0..4; a failure leaves the output untouched; a success gives a
// region 1..5, finite caloric fields and a dryness exactly in the two-phase region (within
// 0..1 where the range is checked);
// the caller's floating-point environment is exactly as it was.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <iterator>

#include "fuzz_input.hpp"
#include "support/caller_fp.hpp"
#include "velmora.h"

namespace {

using Solve = int (*)(double, double, const vlm_settings*, vlm_state*);
const Solve kPairs[] = {vlm_state_pt, vlm_state_ph, vlm_state_ps, vlm_state_hs, vlm_state_tx,
                        vlm_state_px, vlm_state_pv, vlm_state_tv, vlm_state_th, vlm_state_ts,
                        vlm_state_uv, vlm_state_hx, vlm_state_sx};

[[noreturn]] void fail(const char* what, int pair, double a, double b, int code) {
  std::fprintf(stderr, "%s: pair %d (%.17g, %.17g), code %d\n", what, pair, a, b, code);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const vlm::test::FpState initial = vlm::test::readFp();
  vlm::fuzz::Reader in(data, size);
  const uint8_t choice = in.next<uint8_t>(0);
  const int pair = (choice & 0x7f) % static_cast<int>(std::size(kPairs));
  const uint8_t environment = in.next<uint8_t>(0);
  const double a = in.next<double>(1e5), b = in.next<double>(300.0);
  vlm_settings cfg;
  vlm_default_settings(&cfg);
  cfg.check_range = in.next<uint8_t>(1) & 1;
  cfg.max_iteration = in.next<int16_t>(static_cast<int16_t>(cfg.max_iteration));
  cfg.delta_pressure = in.next<double>(cfg.delta_pressure);
  cfg.init_water_density = in.next<double>(cfg.init_water_density);
  cfg.init_steam_density = in.next<double>(cfg.init_steam_density);
  cfg.delta_ts = in.next<double>(cfg.delta_ts);

  const vlm::test::CallerFp caller = vlm::fuzz::callerFromByte(environment);
  const vlm::test::FpState callerState = vlm::test::callerState(initial, caller);

  vlm_state out, untouched;
  std::memset(&untouched, 0xA5, sizeof untouched);
  std::memcpy(&out, &untouched, sizeof out);
  vlm::test::writeFp(callerState);
  const int code = kPairs[pair](a, b, (choice & 0x80) ? nullptr : &cfg, &out);
  const vlm::test::FpState after = vlm::test::readFp();
  vlm::test::writeFp(initial);

  if (!(after == callerState)) fail("caller's floating-point environment changed", pair, a, b, code);
  if (code < 0 || code > 4) fail("code outside 0..4", pair, a, b, code);
  if (code != 0) {
    if (std::memcmp(&out, &untouched, sizeof out) != 0) fail("a failure wrote the output", pair, a, b, code);
    return 0;
  }
  if (out.region < 1 || out.region > 5) fail("region outside 1..5", pair, a, b, code);
  for (double v : {out.p, out.T, out.rho, out.v, out.u, out.h, out.s, out.cp, out.cv, out.w}) {
    if (!std::isfinite(v)) fail("non-finite caloric field on success", pair, a, b, code);
  }
  // Outside the two-phase region x is -1; inside it, a dryness, within 0..1 wherever the
  // range is checked (unchecked, a dryness outside it is taken as given).
  const bool checked = (choice & 0x80) || cfg.check_range;
  if (out.region != 4 ? out.x != -1 : !(std::isfinite(out.x) && (!checked || (out.x >= 0 && out.x <= 1))))
    fail("dryness against region", pair, a, b, code);
  return 0;
}
