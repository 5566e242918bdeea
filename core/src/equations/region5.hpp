// Region 5 (high-temperature steam): the Gibbs equation of IAPWS-IF97 as issued in 1997
// (five residual terms).  Plain
// evaluation for any arguments; p in Pa, T in K, SI results.
#pragma once

#include <cstddef>

#include "equations/caloric.hpp"

namespace vlm::region5 {

#define VLM_GIBBS_FUNCTION(R, name) R name(double p, double t);
#include "equations/gibbs_functions.inc"
#undef VLM_GIBBS_FUNCTION

// Property q at n points into out, each value bit for bit that of the function of (p, t).
void caloricLanes(Caloric q, std::size_t n, const double* p, const double* t, double* out);

}  // namespace vlm::region5
