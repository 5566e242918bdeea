#include "equations/region5.hpp"

#include "equations/gibbs_steam.hpp"

namespace vlm::region5 {
namespace {

namespace ideal {
#include "tables/region5_ideal.inc"
}
namespace residual {
#include "tables/region5_residual.inc"
}
VLM_SERIES_TABLE(Ideal, ideal, nullptr, ideal::J, ideal::n);
VLM_SERIES_TABLE(Residual, residual, residual::I, residual::J, residual::n);

// p* = 1 MPa, T* = 1000 K; the residual part is a series in tau itself.
struct Constants {
  static constexpr double pStar = 1.0 * constants::MPa, tStar = 1000.0, shift = 0.0;
};
using Gibbs = steam::Equation<Ideal, Residual, Constants>;

}  // namespace

#define VLM_GIBBS_FUNCTION(R, name) \
  R name(double p, double t) { return Gibbs::name(p, t); }
#include "equations/gibbs_functions.inc"
#undef VLM_GIBBS_FUNCTION

void caloricLanes(Caloric q, std::size_t n, const double* p, const double* t, double* out) {
  Gibbs::caloricLanes(q, n, p, t, out);
}

}  // namespace vlm::region5
