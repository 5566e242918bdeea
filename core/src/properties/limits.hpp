// The limits of the range checks, one table: the checks compare with these entries, and a
// face that reports a refused call names the entry a value broke.
#pragma once

#include "equations/constants.hpp"

namespace vlm::limits {

struct Limit {
  const char* quantity;  // the argument it bounds: "p", "T" or "x"
  double value;          // in SI units
  bool upper;
  const char* unit;  // the unit it is told in, and the SI value of one such unit
  double scale;
  const char* when;  // "" or where it holds, told after it
};

inline constexpr Limit kLowestT{"T", constants::Ttriple, false, "K", 1.0, ""};
inline constexpr Limit kHighestT{"T", constants::Tmax, true, "K", 1.0, ""};
inline constexpr Limit kLowestP{"p", constants::pMin, false, "Pa", 1.0, ""};
inline constexpr Limit kHighestP{"p", constants::pMax, true, "MPa", constants::MPa, ""};
inline constexpr Limit kHighestPAboveT5{"p", constants::p5Max, true, "MPa", constants::MPa, " for T above 1073.15 K"};
inline constexpr Limit kHighestSaturationT{"T", constants::Tcritical, true, "K", 1.0, " of the saturation line"};
inline constexpr Limit kLowestX{"x", 0.0, false, "", 1.0, ""};
inline constexpr Limit kHighestX{"x", 1.0, true, "", 1.0, ""};

// The first limit of the (p, T) range of the single-phase regions that (p, t) breaks, or
// nullptr.  Each test is written so that a NaN fails it.
inline const Limit* brokenGeneral(double p, double t) {
  using namespace constants;
  if (!(t >= Ttriple)) return &kLowestT;
  if (t > T5 && p > p5Max) return &kHighestPAboveT5;
  if (!(p >= pMin)) return &kLowestP;
  if (p > pMax) return &kHighestP;
  if (t > Tmax) return &kHighestT;
  return nullptr;
}

// The first limit of the saturation line that t breaks, or nullptr.
inline const Limit* brokenSaturation(double t) {
  if (!(t >= constants::Ttriple)) return &kLowestT;
  if (!(t <= constants::Tcritical)) return &kHighestSaturationT;
  return nullptr;
}

// The same for wet steam of dryness x at t.
inline const Limit* brokenWet(double t, double x) {
  if (const Limit* broken = brokenSaturation(t)) return broken;
  if (!(x >= 0.0)) return &kLowestX;
  if (!(x <= 1.0)) return &kHighestX;
  return nullptr;
}

}  // namespace vlm::limits
