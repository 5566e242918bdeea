#include "equations/region1.hpp"

#include "equations/gibbs.hpp"

namespace vlm::region1 {
namespace {

namespace table {
#include "tables/region1.inc"
}
VLM_SERIES_TABLE(Gibbs, table, table::I, table::J, table::n);

using namespace kernels;
struct Constants {
  static constexpr double pStar = 16.53 * constants::MPa, tStar = 1386.0;
};
using F = gibbs::Formulas<Constants>;

// gamma = sum n (7.1 - pi)^I (tau - 1.222)^J: the series in x = 7.1 - pi, y = tau - 1.222,
// so the pressure derivatives change sign with each order.
template <unsigned need>
gibbs::Gamma gamma(double p, double t) {
  const double pi = p / Constants::pStar, tau = Constants::tStar / t;
  const Sums s = evaluate<Gibbs, need>(7.1 - pi, tau - 1.222);
  return {pi, tau, s.s, -s.sx, s.sxx, s.sy, s.syy, -s.sxy};
}

}  // namespace

double v(double p, double t) { return F::volume(gamma<SX>(p, t), t); }
double u(double p, double t) { return F::energy(gamma<SX | SY>(p, t), t); }
double s(double p, double t) { return F::entropy(gamma<S | SY>(p, t)); }
double h(double p, double t) { return F::enthalpy(gamma<SY>(p, t)); }
double cp(double p, double t) { return F::isobaric(gamma<SYY>(p, t)); }
double cv(double p, double t) { return F::isochoric(gamma<F::kSound>(p, t)); }
double w(double p, double t) { return F::sound(gamma<F::kSound>(p, t), t); }

CaloricSet all(double p, double t) {
  const gibbs::Gamma g = gamma<F::kAll>(p, t);
  return {F::volume(g, t), F::energy(g, t), F::entropy(g), F::enthalpy(g),
          F::isobaric(g),  F::isochoric(g), F::sound(g, t)};
}

CaloricSet firstDerivatives(double p, double t) {
  const gibbs::Gamma g = gamma<S | SX | SY>(p, t);
  return {F::volume(g, t), F::energy(g, t), F::entropy(g), F::enthalpy(g), NAN, NAN, NAN};
}

AlongIsobar alongIsobar(double p, double t) {
  const gibbs::Gamma g = gamma<S | SY | SYY>(p, t);
  return {F::enthalpy(g), F::entropy(g), F::isobaric(g)};
}

VolumeSlopes slopes(double p, double t) { return F::slopes(gamma<F::kSlopes>(p, t), t); }
VolumeSlopes volumeAlongIsotherm(double p, double t) {
  const gibbs::Gamma g = gamma<SX | SXX>(p, t);
  return {F::volume(g, t), NAN, F::compression(g, t)};
}
VolumeSlopes volumeAlongIsobar(double p, double t) {
  const gibbs::Gamma g = gamma<SX | SXY>(p, t);
  return {F::volume(g, t), F::expansion(g), NAN};
}

AlongIsobar enthalpyAlongIsobar(double p, double t) {
  const gibbs::Gamma g = gamma<SY | SYY>(p, t);
  return {F::enthalpy(g), NAN, F::isobaric(g)};
}

InPT inPT(double p, double t) {
  const gibbs::Gamma g = gamma<S | SX | SY | SYY | SXY>(p, t);
  InPT out;
  static_cast<AlongIsobar&>(out) = {F::enthalpy(g), F::entropy(g), F::isobaric(g)};
  out.v = F::volume(g, t);
  out.dvdt = F::expansion(g);
  return out;
}

template <bool withS>
InPT alongIsotherm(double p, double t) {
  const gibbs::Gamma g = gamma<SX | SY | SXY | (withS ? S : 0u)>(p, t);
  InPT out;
  static_cast<AlongIsobar&>(out) = {F::enthalpy(g), withS ? F::entropy(g) : NAN, NAN};
  out.v = F::volume(g, t);
  out.dvdt = F::expansion(g);
  return out;
}
InPT enthalpyAlongIsotherm(double p, double t) { return alongIsotherm<false>(p, t); }
InPT entropyAlongIsotherm(double p, double t) { return alongIsotherm<true>(p, t); }

InPTWithSlopes inPTWithSlopes(double p, double t) {
  const gibbs::Gamma g = gamma<F::kSlopes | SY | SYY>(p, t);
  return {F::enthalpy(g), F::isobaric(g), F::slopes(g, t)};
}

}  // namespace vlm::region1
