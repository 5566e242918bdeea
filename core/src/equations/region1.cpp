#include "equations/region1.hpp"

#include "equations/gibbs.hpp"

namespace vlm::region1 {
namespace {

namespace table {
#include "tables/region1.inc"
}
VLM_SERIES_TABLE(Series, table, table::I, table::J, table::n);

using namespace kernels;
struct Constants {
  static constexpr double pStar = 16.53 * constants::MPa, tStar = 1386.0;
};

// gamma = sum n (7.1 - pi)^I (tau - 1.222)^J: the series in x = 7.1 - pi, y = tau - 1.222,
// so the pressure derivatives change sign with each order.
struct Equation : gibbs::Equation<Equation, Constants> {
  template <unsigned need, class V>
  [[gnu::always_inline]] static gibbs::GammaOf<V> gamma(V p, V t) {
    const V pi = p / Constants::pStar, tau = Constants::tStar / t;
    const SumsOf<V> s = evaluate<Series, need>(7.1 - pi, tau - 1.222);
    return {pi, tau, s.s, -s.sx, s.sxx, s.sy, s.syy, -s.sxy};
  }
};
using Gibbs = Equation;

}  // namespace

#define VLM_GIBBS_FUNCTION(R, name) \
  R name(double p, double t) { return Gibbs::name(p, t); }
#include "equations/gibbs_functions.inc"
#undef VLM_GIBBS_FUNCTION

void caloricLanes(Caloric q, std::size_t n, const double* p, const double* t, double* out) {
  Gibbs::caloricLanes(q, n, p, t, out);
}

}  // namespace vlm::region1
