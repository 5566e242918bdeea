#include "region3.hpp"

#include <cmath>
#include <new>

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

// phi = n1 ln(delta) + sum n delta^I tau^J and its derivatives, each times the powers of
// delta and tau it is taken in (delta phi_delta, tau^2 phi_tautau, ...): the forms every
// property uses, found without dividing by delta or tau.
struct Phi {
  double f, dfd, ddfdd, tft, ttftt, dtfdt;
};

template <unsigned need>
Phi phi(double r, const SeriesAtY<Helmholtz, need>& series) {
  const double d = r / rhoStar;
  const double nLog = helmholtz::nLog;
  if (d == 0.0) {
    // At zero density phi_delta is infinite: delta phi_delta is 0 times infinity, not a
    // number, and so is every property formed from it.
    const Sums s = series.template at<false>(d);
    const double tau = series.y();
    return {nLog * std::log(d) + s.s, d * (nLog / d + s.sx), d * d * (-nLog / (d * d) + s.sxx), tau * s.sy,
            tau * tau * s.syy,        d * tau * s.sxy};
  }
  const Sums s = series.template at<true>(d);
  Phi f{s.s, s.sx, s.sxx, s.sy, s.syy, s.sxy};
  if constexpr (need & S) f.f = nLog * std::log(d) + s.s;
  if constexpr (need & SX) f.dfd = nLog + s.sx;
  if constexpr (need & SXX) f.ddfdd = -nLog + s.sxx;
  return f;
}

template <unsigned need>
Phi phi(double r, double t) {
  return phi<need>(r, SeriesAtY<Helmholtz, need>(tStar / t));
}

using SolverSeries = SeriesAtY<Helmholtz, SX | SXX>;

constexpr unsigned kSound = SX | SXX | SYY | SXY;

double pressure(const Phi& f, double r, double t) { return r * R * t * f.dfd; }
double energy(const Phi& f, double t) { return R * t * f.tft; }
double entropy(const Phi& f) { return R * (f.tft - f.f); }
double enthalpy(const Phi& f, double t) { return R * t * (f.tft + f.dfd); }
double stiffness(const Phi& f) { return 2 * f.dfd + f.ddfdd; }
double mixed(const Phi& f) { return f.dfd - f.dtfdt; }
double isobaric(const Phi& f) {
  const double m = mixed(f);
  return R * (-f.ttftt + m * m / stiffness(f));
}
double isochoric(const Phi& f) { return -R * f.ttftt; }
double sound(const Phi& f, double t) {
  const double m = mixed(f);
  return std::sqrt(R * t * (stiffness(f) - m * m / f.ttftt));
}
double slope(const Phi& f, double t) { return R * t * stiffness(f); }

}  // namespace

double p(double r, double t) { return pressure(phi<SX>(r, t), r, t); }
double u(double r, double t) { return energy(phi<SY>(r, t), t); }
double s(double r, double t) { return entropy(phi<S | SY>(r, t)); }
double h(double r, double t) { return enthalpy(phi<SX | SY>(r, t), t); }
double cp(double r, double t) { return isobaric(phi<kSound>(r, t)); }
double cv(double r, double t) { return isochoric(phi<SYY>(r, t)); }
double w(double r, double t) { return sound(phi<kSound>(r, t), t); }
double dpdr(double r, double t) { return slope(phi<SX | SXX>(r, t), t); }

CaloricSet all(double r, double t) {
  const Phi f = phi<kSound | S | SY>(r, t);
  return {1.0 / r, energy(f, t), entropy(f), enthalpy(f, t), isobaric(f), isochoric(f), sound(f, t)};
}

PressureAndSlope pressureAndSlope(double r, double t) {
  const Phi f = phi<SX | SXX>(r, t);
  return {pressure(f, r, t), slope(f, t)};
}

static_assert(sizeof(SolverSeries) <= Isotherm::kSeriesBytes && alignof(SolverSeries) <= alignof(double));

Isotherm::Isotherm(double t) : t_(t) { new (series_) SolverSeries(tStar / t); }

PressureAndSlope Isotherm::at(double r) const {
  const Phi f = phi<SX | SXX>(r, *std::launder(reinterpret_cast<const SolverSeries*>(series_)));
  return {pressure(f, r, t_), slope(f, t_)};
}

}  // namespace vlm::region3
