// Rough real-gas models of steam, for the starts of Newton's iterations on region 2's
// equation: close enough that Newton begins near the state, not in the liquid's range where
// the equation has other roots.  Nothing a state hands out comes from them.
#pragma once

#include <cmath>

#include "equations/caloric.hpp"
#include "equations/constants.hpp"
#include "equations/region2.hpp"

namespace vlm::state::real_gas {

// Van der Waals' a and b of water per kilogram, J m3/kg2 and m3/kg.
inline constexpr double a = 1705.0, b = 0.00169;

// Steam's u lies below the ideal gas's by about attraction(T) / v, attraction(T) = a1 + a2
// (550 K / T)^3.5 (fitted to region 2 within some 10 %, nearly the same at every pressure).
inline ValueAndSlope attraction(double t) {
  constexpr double a1 = 1300.0, a2 = 3800.0;
  const double r = 550.0 / t, r3 = r * r * r, r35 = r3 * std::sqrt(r);
  return {a1 + a2 * r35, -3.5 * a2 * r35 / t};
}

// Van der Waals' pressure at (T, v), or NaN where it has none (v within b, or not positive).
// No comparison meets the NaN: it would raise the invalid flag, a fault to a caller who
// unmasked that trap.
inline double pressure(double t, double v) {
  if (!(v > b)) return NAN;
  const double p = constants::R * t / (v - b) - a / (v * v);
  return p > 0.0 ? p : NAN;
}

// The pressure at which steam at T has h: a thin van der Waals gas's h lies below the ideal
// gas's by (2 attraction - R T b) p / (R T).
inline double pressureOfEnthalpy(double t, double h) {
  const double rt = constants::R * t;
  const double h0 = region2::idealGasEnergy(t).value + rt;
  return (h0 - h) * rt / (2.0 * attraction(t).value - rt * b);
}

}  // namespace vlm::state::real_gas
