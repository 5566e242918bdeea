// Whole states by the scientific formulation (IAPWS-95) from any pair: single phases by Newton
// in (density, T) started from the industrial formulation's state of the same pair, so the
// same state is chosen where a pair has two; wet steam by Newton in (T, x) on the formulation's
// own phase equilibrium.  Its range: 273.16 K to 1273 K, above 0 up to 1000 MPa.
#pragma once

#include "solvers/further.hpp"
#include "solvers/physics.hpp"
#include "velmora.h"

namespace vlm::state95 {

using state::Code;

// The state of a vlm_pair: region says where the industrial formulation puts its (p, T) (4 for
// wet steam), the fields are the scientific formulation's with the transport equations of 2008
// (viscosity), 2011 (thermal conductivity) and 2014 (surface tension).  Code 2 for a pair this
// formulation does not take or a state outside its range (when the settings check it), code 3
// where no state is found, code 1 at the critical point itself, where cp and cv are infinite.
// With `further`, also its derivatives, from the evaluation that gave the state.
Code solve(int pair, double a, double b, const Config& cfg, vlm_state& out, state::Differentials* further = nullptr);

double gasConstant();  // J/(kg K)

}  // namespace vlm::state95
