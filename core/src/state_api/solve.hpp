// The state from pairs other than (p, T): the region from the boundary lines, a start from
// the backward equations, then Newton on the forward equations.
#pragma once

#include <cmath>

#include "state_api/physics.hpp"
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

// Newton converges quadratically: after the steps `previous` and `step` the next one would
// be about step^3 / previous^2.  Where that is a thousandth of the tolerance, the point the
// step reached is as good as one more evaluation would make it.  False after a first step
// (previous NaN).
inline bool nextStepNegligible(double previous, double step, double tolerance) {
  const double ratio = step / previous;
  return std::fabs(step * ratio * ratio) <= 1e-3 * tolerance;
}

Code statePT(double p, double t, const Config& cfg, vlm_state& out);
Code statePX(double p, double x, const Config& cfg, vlm_state& out);
Code statePH(double p, double h, const Config& cfg, vlm_state& out);
Code statePS(double p, double s, const Config& cfg, vlm_state& out);
Code stateHS(double h, double s, const Config& cfg, vlm_state& out);

}  // namespace vlm::state
