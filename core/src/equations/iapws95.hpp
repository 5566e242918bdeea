// The scientific formulation of water (IAPWS-95): the dimensionless Helmholtz energy
// phi = f / (R T) of the reduced density delta = rho / rho_c and the inverse reduced
// temperature tau = T_c / T, its ideal-gas and residual parts with every first and second
// derivative, and the properties of a state given by (rho, T).  SI units.
#pragma once

namespace vlm::iapws95 {

// R T_c, rho_c and R of the formulation.
double criticalTemperature();  // K
double criticalDensity();      // kg/m3
double gasConstant();          // J/(kg K)

// A part of phi and its derivatives in delta (d) and tau (t).
struct Phi {
  double f, d, dd, t, tt, dt;
};
Phi ideal(double delta, double tau);
Phi residual(double delta, double tau);

// The properties of the state of density rho and temperature T.
struct Properties {
  double p, u, s, h, cv, cp, w;
};
Properties properties(double rho, double t);

// The pressure and Gibbs energy at (rho, T) with their slopes in rho: one Newton step.
struct PressureAndGibbs {
  double p, dpdr, g;  // dg/drho = dpdr / rho at constant T
};
PressureAndGibbs pressureAndGibbs(double rho, double t);

// The pressure at (rho, T) and its slope in rho, from the residual part alone.
struct PressureSlope {
  double p, dpdr;
};
PressureSlope pressure(double rho, double t);

// The density of pressure p at T by Newton from `start` (a density on the wanted side of
// the phase boundary); NaN where it does not converge.
double density(double p, double t, double start);

// The saturated phases at T (up to the critical temperature): the densities where pressure
// and Gibbs energy of both are equal, by Newton from the given densities (those of a nearby
// temperature, say) or, where they are 0, from the auxiliary equations'; NaNs where Newton
// does not converge.
struct Saturation {
  double p, liquid, vapour;
};
Saturation saturation(double t, double liquidStart = 0.0, double vapourStart = 0.0);

// The auxiliary equations of the saturation line (starting values only).
double auxiliaryLiquidDensity(double t);
double auxiliaryVapourDensity(double t);

}  // namespace vlm::iapws95
