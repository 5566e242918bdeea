// Constants shared by the equation families.  Pressures are defined in MPa and multiplied
// out, so the values in Pa are exactly what the library has always computed with.
#pragma once

namespace vlm::constants {

inline constexpr double R = 461.526;  // specific gas constant of water, J/(kg K)

inline constexpr double Ttriple = 273.16;     // lowest temperature of every check, K
inline constexpr double Tcritical = 647.096;  // upper end of the saturation line, K
inline constexpr double T13 = 623.15;         // regions 1/3, lower end of the B23 line, K
inline constexpr double T25 = 863.15;         // upper end of the B23 line, K
inline constexpr double T5 = 1073.15;         // regions 2/5, K
inline constexpr double Tmax = 2273.15;       // highest temperature, K

inline constexpr double MPa = 1000000.0;
inline constexpr double pMin = 0.000611212677444345 * MPa;  // saturation pressure at 273.15 K
// B23 pressure at 623.15 K.  Written in Pa: the product 16.5291642526216 * MPa lands one
// step above the listed 16529164.2526216 Pa, which would refuse the listed limit itself.
inline constexpr double p23Min = 16529164.2526216;
inline constexpr double pCritical = 22.0640000003205 * MPa;  // saturation pressure at 647.096 K
inline constexpr double pMax = 100.0 * MPa;
inline constexpr double p5Max = 10.0 * MPa;

}  // namespace vlm::constants
