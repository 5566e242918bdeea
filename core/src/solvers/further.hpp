// First derivatives of a state, computed from its equation's own derivatives: any partial
// derivative (d of / d wrt) at constant `held` among p, T, v, rho, u, h, s, g and f, and the
// further properties built from them.  A single-phase state varies in (T, p); wet steam in
// (T, x), its pressure tied to T along the saturation line (Clapeyron).
#pragma once

#include "solvers/fill.hpp"
#include "solvers/physics.hpp"
#include "velmora.h"

namespace vlm::state {

enum class Quantity { P, T, V, Rho, U, H, S, G, F };
inline constexpr int kQuantities = 9;

// The quantity of a name ("p", "T", "v", "rho", "u", "h", "s", "g", "f"): false for any other.
bool quantityNamed(const char* name, Quantity& q);

// Each quantity's derivatives in the state's two free variables.
struct Differentials {
  double d[kQuantities][2];
  const double* operator[](Quantity q) const { return d[static_cast<int>(q)]; }
};

// From a state the library gave (its region, p, T, rho, x and caloric fields).
Code differentials(const vlm_state& st, const Config& cfg, Differentials& out);

// The slopes in T of a saturated phase's v, h and s (phase 0 the liquid, 1 the vapour) along
// the saturation line, its pressure following T.
struct LineSlopes {
  double v, h, s;
};
LineSlopes lineSlopes(double t, const Saturation& sat, int phase);

// The differentials of a single-phase state from its volume's slopes in (T, p) and cp, and of
// wet steam from its saturated phases and the line's dp/dT, whatever equations gave them.
void singlePhaseDifferentials(const vlm_state& st, const VolumeSlopes& sl, Differentials& d);
struct PhaseOnLine {
  double v, h, s;
  LineSlopes along;
};
void wetDifferentials(const vlm_state& st, double dpdt, const PhaseOnLine& liquid, const PhaseOnLine& vapour,
                      Differentials& d);

// (d of / d wrt) at constant held: NaN where held and wrt do not vary independently (in wet
// steam, T at constant p).
double partial(const Differentials& d, Quantity of, Quantity wrt, Quantity held);

// g, f, z, alpha_v, kappa_t, alpha_p, the Joule-Thomson and isothermal throttling coefficients;
// z with the gas constant of the equations that gave the state (J/(kg K)).
void fillFurther(const vlm_state& st, const Differentials& d, double gasConstant, vlm_state_ex& out);

}  // namespace vlm::state
