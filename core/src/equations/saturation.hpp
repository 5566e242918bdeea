// The saturation line and the boundary line between regions 2 and 3 (B23).  Pressures in
// Pa, temperatures in K.
#pragma once

#include <cstddef>

namespace vlm::saturation {

// The bare equations.
double pressure(double t);     // saturation pressure
double temperature(double p);  // saturation temperature
double slope(double t);        // dp/dT along the line
// The saturation pressure at n temperatures into out, each bit for bit pressure(t[i]).
void pressureLanes(std::size_t n, const double* t, double* out);

}  // namespace vlm::saturation

namespace vlm::b23 {

double pressure(double t);
double temperature(double p);

}  // namespace vlm::b23
