#include "equations/region3.hpp"

#include <cmath>
#include <limits>
#include <utility>

#include "equations/constants.hpp"
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
// Inside the spinodal (an unstable state a Newton step may pass through) the square is
// negative: no speed of sound, and no invalid operation raised for it.
double sound(const Phi& f, double t) {
  const double m = mixed(f);
  const double square = R * t * (stiffness(f) - m * m / f.ttftt);
  return std::isgreaterequal(square, 0.0) ? std::sqrt(square) : std::numeric_limits<double>::quiet_NaN();
}
double slope(const Phi& f, double t) { return R * t * stiffness(f); }

}  // namespace

// The pressure comes from the density solver's form, so that the solver's residual is
// exactly the difference from p(r, t).
double p(double r, double t) { return Isotherm(t).at(r).p; }
double u(double r, double t) { return energy(phi<SY>(r, t), t); }
double s(double r, double t) { return entropy(phi<S | SY>(r, t)); }
double h(double r, double t) { return enthalpy(phi<SX | SY>(r, t), t); }
double cp(double r, double t) { return isobaric(phi<kSound>(r, t)); }
double cv(double r, double t) { return isochoric(phi<SYY>(r, t)); }
double w(double r, double t) { return sound(phi<kSound>(r, t), t); }

CaloricSet all(double r, double t) {
  const Phi f = phi<kSound | S | SY>(r, t);
  return {1.0 / r, energy(f, t), entropy(f), enthalpy(f, t), isobaric(f), isochoric(f), sound(f, t)};
}

Full full(double r, double t) {
  const Phi f = phi<kSound | S | SY>(r, t);
  Full out;
  static_cast<CaloricSet&>(out) = {1.0 / r,     energy(f, t), entropy(f), enthalpy(f, t),
                                   isobaric(f), isochoric(f), sound(f, t)};
  out.p = pressure(f, r, t);
  out.dpdr = slope(f, t);
  out.dpdt = r * R * mixed(f);  // r R delta (phi_delta - tau phi_delta,tau)
  return out;
}

// delta phi_delta = nLog + sum i q_i delta^i and 2 delta phi_delta + delta^2 phi_deltadelta =
// nLog + sum i (i + 1) q_i delta^i, where q_i is the sum over tau of the rows with delta^i.
static_assert([] {
  using Series = SeriesAtY<Helmholtz, S>;
  for (int m = 0; m < Series::groupCount; ++m) {
    if (Series::groupExponent(m) < 0 || Series::groupExponent(m) > Isotherm::kDegree) return false;
  }
  return true;
}());

Isotherm::Isotherm(double t) : rt_(R * t) {
  using Series = SeriesAtY<Helmholtz, S>;
  const Series series(tStar / t);
  [&]<std::size_t... M>(std::index_sequence<M...>) {
    auto group = [&](auto m) {
      constexpr int i = Series::groupExponent(m);
      const double q = series.groupSum(m);
      pressure_[i] += i * q;
      slope_[i] += i * (i + 1.0) * q;
    };
    (group(std::integral_constant<int, M>{}), ...);
  }
  (std::make_index_sequence<Series::groupCount>{});
  pressure_[0] += helmholtz::nLog;
  slope_[0] += helmholtz::nLog;
}

PressureAndSlope Isotherm::at(double r) const {
  const double d = r / rhoStar;
  // At zero density delta phi_delta is 0 times an infinite phi_delta: no number.
  if (d == 0.0) return {std::nan(""), std::nan("")};
  return {r * rt_ * estrin(pressure_, d), rt_ * estrin(slope_, d)};
}

}  // namespace vlm::region3
