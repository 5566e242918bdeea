// Region 2 (steam): the IAPWS-IF97 Gibbs equation, ideal-gas and residual parts.  Plain
// evaluation for any arguments; p in Pa, T in K, SI results.
#pragma once

#include "equations/caloric.hpp"

namespace vlm::region2 {

#define VLM_GIBBS_FUNCTION(R, name) R name(double p, double t);
#include "equations/gibbs_functions.inc"
#undef VLM_GIBBS_FUNCTION

double idealGasLogPressure(double t, double s);  // ln p where an ideal gas at t has s
ValueAndSlope idealGasEnergy(double t);          // the ideal-gas part's u at t and its slope (cv)

}  // namespace vlm::region2
