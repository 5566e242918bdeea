#include "region3.hpp"

#include <cmath>

#include "constants.hpp"
#include "kernels/power_series.hpp"

namespace vlm::region3 {
namespace {

namespace helmholtz {
#include "tables/region3.inc"
}
VLM_SERIES_TABLE(Helmholtz, helmholtz, helmholtz::I, helmholtz::J, helmholtz::n);

using constants::R;
using namespace kernels;
constexpr double rhoStar = 322.0;               // reducing density, kg/m3
constexpr double tStar = constants::Tcritical;  // reducing temperature, K

// phi = n1 ln(delta) + sum n delta^I tau^J and its derivatives.
struct Phi {
  double delta, tau;
  double f, fd, fdd, ft, ftt, fdt;
};

template <unsigned need>
Phi phi(double r, double t) {
  const double d = r / rhoStar, tau = tStar / t;
  const Sums s = evaluate<Helmholtz, need>(d, tau);
  const double nLog = helmholtz::nLog;
  Phi f{d, tau, s.s, s.sx, s.sxx, s.sy, s.syy, s.sxy};
  if constexpr (need & S) f.f = nLog * std::log(d) + s.s;
  if constexpr (need & SX) f.fd = nLog / d + s.sx;
  if constexpr (need & SXX) f.fdd = -nLog / (d * d) + s.sxx;
  return f;
}

constexpr unsigned kSound = SX | SXX | SYY | SXY;

double pressure(const Phi& f, double r, double t) { return r * R * t * f.delta * f.fd; }
double energy(const Phi& f) { return R * tStar * f.ft; }
double entropy(const Phi& f) { return R * (f.tau * f.ft - f.f); }
double enthalpy(const Phi& f, double t) { return R * t * (f.tau * f.ft + f.delta * f.fd); }
double stiffness(const Phi& f) { return 2 * f.delta * f.fd + f.delta * f.delta * f.fdd; }
double mixed(const Phi& f) { return f.delta * f.fd - f.delta * f.tau * f.fdt; }
double isobaric(const Phi& f) {
  const double m = mixed(f);
  return R * (-f.tau * f.tau * f.ftt + m * m / stiffness(f));
}
double isochoric(const Phi& f) { return -R * f.tau * f.tau * f.ftt; }
double sound(const Phi& f, double t) {
  const double m = mixed(f);
  return std::sqrt(R * t * (stiffness(f) - m * m / (f.tau * f.tau * f.ftt)));
}
double slope(const Phi& f, double t) { return R * t * f.delta * (2 * f.fd + f.delta * f.fdd); }

}  // namespace

double p(double r, double t) { return pressure(phi<SX>(r, t), r, t); }
double u(double r, double t) { return energy(phi<SY>(r, t)); }
double s(double r, double t) { return entropy(phi<S | SY>(r, t)); }
double h(double r, double t) { return enthalpy(phi<SX | SY>(r, t), t); }
double cp(double r, double t) { return isobaric(phi<kSound>(r, t)); }
double cv(double r, double t) { return isochoric(phi<SYY>(r, t)); }
double w(double r, double t) { return sound(phi<kSound>(r, t), t); }
double dpdr(double r, double t) { return slope(phi<SX | SXX>(r, t), t); }

CaloricSet all(double r, double t) {
  const Phi f = phi<kSound | S | SY>(r, t);
  return {1.0 / r, energy(f), entropy(f), enthalpy(f, t), isobaric(f), isochoric(f), sound(f, t)};
}

PressureAndSlope pressureAndSlope(double r, double t) {
  const Phi f = phi<SX | SXX>(r, t);
  return {pressure(f, r, t), slope(f, t)};
}

}  // namespace vlm::region3
