// The caloric properties of a region given by its Gibbs free energy, g / (R T) = gamma(pi, tau)
// with pi = p / p*, tau = T* / T: the formulas regions 1, 2 and 5 share (Formulas).  The steam
// equations derive from Equation<itself, Constants> and give, as a static member template, the
// derivatives of their gamma at (p, t) that `need` asks for (kernels' S, SX, SXX, SY, SYY, SXY):
//   template <unsigned need> static gibbs::Gamma gamma(double p, double t);
#pragma once

#include <cmath>
#include <cstddef>

#include "equations/caloric.hpp"
#include "equations/constants.hpp"
#include "kernels/lanes.hpp"
#include "kernels/power_series.hpp"

namespace vlm::gibbs {

// gamma and its derivatives in pi (p) and tau (t) at one point, or at lanes of points.
template <class V>
struct GammaOf {
  V pi, tau;
  V g, gp, gpp, gt, gtt, gpt;

  GammaOf<double> lane(int k) const {
    using kernels::lane;
    return {lane(pi, k), lane(tau, k), lane(g, k), lane(gp, k), lane(gpp, k), lane(gt, k), lane(gtt, k), lane(gpt, k)};
  }
};
using Gamma = GammaOf<double>;

// The properties from gamma's derivatives; Constants has the reducing constants pStar and
// tStar as static members.
template <class Constants>
struct Formulas {
  static constexpr double R = constants::R, pStar = Constants::pStar, tStar = Constants::tStar;

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

  // (dv/dT) at constant p: R (gamma_pi - tau gamma_pi,tau) / p*.
  static double expansion(const Gamma& g) { return R * (g.gp - g.tau * g.gpt) / pStar; }
  // (dv/dp) at constant T: R T gamma_pi,pi / p*^2.
  static double compression(const Gamma& g, double t) { return R * t * g.gpp / (pStar * pStar); }
  static VolumeSlopes slopes(const Gamma& g, double t) { return {volume(g, t), expansion(g), compression(g, t)}; }
  static constexpr unsigned kSlopes = kernels::SX | kernels::SXX | kernels::SXY;

  // What the speed of sound and cv need, and what every property needs.
  static constexpr unsigned kSound = kernels::SX | kernels::SXX | kernels::SYY | kernels::SXY;
  static constexpr unsigned kAll = kSound | kernels::S | kernels::SY;
};

// The functions of (p, t) of an equation E that derives from Equation<E, Constants>.
template <class E, class Constants>
struct Equation : Formulas<Constants> {
  using F = Formulas<Constants>;
  using F::enthalpy, F::energy, F::entropy, F::expansion, F::isobaric, F::isochoric, F::sound, F::volume;
  using F::kAll, F::kSound;

  template <unsigned need, class V = double>
  [[gnu::always_inline]] static GammaOf<V> at(V p, V t) {
    return E::template gamma<need>(p, t);
  }

  // Each caloric property: the sums of gamma it needs and its formula.
  template <Caloric q>
  static constexpr unsigned needOf = q == Caloric::V    ? kernels::SX
                                     : q == Caloric::U  ? kernels::SX | kernels::SY
                                     : q == Caloric::S  ? kernels::S | kernels::SY
                                     : q == Caloric::H  ? kernels::SY
                                     : q == Caloric::CP ? kernels::SYY
                                                        : kSound;
  template <Caloric q>
  static double property(const Gamma& g, double t) {
    if constexpr (q == Caloric::V) return volume(g, t);
    if constexpr (q == Caloric::U) return energy(g, t);
    if constexpr (q == Caloric::S) return entropy(g);
    if constexpr (q == Caloric::H) return enthalpy(g);
    if constexpr (q == Caloric::CP) return isobaric(g);
    if constexpr (q == Caloric::CV) return isochoric(g);
    if constexpr (q == Caloric::W) return sound(g, t);
  }
  template <Caloric q>
  static double caloric(double p, double t) {
    return property<q>(at<needOf<q>>(p, t), t);
  }

  static double v(double p, double t) { return caloric<Caloric::V>(p, t); }
  static double u(double p, double t) { return caloric<Caloric::U>(p, t); }
  static double s(double p, double t) { return caloric<Caloric::S>(p, t); }
  static double h(double p, double t) { return caloric<Caloric::H>(p, t); }
  static double cp(double p, double t) { return caloric<Caloric::CP>(p, t); }
  static double cv(double p, double t) { return caloric<Caloric::CV>(p, t); }
  static double w(double p, double t) { return caloric<Caloric::W>(p, t); }

  // Property q at n points into out, each bit for bit caloric<q>(p[i], t[i]): gamma's sums
  // for four points at a time with AVX2, else two.
  static void caloricLanes(Caloric q, std::size_t n, const double* p, const double* t, double* out) {
    // In the order of Caloric.
    static constexpr void (*kLanes[])(std::size_t, const double*, const double*, double*) = {
        lanesOf<Caloric::V>,  lanesOf<Caloric::U>,  lanesOf<Caloric::S>, lanesOf<Caloric::H>,
        lanesOf<Caloric::CP>, lanesOf<Caloric::CV>, lanesOf<Caloric::W>};
    kLanes[static_cast<int>(q)](n, p, t, out);
  }

  static AlongIsobar alongIsobar(double p, double t) {
    const Gamma g = at<kernels::S | kernels::SY | kernels::SYY>(p, t);
    return {enthalpy(g), entropy(g), isobaric(g)};
  }
  // h and cp alone (s is NaN): a Newton step for h along an isobar, without gamma itself.
  static AlongIsobar enthalpyAlongIsobar(double p, double t) {
    const Gamma g = at<kernels::SY | kernels::SYY>(p, t);
    return {enthalpy(g), NAN, isobaric(g)};
  }
  static InPT inPT(double p, double t) {
    const Gamma g = at<kernels::S | kernels::SX | kernels::SY | kernels::SYY | kernels::SXY>(p, t);
    InPT out;
    static_cast<AlongIsobar&>(out) = {enthalpy(g), entropy(g), isobaric(g)};
    out.v = volume(g, t);
    out.dvdt = expansion(g);
    return out;
  }
  // h, v and (dv/dT) at constant p, with s where asked for (else NaN, as cp): a Newton step
  // in p along an isotherm for h or s.
  template <bool withS>
  static InPT alongIsotherm(double p, double t) {
    const Gamma g = at<kernels::SX | kernels::SY | kernels::SXY | (withS ? kernels::S : 0u)>(p, t);
    InPT out;
    static_cast<AlongIsobar&>(out) = {enthalpy(g), withS ? entropy(g) : NAN, NAN};
    out.v = volume(g, t);
    out.dvdt = expansion(g);
    return out;
  }
  // v and (dv/dT) at constant p alone (dv/dp NaN): a Newton step in T along an isobar for v.
  static VolumeSlopes volumeAlongIsobar(double p, double t) {
    const Gamma g = at<kernels::SX | kernels::SXY>(p, t);
    return {volume(g, t), expansion(g), NAN};
  }
  // v and (dv/dp) at constant T alone (dv/dT NaN): a Newton step in p along an isotherm for v.
  static VolumeSlopes volumeAlongIsotherm(double p, double t) {
    const Gamma g = at<kernels::SX | kernels::SXX>(p, t);
    return {volume(g, t), NAN, F::compression(g, t)};
  }
  static InPT enthalpyAlongIsotherm(double p, double t) { return alongIsotherm<false>(p, t); }
  static InPT entropyAlongIsotherm(double p, double t) { return alongIsotherm<true>(p, t); }
  static VolumeSlopes slopes(double p, double t) { return F::slopes(at<F::kSlopes>(p, t), t); }
  static InPTWithSlopes inPTWithSlopes(double p, double t) {
    const Gamma g = at<F::kSlopes | kernels::SY | kernels::SYY>(p, t);
    return {enthalpy(g), isobaric(g), F::slopes(g, t)};
  }
  // v, u, s and h from gamma's first derivatives alone; cp, cv and w NaN.
  static CaloricSet firstDerivatives(double p, double t) {
    const Gamma g = at<kernels::S | kernels::SX | kernels::SY>(p, t);
    return {volume(g, t), energy(g, t), entropy(g), enthalpy(g), NAN, NAN, NAN};
  }
  static CaloricSet all(double p, double t) {
    const Gamma g = at<kAll>(p, t);
    return {volume(g, t), energy(g, t), entropy(g), enthalpy(g), isobaric(g), isochoric(g), sound(g, t)};
  }

 private:
  template <Caloric q>
  static void lanesOf(std::size_t n, const double* p, const double* t, double* out) {
    kernels::inLanes(n, [&]<class V>(kernels::LaneType<V>, std::size_t i) {
      const GammaOf<V> g = at<needOf<q>, V>(kernels::load<V>(p + i), kernels::load<V>(t + i));
      for (int k = 0; k < kernels::laneCount<V>; ++k) out[i + k] = property<q>(g.lane(k), t[i + k]);
    });
  }
};

}  // namespace vlm::gibbs
