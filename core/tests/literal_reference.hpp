// The library's equations evaluated literally, one std::pow per power of every term: the
// reference the production kernels are held to (1e-12 relative, or of the quantity's
// scale where it passes through zero).  Evaluated in double, it is today's evaluation; in
// long double, it tells how far the double evaluation itself is from the exact value where
// a property is ill-conditioned.
#pragma once

#include <cmath>

namespace literal {

namespace r1 {
#include "tables/region1.inc"
}
namespace r1ph {
#include "tables/region1_T_ph.inc"
}
namespace r1ps {
#include "tables/region1_T_ps.inc"
}
namespace r2i {
#include "tables/region2_ideal.inc"
}
namespace r2r {
#include "tables/region2_residual.inc"
}
namespace r5i {
#include "tables/region5_ideal.inc"
}
namespace r5r {
#include "tables/region5_residual.inc"
}
namespace r3 {
#include "tables/region3.inc"
}
namespace visc {
#include "tables/viscosity.inc"
}

template <class F>
constexpr F R = 461.526;

// sum n x^I y^J and its first and second partial derivatives, term by term; a term whose
// exponent factor is zero is not formed.  Beside each sum, the sum of its terms' magnitudes:
// what a relative rounding error in every term can move it by at most.
template <class F>
struct Sums {
  F s = 0, sx = 0, sxx = 0, sy = 0, syy = 0, sxy = 0;
  F magnitude[6] = {};
};

template <class F>
Sums<F> sums(int rows, const int* I, const int* J, const double* n, F x, F y) {
  Sums<F> r;
  auto term = [](F c, F x, F i, F y, F j) { return c == 0 ? F(0) : c * std::pow(x, i) * std::pow(y, j); };
  for (int k = 0; k < rows; ++k) {
    const F i = I ? I[k] : 0, j = J[k];
    const F t[6] = {term(n[k], x, i, y, j),
                    term(n[k] * i, x, i - 1, y, j),
                    term(n[k] * i * (i - 1), x, i - 2, y, j),
                    term(n[k] * j, x, i, y, j - 1),
                    term(n[k] * j * (j - 1), x, i, y, j - 2),
                    term(n[k] * i * j, x, i - 1, y, j - 1)};
    r.s += t[0], r.sx += t[1], r.sxx += t[2], r.sy += t[3], r.syy += t[4], r.sxy += t[5];
    for (int m = 0; m < 6; ++m) r.magnitude[m] += std::fabs(t[m]);
  }
  return r;
}

template <class F>
struct Caloric {
  F v, u, s, h, cp, cv, w;
  F& operator[](int k) { return (&v)[k]; }
};

// How far each property can move when every term of every sum carries a relative error of
// `termError`: the first-order effect of each sum moved by its magnitude, added up.
template <class F, class Formula>
Caloric<F> sensitivity(const Formula& formula, const F (&values)[6], const F (&magnitudes)[6], F termError) {
  Caloric<F> bound{};
  Caloric<F> base = formula(values);
  for (int m = 0; m < 6; ++m) {
    F moved[6];
    for (int k = 0; k < 6; ++k) moved[k] = values[k] + (k == m ? termError * magnitudes[k] : 0);
    Caloric<F> c = formula(moved);
    for (int q = 0; q < 7; ++q) bound[q] += std::fabs(c[q] - base[q]);
  }
  return bound;
}

template <class F>
Caloric<F> fromGibbs(F pi, F tau, F tStar, F pStar, F t, F g, F gp, F gpp, F gt, F gtt, F gpt) {
  const F mixed = gp - tau * gpt, R = literal::R<F>;
  return {R * t * gp / pStar,
          R * t * (tau * gt - pi * gp),
          R * (tau * gt - g),
          R * tStar * gt,
          -R * tau * tau * gtt,
          R * (-tau * tau * gtt + mixed * mixed / gpp),
          gp * std::sqrt(R * t / (mixed * mixed / (tau * tau * gtt) - gpp))};
}

// A region's seven properties, and how far rounding of `termError` in every term can move them.
template <class F>
struct Evaluated {
  Caloric<F> value, bound;
};

template <class F>
Evaluated<F> region1(F p, F t, F termError = 0) {
  const F pi = p / F(16.53e6), tau = F(1386.0) / t;
  const auto s = sums<F>(r1::rowCount, r1::I, r1::J, r1::n, F(7.1) - pi, tau - F(1.222));
  auto formula = [&](const F(&g)[6]) {
    return fromGibbs<F>(pi, tau, 1386.0, 16.53e6, t, g[0], g[1], g[2], g[3], g[4], g[5]);
  };
  const F g[6] = {s.s, -s.sx, s.sxx, s.sy, s.syy, -s.sxy};
  const F m[6] = {s.magnitude[0], s.magnitude[1], s.magnitude[2], s.magnitude[3], s.magnitude[4], s.magnitude[5]};
  return {formula(g), sensitivity(formula, g, m, termError)};
}

struct Table {
  int rows;
  const int *I, *J;
  const double* n;
};

template <class F>
Evaluated<F> steam(F p, F t, F tStar, F shift, const Table& o, const Table& r, F termError) {
  const F pi = p / F(1e6), tau = tStar / t;
  const auto a = sums<F>(o.rows, nullptr, o.J, o.n, 1.0, tau);
  const auto b = sums<F>(r.rows, r.I, r.J, r.n, pi, tau - shift);
  auto formula = [&](const F(&g)[6]) {
    return fromGibbs<F>(pi, tau, tStar, 1e6, t, g[0], g[1], g[2], g[3], g[4], g[5]);
  };
  const F g[6] = {std::log(pi) + a.s + b.s, 1 / pi + b.sx, -1 / (pi * pi) + b.sxx, a.sy + b.sy, a.syy + b.syy, b.sxy};
  const F m[6] = {a.magnitude[0] + b.magnitude[0], b.magnitude[1], b.magnitude[2], a.magnitude[3] + b.magnitude[3],
                  a.magnitude[4] + b.magnitude[4], b.magnitude[5]};
  return {formula(g), sensitivity(formula, g, m, termError)};
}
template <class F>
Evaluated<F> region2(F p, F t, F termError = 0) {
  return steam<F>(p, t, 540.0, 0.5, Table{r2i::rowCount, nullptr, r2i::J, r2i::n},
                  Table{r2r::rowCount, r2r::I, r2r::J, r2r::n}, termError);
}
template <class F>
Evaluated<F> region5(F p, F t, F termError = 0) {
  return steam<F>(p, t, 1000.0, 0.0, Table{r5i::rowCount, nullptr, r5i::J, r5i::n},
                  Table{r5r::rowCount, r5r::I, r5r::J, r5r::n}, termError);
}

// Region 3 from (r, t); the v slot carries the pressure.
template <class F>
Evaluated<F> region3(F r, F t, F termError = 0) {
  const F d = r / F(322.0), tau = F(647.096) / t, R = literal::R<F>;
  const auto s = sums<F>(r3::rowCount, r3::I, r3::J, r3::n, d, tau);
  auto formula = [&](const F(&f)[6]) {
    const F mixed = d * f[1] - d * tau * f[5], stiff = 2 * d * f[1] + d * d * f[2];
    return Caloric<F>{r * R * t * d * f[1],
                      R * 647.096 * f[3],
                      R * (tau * f[3] - f[0]),
                      R * t * (tau * f[3] + d * f[1]),
                      R * (-tau * tau * f[4] + mixed * mixed / stiff),
                      -R * tau * tau * f[4],
                      std::sqrt(R * t * (stiff - mixed * mixed / (tau * tau * f[4])))};
  };
  const F f[6] = {s.s + r3::nLog * std::log(d), s.sx + r3::nLog / d, s.sxx - r3::nLog / (d * d), s.sy, s.syy, s.sxy};
  const F m[6] = {s.magnitude[0], s.magnitude[1], s.magnitude[2], s.magnitude[3], s.magnitude[4], s.magnitude[5]};
  return {formula(f), sensitivity(formula, f, m, termError)};
}

template <class F>
F t1ph(F p, F h) {
  return sums<F>(r1ph::rowCount, r1ph::I, r1ph::J, r1ph::n, p / F(1e6), h / F(2500000.0) + 1).s;
}
template <class F>
F t1ps(F p, F s) {
  return sums<F>(r1ps::rowCount, r1ps::I, r1ps::J, r1ps::n, p / F(1e6), s / F(1000.0) + 2).s;
}

template <class F>
F viscosity(F r, F t) {
  const F tb = t / F(647.226), rb = r / F(317.763);
  const F H[4] = {1.0, 0.978197, 0.579829, -0.202354};
  F dilute = 0;
  for (int k = 0; k < 4; ++k) dilute += H[k] / std::pow(tb, F(k));
  F sum = 0;
  for (int k = 0; k < visc::rowCount; ++k) {
    sum += visc::H[k] * std::pow(1 / tb - 1, F(visc::i[k])) * std::pow(rb - 1, F(visc::j[k]));
  }
  return F(55.071e-6) * std::sqrt(tb) / dilute * std::exp(rb * sum);
}

template <class F>
F conductivity(F r, F t) {
  const F tb = t / F(647.256), rb = r / F(317.7);
  const F a[4] = {F(0.0102811), F(0.0299621), F(0.0156146), -F(0.00422464)};
  F lambda0 = 0;
  for (int k = 0; k < 4; ++k) lambda0 += a[k] * std::pow(tb, k + F(0.5));
  const F lambda1 =
      -F(0.39707) + F(0.400302) * rb + F(1.06) * std::exp(-F(0.171587) * (rb + F(2.39219)) * (rb + F(2.39219)));
  const F dT = std::fabs(tb - F(1.0)) + F(0.00308976);
  const F Q = F(2.0) + F(0.0822994) / std::pow(dT, F(0.6));
  const F S = tb >= F(1.0) ? F(1.0) / dT : F(10.0932) / std::pow(dT, F(0.6));
  const F dLambda =
      (F(0.0701309) / std::pow(tb, 10) + F(0.011852)) * std::pow(rb, F(1.8)) *
          std::exp(F(0.642857) * (F(1.0) - std::pow(rb, F(2.8)))) +
      F(0.00169937) * S * std::pow(rb, Q) * std::exp((Q / (F(1.0) + Q)) * (F(1.0) - std::pow(rb, F(1.0) + Q))) +
      -F(1.02) * std::exp(-F(4.11717) * std::pow(tb, F(1.5)) - F(6.17937) / std::pow(rb, 5));
  return lambda0 + lambda1 + dLambda;
}

}  // namespace literal
