// The saturation line and the B23 line with their validity ranges, and their unchecked
// forms for the other families.  Pressures in Pa, temperatures in K.
#pragma once

#include "properties/outcome.hpp"

namespace vlm::props {

Result saturationPressure(const Config& c, double t);     // refused outside 273.16 .. 647.096 K
Result saturationTemperature(const Config& c, double p);  // refused outside pMin .. p critical
Result b23Pressure(const Config& c, double t);            // refused outside 623.15 .. 863.15 K
Result b23Temperature(const Config& c, double p);         // refused outside p23Min .. 100 MPa

// The same without the range step.
Result saturationPressureUnchecked(double t);
Result saturationTemperatureUnchecked(double p);
Result b23PressureUnchecked(double t);
Result b23TemperatureUnchecked(double p);

}  // namespace vlm::props
