#include "region2.hpp"

#include "constants.hpp"
#include "gibbs_steam.hpp"

namespace vlm::region2 {
namespace {

namespace ideal {
#include "tables/region2_ideal.inc"
}
namespace residual {
#include "tables/region2_residual.inc"
}

// p* = 1 MPa, T* = 540 K; the residual part is a series in tau - 0.5.
constexpr steam::Equation kGibbs{1.0 * constants::MPa,
                                 540.0,
                                 0.5,
                                 {ideal::rowCount, nullptr, ideal::J, ideal::n},
                                 {residual::rowCount, residual::I, residual::J, residual::n}};

}  // namespace

double v(double p, double t) { return steam::v(kGibbs, p, t); }
double u(double p, double t) { return steam::u(kGibbs, p, t); }
double s(double p, double t) { return steam::s(kGibbs, p, t); }
double h(double p, double t) { return steam::h(kGibbs, p, t); }
double cp(double p, double t) { return steam::cp(kGibbs, p, t); }
double cv(double p, double t) { return steam::cv(kGibbs, p, t); }
double w(double p, double t) { return steam::w(kGibbs, p, t); }

}  // namespace vlm::region2
