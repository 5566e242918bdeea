#include "equations/region1.hpp"

#include <cmath>

#include "equations/constants.hpp"
#include "kernels/power_series.hpp"

namespace vlm::region1 {
namespace {

namespace gibbs {
#include "tables/region1.inc"
}
VLM_SERIES_TABLE(Gibbs, gibbs, gibbs::I, gibbs::J, gibbs::n);

using constants::R;
using namespace kernels;
constexpr double pStar = 16.53 * constants::MPa;
constexpr double tStar = 1386.0;

// gamma = sum n (7.1 - pi)^I (tau - 1.222)^J: the series in x = 7.1 - pi, y = tau - 1.222,
// so the pressure derivatives change sign with each order.
struct Gamma {
  double pi, tau;
  double g, gp, gpp, gt, gtt, gpt;
};

template <unsigned need>
Gamma gamma(double p, double t) {
  const double pi = p / pStar, tau = tStar / t;
  const Sums s = evaluate<Gibbs, need>(7.1 - pi, tau - 1.222);
  return {pi, tau, s.s, -s.sx, s.sxx, s.sy, s.syy, -s.sxy};
}

constexpr unsigned kAll = S | SX | SXX | SY | SYY | SXY;
constexpr unsigned kSound = SX | SXX | SYY | SXY;

double volume(const Gamma& g, double t) { return R * t * g.gp / pStar; }
double energy(const Gamma& g, double t) { return R * t * (g.tau * g.gt - g.pi * g.gp); }
double entropy(const Gamma& g) { return R * (g.tau * g.gt - g.g); }
double enthalpy(const Gamma& g) { return R * tStar * g.gt; }
double isobaric(const Gamma& g) { return -R * g.tau * g.tau * g.gtt; }
double isochoric(const Gamma& g) {
  const double mixed = g.gp - g.tau * g.gpt;
  return R * (-g.tau * g.tau * g.gtt + mixed * mixed / g.gpp);
}
double sound(const Gamma& g, double t) {
  const double mixed = g.gp - g.tau * g.gpt;
  return g.gp * std::sqrt(R * t / (mixed * mixed / (g.tau * g.tau * g.gtt) - g.gpp));
}

}  // namespace

double v(double p, double t) { return volume(gamma<SX>(p, t), t); }
double u(double p, double t) { return energy(gamma<SX | SY>(p, t), t); }
double s(double p, double t) { return entropy(gamma<S | SY>(p, t)); }
double h(double p, double t) { return enthalpy(gamma<SY>(p, t)); }
double cp(double p, double t) { return isobaric(gamma<SYY>(p, t)); }
double cv(double p, double t) { return isochoric(gamma<kSound>(p, t)); }
double w(double p, double t) { return sound(gamma<kSound>(p, t), t); }

CaloricSet all(double p, double t) {
  const Gamma g = gamma<kAll>(p, t);
  return {volume(g, t), energy(g, t), entropy(g), enthalpy(g), isobaric(g), isochoric(g), sound(g, t)};
}

AlongIsobar alongIsobar(double p, double t) {
  const Gamma g = gamma<S | SY | SYY>(p, t);
  return {enthalpy(g), entropy(g), isobaric(g)};
}

InPT inPT(double p, double t) {
  const Gamma g = gamma<S | SX | SY | SYY | SXY>(p, t);
  InPT out;
  static_cast<AlongIsobar&>(out) = {enthalpy(g), entropy(g), isobaric(g)};
  out.v = volume(g, t);
  out.dvdt = R * (g.gp - g.tau * g.gpt) / pStar;
  return out;
}

}  // namespace vlm::region1
