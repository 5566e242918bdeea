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

double v(double p, double t) { return Gibbs::v(p, t); }
double u(double p, double t) { return Gibbs::u(p, t); }
double s(double p, double t) { return Gibbs::s(p, t); }
double h(double p, double t) { return Gibbs::h(p, t); }
double cp(double p, double t) { return Gibbs::cp(p, t); }
double cv(double p, double t) { return Gibbs::cv(p, t); }
double w(double p, double t) { return Gibbs::w(p, t); }
CaloricSet all(double p, double t) { return Gibbs::all(p, t); }
CaloricSet firstDerivatives(double p, double t) { return Gibbs::firstDerivatives(p, t); }
VolumeSlopes slopes(double p, double t) { return Gibbs::slopes(p, t); }
VolumeSlopes volumeAlongIsobar(double p, double t) { return Gibbs::volumeAlongIsobar(p, t); }
VolumeSlopes volumeAlongIsotherm(double p, double t) { return Gibbs::volumeAlongIsotherm(p, t); }
AlongIsobar alongIsobar(double p, double t) { return Gibbs::alongIsobar(p, t); }
AlongIsobar enthalpyAlongIsobar(double p, double t) { return Gibbs::enthalpyAlongIsobar(p, t); }
InPT inPT(double p, double t) { return Gibbs::inPT(p, t); }
double idealGasLogPressure(double t, double s) { return Gibbs::idealGasLogPressure(t, s); }
ValueAndSlope idealGasEnergy(double t) { return Gibbs::idealGasEnergy(t); }
InPT enthalpyAlongIsotherm(double p, double t) { return Gibbs::alongIsotherm<false>(p, t); }
InPT entropyAlongIsotherm(double p, double t) { return Gibbs::alongIsotherm<true>(p, t); }
InPTWithSlopes inPTWithSlopes(double p, double t) { return Gibbs::inPTWithSlopes(p, t); }

}  // namespace vlm::region2
