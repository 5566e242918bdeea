// The state from pairs other than (p, T): the region from the boundary lines, a start from
// the backward equations, then Newton on the forward equations.
#pragma once

#include <cmath>

#include "properties/limits.hpp"
#include "solvers/physics.hpp"
#include "velmora.h"

namespace vlm::state {

// The solves find every state of the range (the round-trip tests hold them to it).  With the
// range checked, a pair they cannot place even with the library's own solver settings lies
// outside it: the caller learns that, rather than the fault or the failed iteration the search
// ran into out there.  With the caller's settings failing but the defaults succeeding, the
// caller's failure stands.
template <class Solve>
Code placedOrOutside(const Config& cfg, vlm_state& out, const Solve& solve) {
  const Code code = solve(cfg, out);
  if (!cfg.checkRange || (code != kFloatFault && code != kNoRoot)) return code;
  vlm_state probe;
  return solve(Config{}, probe) == kNoError ? code : kOutOfRange;
}

// When Newton on two unknowns is done: both steps within their tolerances, or both next
// steps negligible.  Newton converges quadratically, so after the steps d0 and d1 the next
// one would be about d1^3 / d0^2; where that is a thousandth of the tolerance, the point d1
// reached is as good as one more evaluation would make it.
class NewtonStop {
 public:
  bool done(double a, double toleranceA, double b, double toleranceB) {
    const bool within = std::fabs(a) <= toleranceA && std::fabs(b) <= toleranceB;
    // No comparison may meet a NaN on a valid path: it would raise the invalid flag, which a
    // caller with that trap unmasked sees as a fault.
    const bool negligible =
        steps_ > 0 && negligibleNext(previousA_, a, toleranceA) && negligibleNext(previousB_, b, toleranceB);
    previousA_ = a;
    previousB_ = b;
    ++steps_;
    return within || negligible;
  }

 private:
  static bool negligibleNext(double previous, double step, double tolerance) {
    if (previous == 0.0) return step == 0.0;
    const double ratio = step / previous;
    return std::fabs(step * ratio * ratio) <= 1e-3 * tolerance;
  }

  double previousA_ = 0, previousB_ = 0;
  int steps_ = 0;
};

// The quantity given beside the pressure.
enum class Given { H, S };

// The state on the isobar p whose h (or s) is the target.  A target beyond every state of
// the isobar gives code 2 with side -1 (below) or 1 (above).
Code solveOnIsobar(double p, double target, Given g, const Config& cfg, vlm_state& out, int& side);

// Where a target lies beyond every state of its isobar (code 2 with a side), the end of the
// isobar it passed as a limit of h or s: true and `limit` filled, else false.
bool isobarLimit(double p, double target, Given g, const Config& cfg, limits::Limit& limit);

// The quantity given beside a temperature or a dryness in the pairs solved along one line of
// states.
enum class Along { V, H, S };

// The state on the isotherm t whose v, h or s is the target: wet steam where the target
// lies between the saturated phases' values, else the one of lowest pressure.
Code stateOnIsotherm(double t, double target, Along given, const Config& cfg, vlm_state& out);

// Wet steam of dryness x whose h or s is the target: the one of lowest temperature.
Code stateOnSaturationLine(double target, double x, Along given, const Config& cfg, vlm_state& out);

// Whether v, h or s at T (up to 645 K) may lie between the saturated phases' values, from the
// line's knots without computing it; true above 645 K.
bool maybeWet(double t, Along given, double target);

// Wet steam of internal energy u and volume v below 645 K, clear of the dome's edges; false
// where it finds none.
bool wetUV(double u, double v, const Config& cfg, vlm_state& out);

// Wet steam where v lies between the saturated phases' volumes, else the hottest state of
// the isobar with that volume.
Code statePV(double p, double v, const Config& cfg, vlm_state& out);

// The region 3 state of density rho (at T, or where its u or p is the target), or of T and s,
// clear inside region 3 and stable; false where it finds none.
enum class Isochore { U, P };
bool region3At(double rho, double t, const Config& cfg, vlm_state& out, double givenP = NAN);
bool onRegion3Isochore(double rho, Isochore given, double target, const Config& cfg, vlm_state& out);
bool onRegion3Isotherm(double t, double s, const Config& cfg, vlm_state& out);

// The state of internal energy u and volume v: u rises with T along the isochore.
Code stateUV(double u, double v, const Config& cfg, vlm_state& out);

Code statePT(double p, double t, const Config& cfg, vlm_state& out);
Code statePX(double p, double x, const Config& cfg, vlm_state& out);
Code statePH(double p, double h, const Config& cfg, vlm_state& out);
Code statePS(double p, double s, const Config& cfg, vlm_state& out);
Code stateHS(double h, double s, const Config& cfg, vlm_state& out);

}  // namespace vlm::state
