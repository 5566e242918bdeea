// The Gibbs free energy of the steam regions, gamma = gamma0 + gammar with
//   gamma0 = ln(pi) + sum n0 tau^J0            (ideal-gas part)
//   gammar = sum n pi^I (tau - shift)^J        (residual part)
// pi = p / p*, tau = T* / T.  Regions 2 and 5 differ only in their tables, T* and the shift,
// so both evaluate their seven properties here.
#pragma once

#include <cmath>

#include "constants.hpp"

namespace vlm::steam {

// One coefficient table as parallel arrays in table order.  The ideal-gas part has no
// pressure exponents (I is null).
struct Table {
  int rowCount;
  const int* I;
  const int* J;
  const double* n;
};

struct Equation {
  double pStar, tStar, shift;
  Table ideal, residual;
};

// Which derivatives of gamma a property needs.
enum Need : unsigned { G = 1, GP = 2, GPP = 4, GT = 8, GTT = 16, GPT = 32 };

struct Sums {
  double pi, tau;
  double g = 0, gp = 0, gpp = 0, gt = 0, gtt = 0, gpt = 0;
};

namespace detail {

// n * factor * x^i * y^j.  A term whose derivative factor is zero is zero: it is not formed,
// since x^i or y^j may be infinite there (tau = shift puts a zero base under a negative
// exponent) and would turn the whole sum into NaN.
inline double term(double n, double factor, double x, double i, double y, double j) {
  if (factor == 0) return 0.0;
  return n * factor * std::pow(x, i) * std::pow(y, j);
}

// One pass over the rows of a table in order, forming only the sums asked for.
inline Sums accumulate(const Table& table, double pi, double b, unsigned need) {
  Sums r{pi, 0};
  for (int k = 0; k < table.rowCount; ++k) {
    const double n = table.n[k], i = table.I ? table.I[k] : 0, j = table.J[k];
    if (need & G) r.g += term(n, 1, pi, i, b, j);
    if (need & GP) r.gp += term(n, i, pi, i - 1, b, j);
    if (need & GPP) r.gpp += term(n, i * (i - 1), pi, i - 2, b, j);
    if (need & GT) r.gt += term(n, j, pi, i, b, j - 1);
    if (need & GTT) r.gtt += term(n, j * (j - 1), pi, i, b, j - 2);
    if (need & GPT) r.gpt += term(n, i * j, pi, i - 1, b, j - 1);
  }
  return r;
}

}  // namespace detail

// The derivatives of gamma at (p, t).  The pressure derivatives of the ideal-gas part are
// taken in closed form (1/pi, -1/pi^2); ln(pi) is formed only for gamma itself.
inline Sums sums(const Equation& e, double p, double t, unsigned need) {
  Sums s{p / e.pStar, e.tStar / t};
  const Sums o = detail::accumulate(e.ideal, s.pi, s.tau, need & (G | GT | GTT));
  const Sums r = detail::accumulate(e.residual, s.pi, s.tau - e.shift, need);
  if (need & G) s.g = std::log(s.pi) + o.g + r.g;
  if (need & GP) s.gp = 1 / s.pi + r.gp;
  if (need & GPP) s.gpp = -1 / (s.pi * s.pi) + r.gpp;
  if (need & GT) s.gt = o.gt + r.gt;
  if (need & GTT) s.gtt = o.gtt + r.gtt;
  if (need & GPT) s.gpt = r.gpt;
  return s;
}

using constants::R;

inline double v(const Equation& e, double p, double t) { return R * t * sums(e, p, t, GP).gp / e.pStar; }

inline double u(const Equation& e, double p, double t) {
  const auto s = sums(e, p, t, GP | GT);
  return R * t * (s.tau * s.gt - s.pi * s.gp);
}

inline double s(const Equation& e, double p, double t) {
  const auto s = sums(e, p, t, G | GT);
  return R * (s.tau * s.gt - s.g);
}

inline double h(const Equation& e, double p, double t) { return R * e.tStar * sums(e, p, t, GT).gt; }

inline double cp(const Equation& e, double p, double t) {
  const auto s = sums(e, p, t, GTT);
  return -R * s.tau * s.tau * s.gtt;
}

inline double cv(const Equation& e, double p, double t) {
  const auto s = sums(e, p, t, GP | GPP | GPT | GTT);
  const double mixed = s.gp - s.tau * s.gpt;
  return R * (-s.tau * s.tau * s.gtt + mixed * mixed / s.gpp);
}

inline double w(const Equation& e, double p, double t) {
  const auto s = sums(e, p, t, GP | GPP | GPT | GTT);
  const double mixed = s.gp - s.tau * s.gpt;
  return s.gp * std::sqrt(R * t / (mixed * mixed / (s.tau * s.tau * s.gtt) - s.gpp));
}

}  // namespace vlm::steam
