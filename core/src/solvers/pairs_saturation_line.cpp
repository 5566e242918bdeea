// Wet steam from its dryness and h or s: a search along the saturation line in T, from the
// coldest state up, so that where two states have the value (h near the maximum of h'',
// for x close to 1) the colder one, at the lower pressure, is found.
#include <cmath>
#include <cstddef>
#include <iterator>

#include "equations/constants.hpp"
#include "properties/limits.hpp"
#include "solvers/fill.hpp"
#include "solvers/further.hpp"
#include "solvers/line_search.hpp"
#include "solvers/solve.hpp"

namespace vlm::state {
namespace {

// The highest temperature whose saturated phases differ and the lowest where they are one.
struct Merge {
  double distinct, one;
};
Merge mergeOfPhases(const Config& cfg) {
  Merge m{647.09, constants::Tcritical};
  for (int k = 0; k < 60; ++k) {
    const double t = 0.5 * (m.distinct + m.one);
    Saturation sat;
    if (saturation(t, cfg, sat) != kNoError) break;
    (sat.liquid.v < sat.vapour.v ? m.distinct : m.one) = t;
  }
  return m;
}

}  // namespace

Code stateOnSaturationLine(double target, double x, Along given, const Config& cfg, vlm_state& out) {
  if (limits::brokenDryness(x) || !std::isfinite(target)) return kOutOfRange;
  Code failed = kNoError;
  const auto at = [&](double t) {
    Saturation sat;
    if (const Code code = saturation(t, cfg, sat)) {
      failed = code;
      return Sample{NAN, NAN};
    }
    const LineSlopes liquid = lineSlopes(t, sat, 0), vapour = lineSlopes(t, sat, 1);
    if (given == Along::H) return Sample{(1 - x) * sat.liquid.h + x * sat.vapour.h, (1 - x) * liquid.h + x * vapour.h};
    return Sample{(1 - x) * sat.liquid.s + x * sat.vapour.s, (1 - x) * liquid.s + x * vapour.s};
  };
  // From the lowest saturation temperature the (p, x) states reach, in stretches short enough
  // that each holds at most one turning point (the mixture's s has two for x around 0.5: near
  // 390 K and next to the critical point), the last two meeting where the equations' two
  // phases become one, a few 1e-5 K below the critical point, and every quantity jumps.
  static const double tLow = tSat(constants::pMin);
  static const Merge merge = mergeOfPhases(cfg);
  const double knots[] = {
      300, 350, 400, 450, 500, 550, 600, 625, 640, 645, 647, 647.09, merge.distinct, merge.one, constants::Tcritical};
  double lo = tLow, t = 0;
  bool found = false;
  for (std::size_t k = 0; k < std::size(knots) && !found && !failed; ++k) {
    // Not across the jump, which brackets no state.
    if (lo != merge.distinct) found = firstOnStretch(at, lo, knots[k], target, true, t);
    lo = knots[k];
  }
  if (failed) return failed;
  if (!found) return kOutOfRange;
  return stateTX(t, x, cfg, out, false);
}

}  // namespace vlm::state
