#include "region3.hpp"

#include <cmath>

#include "constants.hpp"

namespace vlm::region3 {
namespace {

namespace helmholtz {
#include "tables/region3.inc"
}

using constants::R;
constexpr double rhoStar = 322.0;               // reducing density, kg/m3
constexpr double tStar = constants::Tcritical;  // reducing temperature, K

// Which derivatives of phi a property needs.
enum Need : unsigned { F = 1, FD = 2, FDD = 4, FT = 8, FTT = 16, FDT = 32 };

struct Sums {
  double delta, tau;
  double f = 0, fd = 0, fdd = 0, ft = 0, ftt = 0, fdt = 0;
};

// The ln(delta) term, then one pass over the 39 rows in table order, forming only the sums
// asked for.
Sums sums(double r, double t, unsigned need) {
  Sums s{r / rhoStar, tStar / t};
  const double d = s.delta, tau = s.tau;
  using helmholtz::I, helmholtz::J, helmholtz::n, helmholtz::nLog;
  if (need & F) s.f = nLog * std::log(d);
  if (need & FD) s.fd = nLog / d;
  if (need & FDD) s.fdd = -nLog / (d * d);
  for (int i = 0; i < helmholtz::rowCount; ++i) {
    const double ni = n[i], ii = I[i], ji = J[i];
    if (need & F) s.f += ni * std::pow(d, ii) * std::pow(tau, ji);
    if (need & FD) s.fd += ni * ii * std::pow(d, ii - 1) * std::pow(tau, ji);
    if (need & FDD) s.fdd += ni * ii * (ii - 1) * std::pow(d, ii - 2) * std::pow(tau, ji);
    if (need & FT) s.ft += ni * ji * std::pow(d, ii) * std::pow(tau, ji - 1);
    if (need & FTT) s.ftt += ni * ji * (ji - 1) * std::pow(d, ii) * std::pow(tau, ji - 2);
    if (need & FDT) s.fdt += ni * ii * ji * std::pow(d, ii - 1) * std::pow(tau, ji - 1);
  }
  return s;
}

}  // namespace

double p(double r, double t) {
  const auto s = sums(r, t, FD);
  return r * R * t * s.delta * s.fd;
}

double u(double r, double t) { return R * tStar * sums(r, t, FT).ft; }

double s(double r, double t) {
  const auto s = sums(r, t, F | FT);
  return R * (s.tau * s.ft - s.f);
}

double h(double r, double t) {
  const auto s = sums(r, t, FD | FT);
  return R * t * (s.tau * s.ft + s.delta * s.fd);
}

double cp(double r, double t) {
  const auto s = sums(r, t, FD | FDD | FTT | FDT);
  const double mixed = s.delta * s.fd - s.delta * s.tau * s.fdt;
  return R * (-s.tau * s.tau * s.ftt + mixed * mixed / (2 * s.delta * s.fd + s.delta * s.delta * s.fdd));
}

double cv(double r, double t) {
  const auto s = sums(r, t, FTT);
  return -R * s.tau * s.tau * s.ftt;
}

double w(double r, double t) {
  const auto s = sums(r, t, FD | FDD | FTT | FDT);
  const double mixed = s.delta * s.fd - s.delta * s.tau * s.fdt;
  return std::sqrt(R * t * (2 * s.delta * s.fd + s.delta * s.delta * s.fdd - mixed * mixed / (s.tau * s.tau * s.ftt)));
}

double dpdr(double r, double t) {
  const auto s = sums(r, t, FD | FDD);
  return R * t * s.delta * (2 * s.fd + s.delta * s.fdd);
}

}  // namespace vlm::region3
