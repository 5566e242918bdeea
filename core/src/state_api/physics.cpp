#include "state_api/physics.hpp"

#include <cmath>

#include "properties/boundaries.hpp"
#include "properties/single_phase.hpp"
#include "region1.hpp"
#include "region2.hpp"
#include "region3.hpp"
#include "region5.hpp"
#include "transport_equations.hpp"

namespace vlm::state {

CaloricSet gibbs(int region, double p, double t) {
  switch (region) {
    case 1:
      return region1::all(p, t);
    case 2:
      return region2::all(p, t);
    default:
      return region5::all(p, t);
  }
}

Helmholtz helmholtz(double r, double t) {
  Helmholtz e;
  static_cast<CaloricSet&>(e) = region3::all(r, t);
  const auto [p, dpdr] = region3::pressureAndSlope(r, t);
  e.p = p;
  e.dpdr = dpdr;
  // From cp - cv = T (dp/dT)^2 / (r^2 dp/dr); dp/dT at constant density is positive in region 3.
  e.dpdt = r * std::sqrt(std::fmax(e.cp - e.cv, 0.0) * e.dpdr / t);
  return e;
}

double dvdt(int region, double p, double t) {
  // A central difference: it only steers the Newton steps, whose result it does not enter.
  const double dt = 1e-4 * t;
  const auto v = region == 1 ? region1::v : region2::v;
  return (v(p, t + dt) - v(p, t - dt)) / (2 * dt);
}

Code regionPT(double p, double t, const Config& c, int& region) {
  const Outcome<int> r = props::region(c, p, t);
  if (!r.failed()) region = r.value;
  return static_cast<Code>(r.code);
}

Code density3(double p, double t, const Config& c, double r0, double& r) {
  const Result d = props::region3Density(c, p, t, r0);
  r = d.value;
  return static_cast<Code>(d.code);
}

Code density3(double p, double t, const Config& c, double& r) {
  const Result d = props::region3Density(c, p, t);
  r = d.value;
  return static_cast<Code>(d.code);
}

double t1PH(double p, double h) { return region1::tFromPH(p, h); }
double t1PS(double p, double s) { return region1::tFromPS(p, s); }

double pSat(double t) { return props::saturationPressureUnchecked(t).value; }
double tSat(double p) { return props::saturationTemperatureUnchecked(p).value; }
double p23(double t) { return props::b23PressureUnchecked(t).value; }
double t23(double p) { return props::b23TemperatureUnchecked(p).value; }

double conductivity(double r, double t) { return transport::thermalConductivity(r, t); }
double viscosity(double r, double t) { return transport::dynamicViscosity(r, t); }
double surfaceTension(double t) { return transport::surfaceTension(t); }

}  // namespace vlm::state
