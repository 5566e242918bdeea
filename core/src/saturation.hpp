// The saturation line and the boundary line between regions 2 and 3 (B23).  Pressures in
// Pa, temperatures in K.
#pragma once

namespace vlm::saturation {

// The bare equations.
double pressure(double t);     // saturation pressure
double temperature(double p);  // saturation temperature

// Unchecked internal forms for the other families: no range check, and the last-error
// code set as an export's computation sets it (0, or 1 and -1 after a fault).
double pressureUnchecked(double t);
double temperatureUnchecked(double p);

}  // namespace vlm::saturation

namespace vlm::b23 {

double pressure(double t);
double temperature(double p);

double pressureUnchecked(double t);
double temperatureUnchecked(double p);

}  // namespace vlm::b23
