#include "transport.hpp"

#include <cmath>

#include "constants.hpp"

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

  double lambda0 = 0;
  for (int k = 0; k < 4; ++k) lambda0 += a[k] * std::pow(tb, k + 0.5);

  const double lambda1 = b0 + b1 * rb + b2 * std::exp(B1 * (rb + B2) * (rb + B2));

  const double dT = std::fabs(tb - 1.0) + C4;
  const double Q = 2.0 + C5 / std::pow(dT, 0.6);
  const double S = tb >= 1.0 ? 1.0 / dT : C6 / std::pow(dT, 0.6);

  const double dLambda = (d1 / std::pow(tb, 10) + d2) * std::pow(rb, 1.8) * std::exp(C1 * (1.0 - std::pow(rb, 2.8))) +
                         d3 * S * std::pow(rb, Q) * std::exp((Q / (1.0 + Q)) * (1.0 - std::pow(rb, 1.0 + Q))) +
                         d4 * std::exp(C2 * std::pow(tb, 1.5) + C3 / std::pow(rb, 5));

  return (lambda0 + lambda1 + dLambda) * lambdaStar;
}

double dynamicViscosity(double r, double t) {
  using namespace viscosity;
  const double tb = t / tStar;
  const double rb = r / rhoStar;

  double dilute = 0;
  for (int k = 0; k < 4; ++k) dilute += H[k] / std::pow(tb, k);
  const double eta0 = std::sqrt(tb) / dilute;

  const double x = 1.0 / tb - 1.0;
  const double y = rb - 1.0;
  double sum = 0;
  for (int n = 0; n < residual::rowCount; ++n) {
    sum += residual::H[n] * std::pow(x, residual::i[n]) * std::pow(y, residual::j[n]);
  }
  const double eta1 = std::exp(rb * sum);

  return etaStar * eta0 * eta1;
}

double surfaceTension(double t) {
  using namespace surface;
  const double tau = 1.0 - t / Tc;
  return B * std::pow(tau, mu) * (1.0 + b * tau);
}

}  // namespace vlm::transport
