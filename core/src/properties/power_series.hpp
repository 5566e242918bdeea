// Sums of the form  sum_i n_i x^I_i y^J_i  over one coefficient table (parallel arrays I, J,
// n), without a pow call per term: the integer powers of x and of y that the table uses are
// formed once by a ladder of multiplications (negative ones from the reciprocal), and each
// term then costs two look-ups and two multiplications.
#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace vlm::series {

// The exponents a table column holds, widened to include 0 so that each ladder starts at 1.
struct Span {
  int lo = 0, hi = 0;
  constexpr int size() const { return hi - lo + 1; }
};

template <const auto& E, int scale>
constexpr Span span() {
  Span r;
  for (const auto e : E) {
    const int k = static_cast<int>(e * scale);
    r.lo = std::min(r.lo, k);
    r.hi = std::max(r.hi, k);
  }
  return r;
}

// out[e - lo] = x^e for every e in [lo, hi].
template <Span S>
void ladder(double x, double* out) {
  double* one = out - S.lo;
  one[0] = 1.0;
  for (int e = 1; e <= S.hi; ++e) one[e] = one[e - 1] * x;
  if constexpr (S.lo < 0) {
    const double r = 1.0 / x;
    for (int e = -1; e >= S.lo; --e) one[e] = one[e + 1] * r;
  }
}

// sum n_i x^(I_i * scale) y^J_i.  A column I of quarter exponents is read with scale 4 and x
// the fourth root of its variable.
template <const auto& I, const auto& J, const auto& n, int scale = 1>
double sum(double x, double y) {
  constexpr Span si = span<I, scale>();
  constexpr Span sj = span<J, 1>();
  double px[si.size()], py[sj.size()];
  ladder<si>(x, px);
  ladder<sj>(y, py);
  double total = 0.0;
  for (std::size_t k = 0; k < std::size(n); ++k) {
    total += n[k] * px[static_cast<int>(I[k] * scale) - si.lo] * py[J[k] - sj.lo];
  }
  return total;
}

// n_1 + n_2 x + n_3 x^2 + ... (Horner), for the one-index boundary polynomials.
template <std::size_t N>
double polynomial(const double (&n)[N], double x) {
  double total = 0.0;
  for (std::size_t k = N; k-- > 0;) total = total * x + n[k];
  return total;
}

}  // namespace vlm::series
