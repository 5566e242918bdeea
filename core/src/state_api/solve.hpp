// The state from pairs other than (p, T): the region from the boundary lines, a start from
// the backward equations, then Newton on the forward equations.
#pragma once

#include "state_api/physics.hpp"
#include "velmora.h"

namespace vlm::state {

Code statePT(double p, double t, const Config& cfg, vlm_state& out);
Code statePX(double p, double x, const Config& cfg, vlm_state& out);
Code statePH(double p, double h, const Config& cfg, vlm_state& out);
Code statePS(double p, double s, const Config& cfg, vlm_state& out);
Code stateHS(double h, double s, const Config& cfg, vlm_state& out);

}  // namespace vlm::state
