// The transport properties that go with the scientific formulation: the viscosity of 2008
// and the thermal conductivity of 2011, both with their critical enhancement (which takes
// the compressibility, cp and cv from IAPWS-95), and the surface tension of 2014.  Density
// rho in kg/m3, T in K; Pa s, W/(m K), N/m.  Plain evaluation: ranges are the caller's.
#pragma once

namespace vlm::iapws95 {

// Both at a state whose cp, cv (J/(kg K)) and (dp/drho)_T (Pa m3/kg) its caller has.
struct Transport {
  double viscosity, conductivity;
};
Transport transport(double rho, double t, double cp, double cv, double dpdr);

// enhanced = false leaves the critical enhancement out (the releases' background tables).
double viscosity(double rho, double t, bool enhanced = true);
double conductivity(double rho, double t, bool enhanced = true);
double surfaceTension(double t);  // NaN above the critical temperature

}  // namespace vlm::iapws95
