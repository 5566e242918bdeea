// Region 5 (high-temperature steam): the Gibbs equation of IAPWS-IF97 as issued in 1997
// (five residual terms).  Plain
// evaluation for any arguments; p in Pa, T in K, SI results.
#pragma once

#include "equations/caloric.hpp"

namespace vlm::region5 {

#define VLM_GIBBS_FUNCTION(R, name) R name(double p, double t);
#include "equations/gibbs_functions.inc"
#undef VLM_GIBBS_FUNCTION

}  // namespace vlm::region5
