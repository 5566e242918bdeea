// Transport properties of water and steam from density r (kg/m3) and temperature t (K),
// and the surface tension from temperature.  Plain evaluation; range checks are the
// exports' business.
#pragma once

namespace vlm::transport {

double thermalConductivity(double r, double t);  // W/(m K), IAPS 1985 industrial equation (1998)
double dynamicViscosity(double r, double t);     // Pa s, IAPS 1985 industrial form
double surfaceTension(double t);                 // N/m, IAPWS 1994

}  // namespace vlm::transport
