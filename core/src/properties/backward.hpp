// Backward and boundary equations of IAPWS-IF97 and its supplementary releases: a state from
// (p, h), (p, s) or (h, s) without iterating, to within a few hundredths of a kelvin of the
// forward equations, as start values for a Newton polish on them.  Plain evaluation for any
// arguments, no status: p in Pa, T in K, h in J/kg, s in J/(kg K), v in m3/kg.
#pragma once

namespace vlm::backward {

// Region 1: T from (p, h) and (p, s).
double t1PH(double p, double h);
double t1PS(double p, double s);

// Subregions of regions 2 and 3 for the backward equations.
enum class Sub : char { a = 'a', b = 'b', c = 'c' };

// Region 2: T from (p, h) and (p, s), the subregion chosen as the equations' own rules do.
Sub region2PH(double p, double h);
Sub region2PS(double p, double s);
double t2PH(double p, double h);
double t2PS(double p, double s);
double h2bc(double p);  // the 2b/2c boundary, h of p
double p2bc(double h);  // and its inverse

// Region 3: T and v from (p, h) and (p, s); the saturation pressure from h or s on the part
// of the saturation line inside region 3 (623.15 K up to the critical point).
inline constexpr double sCritical = 4412.02148223476;  // the 3a/3b boundary in s, J/(kg K)
Sub region3PH(double p, double h);
Sub region3PS(double p, double s);
double h3ab(double p);  // the 3a/3b boundary in h; it passes through the critical point
double t3PH(double p, double h);
double v3PH(double p, double h);
double t3PS(double p, double s);
double v3PS(double p, double s);
double pSat3H(double h);
double pSat3S(double s);

// Pressure from (h, s) in regions 1, 2 and 3.
Sub region2HS(double h, double s);
double h2ab(double s);  // the 2a/2b boundary in (h, s), close to the 4 MPa isobar
double p1HS(double h, double s);
double p2HS(double h, double s);
double p3HS(double h, double s);

// Boundaries in the (h, s) plane, each valid on its own range of s.
double hLiquid1(double s);     // saturated liquid, 273.15 K to 623.15 K
double hLiquid3a(double s);    // saturated liquid, 623.15 K to the critical point
double hVapour2ab(double s);   // saturated vapour, s from 5.85 kJ/(kg K) up
double hVapour2c3b(double s);  // saturated vapour, from the critical point to 5.85 kJ/(kg K)
double hB13(double s);         // the 623.15 K isotherm between regions 1 and 3
double tB23HS(double h, double s);
double tSatHS(double h, double s);  // saturation temperature of wet steam

}  // namespace vlm::backward
