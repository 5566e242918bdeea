// The Gibbs free energy of the steam regions, gamma = gamma0 + gammar with
//   gamma0 = ln(pi) + sum n0 tau^J0            (ideal-gas part)
//   gammar = sum n pi^I (tau - shift)^J        (residual part)
// pi = p / p*, tau = T* / T.  Regions 2 and 5 differ only in their tables, T* and the shift,
// so both evaluate their seven properties here.
#pragma once

#include <cmath>

#include "equations/caloric.hpp"
#include "equations/constants.hpp"
#include "kernels/power_series.hpp"

namespace vlm::steam {

// An equation: Ideal and Residual are series tables; Constants has the reducing constants
// as static members pStar, tStar and shift (a type, not three double template arguments,
// which clang 14 does not support).
template <class Ideal, class Residual, class Constants>
struct Equation {
  static constexpr double pStar = Constants::pStar, tStar = Constants::tStar, shift = Constants::shift;
  struct Gamma {
    double pi, tau;
    double g, gp, gpp, gt, gtt, gpt;
  };

  // The derivatives of gamma at (p, t).  The pressure derivatives of the ideal-gas part are
  // taken in closed form (1/pi, -1/pi^2); ln(pi) is formed only for gamma itself.
  template <unsigned need>
  static Gamma gamma(double p, double t) {
    using namespace kernels;
    Gamma g{p / pStar, tStar / t, 0, 0, 0, 0, 0, 0};
    const Sums o = evaluate<Ideal, need&(S | SY | SYY)>(1.0, g.tau);
    const Sums r = evaluate<Residual, need>(g.pi, g.tau - shift);
    if constexpr (need & S) g.g = std::log(g.pi) + o.s + r.s;
    if constexpr (need & SX) g.gp = 1 / g.pi + r.sx;
    if constexpr (need & SXX) g.gpp = -1 / (g.pi * g.pi) + r.sxx;
    if constexpr (need & SY) g.gt = o.sy + r.sy;
    if constexpr (need & SYY) g.gtt = o.syy + r.syy;
    if constexpr (need & SXY) g.gpt = r.sxy;
    return g;
  }

  static constexpr double R = constants::R;
  static double volume(const Gamma& g, double t) { return R * t * g.gp / pStar; }
  static double energy(const Gamma& g, double t) { return R * t * (g.tau * g.gt - g.pi * g.gp); }
  static double entropy(const Gamma& g) { return R * (g.tau * g.gt - g.g); }
  static double enthalpy(const Gamma& g) { return R * tStar * g.gt; }
  static double isobaric(const Gamma& g) { return -R * g.tau * g.tau * g.gtt; }
  static double isochoric(const Gamma& g) {
    const double mixed = g.gp - g.tau * g.gpt;
    return R * (-g.tau * g.tau * g.gtt + mixed * mixed / g.gpp);
  }
  static double sound(const Gamma& g, double t) {
    const double mixed = g.gp - g.tau * g.gpt;
    return g.gp * std::sqrt(R * t / (mixed * mixed / (g.tau * g.tau * g.gtt) - g.gpp));
  }

  static constexpr unsigned kSound = kernels::SX | kernels::SXX | kernels::SYY | kernels::SXY;
  static constexpr unsigned kAll = kSound | kernels::S | kernels::SY;

  static double v(double p, double t) { return volume(gamma<kernels::SX>(p, t), t); }
  static double u(double p, double t) { return energy(gamma<kernels::SX | kernels::SY>(p, t), t); }
  static double s(double p, double t) { return entropy(gamma<kernels::S | kernels::SY>(p, t)); }
  static double h(double p, double t) { return enthalpy(gamma<kernels::SY>(p, t)); }
  static double cp(double p, double t) { return isobaric(gamma<kernels::SYY>(p, t)); }
  static double cv(double p, double t) { return isochoric(gamma<kSound>(p, t)); }
  static double w(double p, double t) { return sound(gamma<kSound>(p, t), t); }
  static AlongIsobar alongIsobar(double p, double t) {
    const Gamma g = gamma<kernels::S | kernels::SY | kernels::SYY>(p, t);
    return {enthalpy(g), entropy(g), isobaric(g)};
  }
  static InPT inPT(double p, double t) {
    const Gamma g = gamma<kernels::S | kernels::SX | kernels::SY | kernels::SYY | kernels::SXY>(p, t);
    InPT out;
    static_cast<AlongIsobar&>(out) = {enthalpy(g), entropy(g), isobaric(g)};
    out.v = volume(g, t);
    out.dvdt = R * (g.gp - g.tau * g.gpt) / pStar;  // R (gamma_pi - tau gamma_pi,tau) / p*
    return out;
  }
  static CaloricSet all(double p, double t) {
    const Gamma g = gamma<kAll>(p, t);
    return {volume(g, t), energy(g, t), entropy(g), enthalpy(g), isobaric(g), isochoric(g), sound(g, t)};
  }
};

}  // namespace vlm::steam
