#include "region1.hpp"

#include <cmath>

#include "constants.hpp"

namespace vlm::region1 {
namespace {

namespace gibbs {
#include "tables/region1.inc"
}
namespace backwardPH {
#include "tables/region1_T_ph.inc"
}
namespace backwardPS {
#include "tables/region1_T_ps.inc"
}

using constants::R;
constexpr double pStar = 16.53 * constants::MPa;
constexpr double tStar = 1386.0;

// Which derivatives of gamma a property needs.
enum Need : unsigned { G = 1, GP = 2, GPP = 4, GT = 8, GTT = 16, GPT = 32 };

struct Sums {
  double pi, tau;
  double g = 0, gp = 0, gpp = 0, gt = 0, gtt = 0, gpt = 0;
};

// One pass over the 34 rows in table order, forming only the sums asked for.
Sums sums(double p, double t, unsigned need) {
  Sums r{p / pStar, tStar / t};
  const double a = 7.1 - r.pi;
  const double b = r.tau - 1.222;
  using gibbs::I, gibbs::J, gibbs::n;
  for (int i = 0; i < gibbs::rowCount; ++i) {
    const double ni = n[i], ii = I[i], ji = J[i];
    if (need & G) r.g += ni * std::pow(a, ii) * std::pow(b, ji);
    if (need & GP) r.gp += -ni * ii * std::pow(a, ii - 1) * std::pow(b, ji);
    if (need & GPP) r.gpp += ni * ii * (ii - 1) * std::pow(a, ii - 2) * std::pow(b, ji);
    if (need & GT) r.gt += ni * ji * std::pow(a, ii) * std::pow(b, ji - 1);
    if (need & GTT) r.gtt += ni * ji * (ji - 1) * std::pow(a, ii) * std::pow(b, ji - 2);
    if (need & GPT) r.gpt += -ni * ii * ji * std::pow(a, ii - 1) * std::pow(b, ji - 1);
  }
  return r;
}

template <class Table>
double backward(double x, double y) {
  double theta = 0;
  for (int i = 0; i < Table::rowCount; ++i) {
    theta += Table::n[i] * std::pow(x, Table::I[i]) * std::pow(y, Table::J[i]);
  }
  return theta;
}

struct PHTable {
  static constexpr int rowCount = backwardPH::rowCount;
  static constexpr const int* I = backwardPH::I;
  static constexpr const int* J = backwardPH::J;
  static constexpr const double* n = backwardPH::n;
};
struct PSTable {
  static constexpr int rowCount = backwardPS::rowCount;
  static constexpr const int* I = backwardPS::I;
  static constexpr const int* J = backwardPS::J;
  static constexpr const double* n = backwardPS::n;
};

}  // namespace

double v(double p, double t) { return R * t * sums(p, t, GP).gp / pStar; }

double u(double p, double t) {
  const auto s = sums(p, t, GP | GT);
  return R * t * (s.tau * s.gt - s.pi * s.gp);
}

double s(double p, double t) {
  const auto s = sums(p, t, G | GT);
  return R * (s.tau * s.gt - s.g);
}

double h(double p, double t) { return R * tStar * sums(p, t, GT).gt; }

double cp(double p, double t) {
  const auto s = sums(p, t, GTT);
  return -R * s.tau * s.tau * s.gtt;
}

double cv(double p, double t) {
  const auto s = sums(p, t, GP | GPP | GPT | GTT);
  const double mixed = s.gp - s.tau * s.gpt;
  return R * (-s.tau * s.tau * s.gtt + mixed * mixed / s.gpp);
}

double w(double p, double t) {
  const auto s = sums(p, t, GP | GPP | GPT | GTT);
  const double mixed = s.gp - s.tau * s.gpt;
  return s.gp * std::sqrt(R * t / (mixed * mixed / (s.tau * s.tau * s.gtt) - s.gpp));
}

double tFromPH(double p, double h) { return backward<PHTable>(p / constants::MPa, h / 2500000.0 + 1.0); }

double tFromPS(double p, double s) { return backward<PSTable>(p / constants::MPa, s / 1000.0 + 2.0); }

}  // namespace vlm::region1
