// Region 2 (steam): the IAPWS-IF97 Gibbs equation, ideal-gas and residual parts.  Plain
// evaluation for any arguments; p in Pa, T in K, SI results.
#pragma once

#include <cstddef>

#include "equations/caloric.hpp"

namespace vlm::region2 {

#define VLM_GIBBS_FUNCTION(R, name) R name(double p, double t);
#include "equations/gibbs_functions.inc"
#undef VLM_GIBBS_FUNCTION

// Property q at n points into out, each value bit for bit that of the function of (p, t).
void caloricLanes(Caloric q, std::size_t n, const double* p, const double* t, double* out);

double idealGasLogPressure(double t, double s);  // ln p where an ideal gas at t has s
ValueAndSlope idealGasEnergy(double t);          // the ideal-gas part's u at t and its slope (cv)

}  // namespace vlm::region2
