// Region 1 (compressed liquid): the IAPWS-IF97 Gibbs equation (its backward equations are in
// properties/backward.hpp).  Plain evaluation for any arguments; p in Pa, T in K, SI results.
#pragma once

#include "equations/caloric.hpp"

namespace vlm::region1 {

#define VLM_GIBBS_FUNCTION(R, name) R name(double p, double t);
#include "equations/gibbs_functions.inc"
#undef VLM_GIBBS_FUNCTION

}  // namespace vlm::region1
