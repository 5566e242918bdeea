// Region 1 (compressed liquid): the IAPWS-IF97 Gibbs equation (its backward equations are in
// properties/backward.hpp).  Plain evaluation for any arguments; p in Pa, T in K, SI results.
#pragma once

#include <cstddef>

#include "equations/caloric.hpp"

namespace vlm::region1 {

#define VLM_GIBBS_FUNCTION(R, name) R name(double p, double t);
#include "equations/gibbs_functions.inc"
#undef VLM_GIBBS_FUNCTION

// Property q at n points into out, each value bit for bit that of the function of (p, t).
void caloricLanes(Caloric q, std::size_t n, const double* p, const double* t, double* out);

}  // namespace vlm::region1
