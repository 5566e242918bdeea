// The backward equations' sums over the library's power-series evaluator, and the
// one-index boundary polynomials.
#pragma once

#include <array>
#include <cstddef>

#include "kernels/power_series.hpp"

namespace vlm::backward::series {

// sum n_i x^I_i y^J_i of a table declared with VLM_SERIES_TABLE.
template <class Table>
double sum(double x, double y) {
  return kernels::evaluate<Table, kernels::S>(x, y).s;
}

// A column of quarter exponents as integers (4 I): the series is then one in x^(1/4).
template <std::size_t N>
constexpr std::array<int, N> quarters(const double (&exponents)[N]) {
  std::array<int, N> out{};
  for (std::size_t k = 0; k < N; ++k) out[k] = static_cast<int>(exponents[k] * 4);
  return out;
}

// n_1 + n_2 x + n_3 x^2 + ... (Horner).
template <std::size_t N>
double polynomial(const double (&n)[N], double x) {
  double total = 0.0;
  for (std::size_t k = N; k-- > 0;) total = total * x + n[k];
  return total;
}

}  // namespace vlm::backward::series
