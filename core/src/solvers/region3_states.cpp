// Region 3 states in the equation's own variables, density and T: at both, by Newton in T
// along an isochore on u (its slope cv) or p (its slope (dp/dT) at constant density), both
// rising with T, or by Newton in density along an isotherm on s (falling with density).
#include <cmath>
#include <initializer_list>

#include "equations/constants.hpp"
#include "solvers/fill.hpp"
#include "solvers/line_search.hpp"
#include "solvers/physics.hpp"
#include "solvers/solve.hpp"

namespace vlm::state {

using namespace constants;

// The point stands where it lies in region 3 clear of its boundaries and is the stable
// state of its (p, T): above the critical temperature every such point is; below it, clear of
// the saturation line, the density the region's own (p, T) solution gives must be this one
// (not a metastable point of the dome).
bool region3At(double rho, double t, const Config& cfg, vlm_state& out, double givenP) {
  if (!(rho > 100.0 && rho < 770.0)) return false;  // region 3's densities
  const Helmholtz at = helmholtz(rho, t);
  // Clear of region 1 and 2 by 0.1 K and 0.1 % of p: their values and region 3's differ a
  // little at the boundaries, and there the searches give the neighbour's state.
  if (!(t >= T13 + 0.1 && t <= T25)) return false;
  int placed = 0;
  for (const double f : {1.0 - 1e-3, 1.0 + 1e-3}) {
    if (regionPT(at.p * f, t, cfg, placed) != kNoError || placed != 3) return false;
  }
  if (t < Tcritical) {
    // Clear of the saturation line, whose saturated phases are wet steam's ends.
    if (!(std::fabs(at.p - pSat(t)) > 1e-6 * at.p)) return false;
    double stable = 0;
    if (density3(at.p, t, cfg, stable) != kNoError || !(std::fabs(stable - rho) <= 1e-9 * rho)) return false;
  }
  // A given pressure stays as given (the equation's carries its rounding).
  fillSingle(3, std::isnan(givenP) ? at.p : givenP, t, at, cfg, out);
  return true;
}

bool onRegion3Isochore(double rho, Isochore given, double target, const Config& cfg, vlm_state& out) {
  if (!(rho > 100.0 && rho < 770.0)) return false;
  double t = 700.0, previous = HUGE_VAL;
  for (int k = 0; k < 20; ++k) {
    const Helmholtz e = helmholtz(rho, t);
    const double step = given == Isochore::U ? (e.u - target) / e.cv : (e.p - target) / e.dpdt;
    if (!std::isfinite(step)) return false;
    t = std::fmin(std::fmax(t - step, T13), T25);
    const double size = std::fabs(step) / t;
    if (line::newtonDone(size, previous)) return region3At(rho, t, cfg, out, given == Isochore::P ? target : NAN);
    previous = size;
  }
  return false;
}

bool onRegion3Isotherm(double t, double s, const Config& cfg, vlm_state& out) {
  if (!(t >= T13 + 0.1 && t <= T25)) return false;
  double rho = 322.0, previous = HUGE_VAL;
  for (int k = 0; k < 20; ++k) {
    const Helmholtz e = helmholtz(rho, t);
    const double step = (e.s - s) / (-e.dpdt / (rho * rho));  // ds/drho = -(dp/dT) / rho^2
    if (!std::isfinite(step)) return false;
    const double next = std::fmin(std::fmax(rho - step, 100.0), 770.0);
    const double size = std::fabs(next - rho) / next;
    rho = next;
    if (line::newtonDone(size, previous)) return region3At(rho, t, cfg, out);
    previous = size;
  }
  return false;
}

}  // namespace vlm::state
