#include "region5.hpp"

#include "constants.hpp"
#include "gibbs_steam.hpp"

namespace vlm::region5 {
namespace {

namespace ideal {
#include "tables/region5_ideal.inc"
}
namespace residual {
#include "tables/region5_residual.inc"
}

// p* = 1 MPa, T* = 1000 K; the residual part is a series in tau itself.
constexpr steam::Equation kGibbs{1.0 * constants::MPa,
                                 1000.0,
                                 0.0,
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

}  // namespace vlm::region5
