// The quantities derived from others, computed here and nowhere else: the exports of single
// phases and of saturated phases, and the state interface, all take them from these.
#pragma once

namespace vlm::derived {

// Kinematic viscosity, m2/s, from the specific volume and the dynamic viscosity.
inline double kinematicViscosity(double v, double eta) { return v * eta; }

// Prandtl number from the isobaric heat capacity, the dynamic viscosity and the conductivity.
inline double prandtl(double cp, double eta, double lambda) { return cp * eta / lambda; }

// Isentropic exponent w^2 / (p v) from the speed of sound, the specific volume and the pressure.
inline double isentropicExponent(double w, double v, double p) { return w * w / (v * p); }

}  // namespace vlm::derived
