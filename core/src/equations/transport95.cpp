#include "equations/transport95.hpp"

#include <cmath>
#include <cstring>
#include <numbers>

#include "equations/iapws95.hpp"

namespace vlm::iapws95 {
namespace {

namespace viscosity0 {
#include "tables/iapws_viscosity2008_H0.inc"
}
namespace viscosity1 {
#include "tables/iapws_viscosity2008_H1.inc"
}
namespace viscosityConstants {
#include "tables/iapws_viscosity2008_constants.inc"
}
namespace conductivity0 {
#include "tables/iapws_conductivity2011_L0.inc"
}
namespace conductivity1 {
#include "tables/iapws_conductivity2011_L1.inc"
}
namespace conductivityConstants {
#include "tables/iapws_conductivity2011_constants.inc"
}
namespace tension {
#include "tables/iapws_surface_tension2014.inc"
}

// A constant of a (name, value) table by its name; NaN for a name it lacks, which the
// verification values would show at once.
template <int N>
double named(const char* const (&names)[N], const double (&values)[N], const char* name) {
  for (int i = 0; i < N; ++i)
    if (std::strcmp(names[i], name) == 0) return values[i];
  return NAN;
}
double viscosityConstant(const char* name) { return named(viscosityConstants::name, viscosityConstants::value, name); }
double conductivityConstant(const char* name) {
  return named(conductivityConstants::name, conductivityConstants::value, name);
}

// The constants of both equations, read once.
struct Constants {
  double tRef = viscosityConstant("T_ref"), rhoRef = viscosityConstant("rho_ref");
  double pRef = viscosityConstant("p_ref") * 1e6, muRef = viscosityConstant("mu_ref");
  double xMu = viscosityConstant("x_mu"), qC = 1.0 / viscosityConstant("qC_inv");
  double qDmu = 1.0 / viscosityConstant("qD_inv"), xiSwitch = viscosityConstant("xi_switch");
  double nu = viscosityConstant("nu"), gamma = viscosityConstant("gamma");
  double xi0 = viscosityConstant("xi0"), gamma0 = viscosityConstant("Gamma0");
  double tR = viscosityConstant("T_R_bar");
  double lambdaRef = conductivityConstant("lambda_ref"), bigLambda = conductivityConstant("Lambda");
  double qDlambda = 1.0 / conductivityConstant("qD_inv"), yMin = conductivityConstant("y_min");
  double r = conductivityConstant("R") * 1000.0;
};
const Constants& constants() {
  static const Constants c;
  return c;
}

// sum c_ij (1/T - 1)^i (rho - 1)^j over a table of non-zero coefficients (reduced T, rho),
// the powers found once by multiplication.
double residualSum(const int* i, const int* j, const double* c, int n, double tb, double rb) {
  constexpr int kMost = 8;  // beyond every exponent of both tables
  double ti[kMost] = {1.0}, rj[kMost] = {1.0};
  for (int m = 1; m < kMost; ++m) {
    ti[m] = ti[m - 1] * (1.0 / tb - 1.0);
    rj[m] = rj[m - 1] * (rb - 1.0);
  }
  double sum = 0.0;
  for (int k = 0; k < n; ++k) sum += c[k] * ti[i[k]] * rj[j[k]];
  return sum;
}

// sum c_i / T^i.
double inversePowers(const double* c, int n, double tb) {
  double sum = 0.0, power = 1.0;
  for (int i = 0; i < n; ++i, power /= tb) sum += c[i] * power;
  return sum;
}

// The correlation length (nm) of the critical enhancement from (d rho / d p)_T at the state
// and at the reference temperature, 0 where the enhancement vanishes.
double correlationLength(double rho, double t, double dpdr) {
  const Constants& k = constants();
  const double tb = t / k.tRef, rb = rho / k.rhoRef, scale = k.pRef / k.rhoRef;
  const double reference = scale / pressure(rho, k.tR * k.tRef).dpdr;
  const double chi = rb * (scale / dpdr - reference * k.tR / tb);
  return chi > 0.0 ? k.xi0 * std::pow(chi / k.gamma0, k.nu / k.gamma) : 0.0;
}

// The viscosity's critical factor mu2 from the correlation length.
double viscosityEnhancement(double xi) {
  const Constants& k = constants();
  if (xi <= 0.0) return 1.0;
  const double x = k.qC * xi, y = k.qDmu * xi;
  double big;
  if (xi <= k.xiSwitch) {
    // The series the equation gives for short lengths, where the closed form cancels.
    big = x * std::pow(y, 5) / 5.0 * (1.0 - x + x * x - 765.0 / 504.0 * y * y);
  } else {
    const double psi = std::acos(1.0 / std::sqrt(1.0 + y * y));
    const double w = std::sqrt(std::fabs((x - 1.0) / (x + 1.0))) * std::tan(psi / 2.0);
    const double l = x > 1.0 ? std::log((1.0 + w) / (1.0 - w)) : 2.0 * std::atan(std::fabs(w));
    big = std::sin(3.0 * psi) / 12.0 - std::sin(2.0 * psi) / (4.0 * x) +
          (1.0 - 1.25 * x * x) / (x * x) * std::sin(psi) -
          ((1.0 - 1.5 * x * x) * psi - std::pow(std::fabs(x * x - 1.0), 1.5) * l) / (x * x * x);
  }
  return std::exp(k.xMu * big);
}

// mu0 mu1, the viscosity without its critical factor, reduced.
double viscosityBackground(double tb, double rb) {
  const double mu0 = 100.0 * std::sqrt(tb) / inversePowers(viscosity0::H, viscosity0::rowCount, tb);
  return mu0 * std::exp(rb * residualSum(viscosity1::i, viscosity1::j, viscosity1::H, viscosity1::rowCount, tb, rb));
}

// lambda0 lambda1, the conductivity without its critical part, reduced.
double conductivityBackground(double tb, double rb) {
  const double lambda0 = std::sqrt(tb) / inversePowers(conductivity0::L, conductivity0::rowCount, tb);
  return lambda0 * std::exp(rb * residualSum(conductivity1::i, conductivity1::j, conductivity1::L,
                                             conductivity1::rowCount, tb, rb));
}

Transport evaluate(double rho, double t, double cp, double cv, double dpdr, bool enhanced) {
  const Constants& k = constants();
  const double tb = t / k.tRef, rb = rho / k.rhoRef;
  const double xi = enhanced ? correlationLength(rho, t, dpdr) : 0.0;
  const double mu = viscosityBackground(tb, rb) * viscosityEnhancement(xi);  // reduced, with mu2
  const double y = k.qDlambda * xi;
  double critical = 0.0;
  if (y >= k.yMin) {
    const double kappaInv = cv / cp;
    const double z =
        2.0 / (std::numbers::pi * y) *
        ((1.0 - kappaInv) * std::atan(y) + kappaInv * y - (1.0 - std::exp(-1.0 / (1.0 / y + y * y / (3.0 * rb * rb)))));
    critical = k.bigLambda * rb * (cp / k.r) * tb / mu * z;
  }
  return {mu * k.muRef, (conductivityBackground(tb, rb) + critical) * k.lambdaRef};
}

Transport evaluate(double rho, double t, bool enhanced) {
  const Properties pr = properties(rho, t);
  return evaluate(rho, t, pr.cp, pr.cv, pressure(rho, t).dpdr, enhanced);
}

}  // namespace

Transport transport(double rho, double t, double cp, double cv, double dpdr) {
  return evaluate(rho, t, cp, cv, dpdr, true);
}

double viscosity(double rho, double t, bool enhanced) { return evaluate(rho, t, enhanced).viscosity; }
double conductivity(double rho, double t, bool enhanced) { return evaluate(rho, t, enhanced).conductivity; }

double surfaceTension(double t) {
  const double tc = named(tension::name, tension::value, "Tc"), big = named(tension::name, tension::value, "B");
  const double b = named(tension::name, tension::value, "b"), mu = named(tension::name, tension::value, "mu");
  const double theta = 1.0 - t / tc;
  if (!(theta >= 0.0)) return NAN;
  return big * std::pow(theta, mu) * (1.0 + b * theta) * 1e-3;
}

}  // namespace vlm::iapws95
