#include "equations/region2.hpp"

#include "equations/gibbs_steam.hpp"

namespace vlm::region2 {
namespace {

namespace ideal {
#include "tables/region2_ideal.inc"
}
namespace residual {
#include "tables/region2_residual.inc"
}
VLM_SERIES_TABLE(Ideal, ideal, nullptr, ideal::J, ideal::n);
VLM_SERIES_TABLE(Residual, residual, residual::I, residual::J, residual::n);

// p* = 1 MPa, T* = 540 K; the residual part is a series in tau - 0.5.
struct Constants {
  static constexpr double pStar = 1.0 * constants::MPa, tStar = 540.0, shift = 0.5;
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

double idealGasLogPressure(double t, double s) { return Gibbs::idealGasLogPressure(t, s); }
ValueAndSlope idealGasEnergy(double t) { return Gibbs::idealGasEnergy(t); }

}  // namespace vlm::region2
