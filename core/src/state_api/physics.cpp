#include "state_api/physics.hpp"

#include <cmath>

#include "constants.hpp"
#include "region1.hpp"
#include "region2.hpp"
#include "region3.hpp"
#include "region5.hpp"
#include "saturation.hpp"
#include "transport.hpp"

namespace vlm::state {
namespace {

using namespace constants;

template <class Equations>
Caloric all(double p, double t) {
  return {Equations::v(p, t),  Equations::u(p, t),  Equations::s(p, t), Equations::h(p, t),
          Equations::cp(p, t), Equations::cv(p, t), Equations::w(p, t)};
}

struct R1 {
  static constexpr auto v = region1::v, u = region1::u, s = region1::s, h = region1::h, cp = region1::cp,
                        cv = region1::cv, w = region1::w;
};
struct R2 {
  static constexpr auto v = region2::v, u = region2::u, s = region2::s, h = region2::h, cp = region2::cp,
                        cv = region2::cv, w = region2::w;
};
struct R5 {
  static constexpr auto v = region5::v, u = region5::u, s = region5::s, h = region5::h, cp = region5::cp,
                        cv = region5::cv, w = region5::w;
};

// The range the exports' region functions refuse while checking is on; NaN fails it.
bool insideGeneralRange(double p, double t) {
  if (!(t >= Ttriple)) return false;
  if (t > T5 && p > p5Max) return false;
  if (!(p >= pMin)) return false;
  if (p > pMax) return false;
  if (t > Tmax) return false;
  return true;
}

}  // namespace

Caloric gibbs(int region, double p, double t) {
  switch (region) {
    case 1:
      return all<R1>(p, t);
    case 2:
      return all<R2>(p, t);
    default:
      return all<R5>(p, t);
  }
}

Helmholtz helmholtz(double r, double t) {
  Helmholtz e;
  e.v = 1.0 / r;
  e.u = region3::u(r, t);
  e.s = region3::s(r, t);
  e.h = region3::h(r, t);
  e.cp = region3::cp(r, t);
  e.cv = region3::cv(r, t);
  e.w = region3::w(r, t);
  e.p = region3::p(r, t);
  e.dpdr = region3::dpdr(r, t);
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
  if (c.checkRange && !insideGeneralRange(p, t)) return kRange;
  if (t > T5) {
    region = 5;
  } else if (t > T25) {
    region = 2;
  } else if (t <= T13) {
    region = p > saturation::pressure(t) ? 1 : 2;
  } else if (p < p23Min) {
    region = 2;
  } else {
    region = p >= b23::pressure(t) ? 3 : 2;
  }
  return kOk;
}

Code density3(double p, double t, const Config& c, double r0, double& r) {
  r = r0;
  double residual = region3::p(r, t) - p;
  if (!std::isfinite(residual)) return kFault;
  for (int k = 0; k < c.maxIteration && std::fabs(residual) > c.deltaPressure; ++k) {
    const double slope = region3::dpdr(r, t);
    r -= residual / slope;
    residual = region3::p(r, t) - p;
    if (!std::isfinite(slope) || !std::isfinite(r) || !std::isfinite(residual)) return kFault;
  }
  return std::fabs(residual) <= c.deltaPressure ? kOk : kNoRoot;
}

Code density3(double p, double t, const Config& c, double& r) {
  const bool liquid = p > pCritical || t < saturation::temperature(p);
  return density3(p, t, c, liquid ? c.initWaterDensity : c.initSteamDensity, r);
}

double t1PH(double p, double h) { return region1::tFromPH(p, h); }
double t1PS(double p, double s) { return region1::tFromPS(p, s); }

double pSat(double t) { return saturation::pressure(t); }
double tSat(double p) { return saturation::temperature(p); }
double p23(double t) { return b23::pressure(t); }
double t23(double p) { return b23::temperature(p); }

double conductivity(double r, double t) { return transport::thermalConductivity(r, t); }
double viscosity(double r, double t) { return transport::dynamicViscosity(r, t); }
double surfaceTension(double t) { return transport::surfaceTension(t); }

}  // namespace vlm::state
