// The Gibbs free energy of the steam regions, gamma = gamma0 + gammar with
//   gamma0 = ln(pi) + sum n0 tau^J0            (ideal-gas part)
//   gammar = sum n pi^I (tau - shift)^J        (residual part)
// pi = p / p*, tau = T* / T.  Regions 2 and 5 differ only in their tables, T* and the shift;
// their properties come from gamma by the formulas every Gibbs region shares (gibbs.hpp).
#pragma once

#include <cmath>

#include "equations/gibbs.hpp"

namespace vlm::steam {

// An equation: Ideal and Residual are series tables; Constants has the reducing constants
// as static members pStar, tStar and shift (a type, not three double template arguments,
// which clang 14 does not support).
template <class Ideal, class Residual, class Constants>
struct Equation : gibbs::Equation<Equation<Ideal, Residual, Constants>, Constants> {
  static constexpr double pStar = Constants::pStar, tStar = Constants::tStar, shift = Constants::shift;

  // The derivatives of gamma at (p, t).  The pressure derivatives of the ideal-gas part are
  // taken in closed form (1/pi, -1/pi^2); ln(pi) is formed only for gamma itself.
  template <unsigned need, class V>
  [[gnu::always_inline]] static gibbs::GammaOf<V> gamma(V p, V t) {
    using namespace kernels;
    gibbs::GammaOf<V> g{p / pStar, tStar / t, V{}, V{}, V{}, V{}, V{}, V{}};
    const SumsOf<V> o = evaluate<Ideal, need&(S | SY | SYY)>(V{} + 1.0, g.tau);
    const SumsOf<V> r = evaluate<Residual, need>(g.pi, g.tau - shift);
    if constexpr (need & S) g.g = eachLane(g.pi, [](double pi) { return std::log(pi); }) + o.s + r.s;
    if constexpr (need & SX) g.gp = 1.0 / g.pi + r.sx;
    if constexpr (need & SXX) g.gpp = -1.0 / (g.pi * g.pi) + r.sxx;
    if constexpr (need & SY) g.gt = o.sy + r.sy;
    if constexpr (need & SYY) g.gtt = o.syy + r.syy;
    if constexpr (need & SXY) g.gpt = r.sxy;
    return g;
  }

  // The ideal-gas part's internal energy at t and its slope, cv: u0 = R T (tau gamma0_tau - 1),
  // cv0 = -R (tau^2 gamma0_tau,tau + 1).
  static ValueAndSlope idealGasEnergy(double t) {
    using namespace kernels;
    const double tau = tStar / t;
    const Sums o = evaluate<Ideal, SY | SYY>(1.0, tau);
    return {constants::R * t * (tau * o.sy - 1.0), -constants::R * (tau * tau * o.syy + 1.0)};
  }

  // ln p (p in Pa) at which the ideal-gas part alone has the entropy s at t: from
  // s / R = tau gamma0_tau - gamma0, ln(pi) = sum n0 (J - 1) tau^J - s / R.
  static double idealGasLogPressure(double t, double s) {
    using namespace kernels;
    const double tau = tStar / t;
    const Sums o = evaluate<Ideal, S | SY>(1.0, tau);
    return std::log(pStar) + (tau * o.sy - o.s) - s / constants::R;
  }
};

}  // namespace vlm::steam
