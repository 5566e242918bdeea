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

// Both phases' h and s with their slopes along the line at T (index 0 the liquid).
struct Phases {
  Sample h[2], s[2];
};
Code phasesAt(double t, const Config& cfg, Phases& out) {
  Saturation sat;
  if (const Code code = saturation(t, cfg, sat)) return code;
  const CaloricSet* c[2] = {&sat.liquid, &sat.vapour};
  for (int k = 0; k < 2; ++k) {
    const LineSlopes along = lineSlopes(t, sat, k);
    out.h[k] = {c[k]->h, along.h};
    out.s[k] = {c[k]->s, along.s};
  }
  return kNoError;
}

// The line from the lowest saturation temperature the (p, x) states reach, in stretches short
// enough that each holds at most one turning point (the mixture's s has two for x around 0.5:
// near 390 K and next to the critical point), the last two meeting where the equations' two
// phases become one, a few 1e-5 K below the critical point, and every quantity jumps.  The
// phases at the knots are computed once, with the library's default settings: they only
// place the search, which runs with the caller's.
struct Knots {
  static constexpr int kCount = 16;
  double t[kCount];
  Phases at[kCount];
  int jump;  // the stretch from knot `jump` to the next crosses the jump
};

const Knots& knots() {
  static const Knots k = [] {
    const Config defaults{};
    Knots out{};
    double distinct = 647.09, one = constants::Tcritical;
    for (int n = 0; n < 60; ++n) {
      const double t = 0.5 * (distinct + one);
      Saturation sat;
      if (saturation(t, defaults, sat) != kNoError) break;
      (sat.liquid.v < sat.vapour.v ? distinct : one) = t;
    }
    const double t[Knots::kCount] = {
        tSat(constants::pMin), 300, 350, 400, 450, 500, 550, 600, 625, 640, 645, 647, 647.09, distinct, one,
        constants::Tcritical};
    for (int i = 0; i < Knots::kCount; ++i) {
      out.t[i] = t[i];
      phasesAt(t[i], defaults, out.at[i]);
    }
    out.jump = 13;
    return out;
  }();
  return k;
}

}  // namespace

Code stateOnSaturationLine(double target, double x, Along given, const Config& cfg, vlm_state& out) {
  if (limits::brokenDryness(x) || !std::isfinite(target)) return kOutOfRange;
  const Knots& line = knots();
  const auto mixed = [&](const Phases& ph) {
    const Sample* q = given == Along::H ? ph.h : ph.s;
    return Sample{(1 - x) * q[0].f + x * q[1].f, (1 - x) * q[0].df + x * q[1].df};
  };
  Code failed = kNoError;
  int k = 0;
  const auto at = [&](double t) {
    if (t == line.t[k]) return mixed(line.at[k]);
    if (t == line.t[k + 1]) return mixed(line.at[k + 1]);
    Phases ph;
    if (const Code code = phasesAt(t, cfg, ph)) {
      failed = code;
      return Sample{NAN, NAN};
    }
    return mixed(ph);
  };
  double t = 0;
  bool found = false;
  for (; k + 1 < Knots::kCount && !found && !failed; ++k) {
    if (k != line.jump) found = firstOnStretch(at, line.t[k], line.t[k + 1], target, true, t);
  }
  if (failed) return failed;
  if (!found) return kOutOfRange;
  return stateTX(t, x, cfg, out, false);
}

}  // namespace vlm::state
