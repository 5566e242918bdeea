#include "equations/transport_equations.hpp"

#include <cmath>

#include "equations/constants.hpp"
#include "kernels/power_series.hpp"

namespace vlm::transport {
namespace {

// Thermal conductivity, industrial equation: ideal-gas part, residual part and a critical
// enhancement that peaks near T* and rho*.
namespace conductivity {
constexpr double tStar = 647.256;   // K
constexpr double rhoStar = 317.7;   // kg/m3
constexpr double lambdaStar = 1.0;  // W/(m K)

constexpr double a[4] = {0.0102811, 0.0299621, 0.0156146, -0.00422464};
constexpr double b0 = -0.39707, b1 = 0.400302, b2 = 1.06;
constexpr double B1 = -0.171587, B2 = 2.39219;
constexpr double d1 = 0.0701309, d2 = 0.011852, d3 = 0.00169937, d4 = -1.02;
constexpr double C1 = 0.642857, C2 = -4.11717, C3 = -6.17937, C4 = 0.00308976, C5 = 0.0822994, C6 = 10.0932;
}  // namespace conductivity

// Dynamic viscosity, industrial form: dilute-gas part times a residual factor; the
// critical enhancement factor is taken as 1.
namespace viscosity {
constexpr double tStar = 647.226;      // K
constexpr double rhoStar = 317.763;    // kg/m3
constexpr double etaStar = 55.071e-6;  // Pa s

constexpr double H[4] = {1.0, 0.978197, 0.579829, -0.202354};  // H0 .. H3 of the dilute-gas part

namespace residual {
#include "tables/viscosity.inc"
}
VLM_SERIES_TABLE(Residual, residual, residual::i, residual::j, residual::H);
}  // namespace viscosity

// Surface tension of water against its vapour.
namespace surface {
constexpr double Tc = constants::Tcritical;  // K
constexpr double B = 0.001 * 235.8;          // N/m
constexpr double b = -0.625;
constexpr double mu = 1.256;
}  // namespace surface

}  // namespace

double thermalConductivity(double r, double t) {
  using namespace conductivity;
  const double tb = t / tStar;
  const double rb = r / rhoStar;
  const double rootT = std::sqrt(tb);

  // sum a_k tb^(k + 1/2), as sqrt(tb) times a cubic in tb.
  const double lambda0 = rootT * (a[0] + tb * (a[1] + tb * (a[2] + tb * a[3])));

  const double lambda1 = b0 + b1 * rb + b2 * std::exp(B1 * (rb + B2) * (rb + B2));

  // The fractional powers share one logarithm of each base.
  const double dT = std::fabs(tb - 1.0) + C4;
  const double dT06 = std::exp(0.6 * std::log(dT));
  const double Q = 2.0 + C5 / dT06;
  const double S = tb >= 1.0 ? 1.0 / dT : C6 / dT06;
  const double logR = std::log(rb);
  const double rb18 = std::exp(1.8 * logR);
  const double rbQ = std::exp(Q * logR);
  const double tb2 = tb * tb, tb4 = tb2 * tb2, tb10 = tb4 * tb4 * tb2;
  const double rb2 = rb * rb, rb5 = rb2 * rb2 * rb;

  const double dLambda = (d1 / tb10 + d2) * rb18 * std::exp(C1 * (1.0 - rb18 * rb)) +
                         d3 * S * rbQ * std::exp((Q / (1.0 + Q)) * (1.0 - rbQ * rb)) +
                         d4 * std::exp(C2 * tb * rootT + C3 / rb5);

  return (lambda0 + lambda1 + dLambda) * lambdaStar;
}

double dynamicViscosity(double r, double t) {
  using namespace viscosity;
  const double tb = t / tStar;
  const double rb = r / rhoStar;

  // sum H_k / tb^k, a cubic in 1 / tb.
  const double inv = 1.0 / tb;
  const double dilute = H[0] + inv * (H[1] + inv * (H[2] + inv * H[3]));
  const double eta0 = std::sqrt(tb) / dilute;

  const double sum = kernels::evaluate<Residual, kernels::S>(inv - 1.0, rb - 1.0).s;
  const double eta1 = std::exp(rb * sum);

  return etaStar * eta0 * eta1;
}

double surfaceTension(double t) {
  using namespace surface;
  const double tau = 1.0 - t / Tc;
  return B * std::pow(tau, mu) * (1.0 + b * tau);
}

}  // namespace vlm::transport
