// The limits of the range checks, one table: the checks compare with these entries, and a
// face that reports a refused call names the entry a value broke.
#pragma once

#include "equations/constants.hpp"

namespace vlm::limits {

struct Limit {
  const char* quantity;  // the argument it bounds: "p", "T", "x", "h" or "s"
  double value;          // in SI units
  bool upper;
  const char* unit;  // the unit it is told in, and the SI value of one such unit
  double scale;
  const char* when;  // "" or where it holds, told after it
};

namespace c = constants;

inline constexpr double kConductivityT1 = 773.15, kConductivityP1 = 70.0 * c::MPa;
inline constexpr double kConductivityT2 = 923.15, kConductivityP2 = 40.0 * c::MPa;
inline constexpr double kViscosityTmax = 1173.15;  // the viscosity equation of (density, T)

inline constexpr Limit kLowestT{"T", c::Ttriple, false, "K", 1.0, ""};
inline constexpr Limit kHighestT{"T", c::Tmax, true, "K", 1.0, ""};
inline constexpr Limit kLowestP{"p", c::pMin, false, "Pa", 1.0, ""};
inline constexpr Limit kHighestP{"p", c::pMax, true, "MPa", c::MPa, ""};
inline constexpr Limit kHighestPAboveT5{"p", c::p5Max, true, "MPa", c::MPa, " for T above 1073.15 K"};
inline constexpr Limit kHighestSaturationT{"T", c::Tcritical, true, "K", 1.0, " of the saturation line"};
inline constexpr Limit kHighestSaturationP{"p", c::pCritical, true, "MPa", c::MPa, " of the saturation line"};
inline constexpr Limit kLowestX{"x", 0.0, false, "", 1.0, ""};
inline constexpr Limit kHighestX{"x", 1.0, true, "", 1.0, ""};
inline constexpr Limit kLowestB23T{"T", c::T13, false, "K", 1.0, " of the region 2-3 boundary"};
inline constexpr Limit kHighestB23T{"T", c::T25, true, "K", 1.0, " of the region 2-3 boundary"};
inline constexpr Limit kLowestB23P{"p", c::p23Min, false, "MPa", c::MPa, " of the region 2-3 boundary"};
inline constexpr Limit kHighestTransportT{"T", c::T5, true, "K", 1.0, " of the transport equations"};
inline constexpr Limit kHighestViscosityT{"T", kViscosityTmax, true, "K", 1.0, " of the viscosity equation"};
inline constexpr Limit kHighestConductivityP1{"p", kConductivityP1, true, "MPa", c::MPa, " for T above 773.15 K"};
inline constexpr Limit kHighestConductivityP2{"p", kConductivityP2, true, "MPa", c::MPa, " for T above 923.15 K"};

// Every test below is written so that a NaN fails it; each function answers the first limit
// its arguments break, or nullptr.

// The (p, T) range of the single-phase regions.
inline const Limit* brokenGeneral(double p, double t) {
  if (!(t >= c::Ttriple)) return &kLowestT;
  if (t > c::T5 && p > c::p5Max) return &kHighestPAboveT5;
  if (!(p >= c::pMin)) return &kLowestP;
  if (p > c::pMax) return &kHighestP;
  if (t > c::Tmax) return &kHighestT;
  return nullptr;
}

// A temperature of the range, whatever the pressure.
inline const Limit* brokenTemperature(double t) {
  if (!(t >= c::Ttriple)) return &kLowestT;
  if (!(t <= c::Tmax)) return &kHighestT;
  return nullptr;
}

inline const Limit* brokenDryness(double x) {
  if (!(x >= 0.0)) return &kLowestX;
  if (!(x <= 1.0)) return &kHighestX;
  return nullptr;
}

// The saturation line by temperature, and wet steam of dryness x on it.
inline const Limit* brokenSaturation(double t) {
  if (!(t >= c::Ttriple)) return &kLowestT;
  if (!(t <= c::Tcritical)) return &kHighestSaturationT;
  return nullptr;
}
inline const Limit* brokenWet(double t, double x) {
  if (const Limit* broken = brokenSaturation(t)) return broken;
  return brokenDryness(x);
}

// The saturation line by pressure, up to `top` (the critical pressure, or the few ulp above
// it that the line gives at the critical temperature).
inline const Limit* brokenSaturationPressure(double p, double top = c::pCritical) {
  if (!(p <= top)) return &kHighestSaturationP;
  if (!(p >= c::pMin)) return &kLowestP;
  return nullptr;
}

// The region 2-3 boundary, by temperature and by pressure.
inline const Limit* brokenB23Temperature(double t) {
  if (!(t <= c::T25)) return &kHighestB23T;
  if (!(t >= c::T13)) return &kLowestB23T;
  return nullptr;
}
inline const Limit* brokenB23Pressure(double p) {
  if (!(p <= c::pMax)) return &kHighestP;
  if (!(p >= c::p23Min)) return &kLowestB23P;
  return nullptr;
}

// The pressure of an isobar the (p, h) and (p, s) solvers accept.
inline const Limit* brokenPressure(double p) {
  if (!(p >= c::pMin)) return &kLowestP;
  if (!(p <= c::pMax)) return &kHighestP;
  return nullptr;
}

// The transport equations: viscosity of (p, T), thermal conductivity of (p, T) with its two
// steps in pressure, and both of (density, T), where only T is checked.
inline const Limit* brokenViscosity(double p, double t) {
  if (!(t >= c::Ttriple)) return &kLowestT;
  if (!(t <= c::T5)) return &kHighestTransportT;
  return brokenPressure(p);
}
inline const Limit* brokenConductivity(double p, double t) {
  if (const Limit* broken = brokenViscosity(p, t)) return broken;
  if (t > kConductivityT1 && p > kConductivityP1) return &kHighestConductivityP1;
  if (t > kConductivityT2 && p > kConductivityP2) return &kHighestConductivityP2;
  return nullptr;
}
inline const Limit* brokenConductivityOfDensity(double t) {
  if (!(t >= c::Ttriple)) return &kLowestT;
  if (!(t <= c::T5)) return &kHighestTransportT;
  return nullptr;
}
inline const Limit* brokenViscosityOfDensity(double t) {
  if (!(t >= c::Ttriple)) return &kLowestT;
  if (!(t <= kViscosityTmax)) return &kHighestViscosityT;
  return nullptr;
}

// Which of the checks above an export applies to its arguments, named in the table of
// exports; `broken` answers the first limit its arguments (in the export's order) break.
enum class Check {
  None,
  General,         // (p, T)
  WetGeneral,      // (p, T, x): (p, T), then x, which counts on the saturation line
  Saturation,      // (T, ...)
  Wet,             // (T, x)
  SaturationP,     // (p)
  WetP,            // (p, x)
  B23T,            // (T)
  B23P,            // (p)
  Pressure,        // (p, ...)
  Temperature,     // (T, ...)
  SecondDryness,   // (..., x)
  Conductivity,    // (p, T)
  Viscosity,       // (p, T)
  ConductivityRT,  // (density, T)
  ViscosityRT,     // (density, T)
};

inline const Limit* broken(Check check, const double* a) {
  switch (check) {
    case Check::None:
      return nullptr;
    case Check::General:
      return brokenGeneral(a[0], a[1]);
    case Check::WetGeneral: {
      const Limit* first = brokenGeneral(a[0], a[1]);
      return first ? first : brokenDryness(a[2]);
    }
    case Check::Saturation:
      return brokenSaturation(a[0]);
    case Check::Wet:
      return brokenWet(a[0], a[1]);
    case Check::SaturationP:
      return brokenSaturationPressure(a[0]);
    case Check::WetP: {
      const Limit* first = brokenSaturationPressure(a[0]);
      return first ? first : brokenDryness(a[1]);
    }
    case Check::B23T:
      return brokenB23Temperature(a[0]);
    case Check::B23P:
      return brokenB23Pressure(a[0]);
    case Check::Pressure:
      return brokenPressure(a[0]);
    case Check::Temperature:
      return brokenTemperature(a[0]);
    case Check::SecondDryness:
      return brokenDryness(a[1]);
    case Check::Conductivity:
      return brokenConductivity(a[0], a[1]);
    case Check::Viscosity:
      return brokenViscosity(a[0], a[1]);
    case Check::ConductivityRT:
      return brokenConductivityOfDensity(a[1]);
    case Check::ViscosityRT:
      return brokenViscosityOfDensity(a[1]);
  }
  return nullptr;
}

}  // namespace vlm::limits
