// Every field of a state from its region and temperature: the single-phase states as the
// (p, T) exports compute them, wet steam as the saturated-phase and wet-steam exports do.
#pragma once

#include "solvers/physics.hpp"
#include "velmora.h"

namespace vlm::state {

// The thermodynamic fields of a single-phase state whose caloric properties are known (rho
// from v), the transport ones NaN.
void fillCaloric(int region, double p, double t, const CaloricSet& c, vlm_state& out);

// A single-phase state whose caloric properties are known; rho from v.
void fillSingle(int region, double p, double t, const CaloricSet& c, const Config& cfg, vlm_state& out);

// The single-phase state at (p, T) in `region` (region 3 solves its density from the
// exports' start density).
Code statePT(int region, double p, double t, const Config& cfg, vlm_state& out);

// The range check of a solved single-phase state, and the region its (p, T) lies in.  A
// state solved at a range limit lands within rounding of it, on either side: one outside by
// no more than that is moved onto the limit (and recomputed there) rather than refused.
Code checkSolved(const Config& cfg, vlm_state& out, int& region);

// Both saturated phases at T, as the saturated-phase exports compute them (region 3's
// densities from the start densities of the phases), with the saturation pressure.
struct Saturation {
  double ps;
  CaloricSet liquid, vapour;
};
Code saturation(double t, const Config& cfg, Saturation& out);
// The same where only v, u, h and s are asked for: up to 623.15 K cp, cv and w are NaN and
// the phases take half the sums (a search along the line, before its state is filled).
Code saturationWithoutSlopes(double t, const Config& cfg, Saturation& out);

// Region 3's density at (p, T) on the liquid or the vapour side of the isotherm's loop (where
// the pressure meets only one side, that one), to the last bit: near the critical point a
// pressure tolerance fixes neither the density nor the root it converges to.
double densityOnBranch(double p, double t, bool liquid);

// The fields of a saturated phase that wet steam mixes (transport NaN where not computed),
// and wet steam at (T, p) of dryness x mixed from them, every field linearly in x, with the
// surface tension sigma.
struct PhaseFields {
  double v, u, s, h, cp, cv, w, lambda, eta, nu, prandtl, kappa;
};
void fillMixed(double t, double p, double x, const PhaseFields& liquid, const PhaseFields& vapour, double sigma,
               vlm_state& out);

// Wet steam at T of dryness x from its two saturated phases, every field mixed linearly in x
// as the wet-steam exports mix them (the transport ones only where the settings ask for them).
void fillWet(double t, double x, const Saturation& sat, const Config& cfg, vlm_state& out);

// checkT: refuse (while checking) a temperature outside 273.16 K to the critical point; the
// state from p (down to 611.213 Pa, 273.15 K) checks p instead.
Code stateTX(double t, double x, const Config& cfg, vlm_state& out, bool checkT = true);

}  // namespace vlm::state
