// Every pair a whole state can be given by, numbered as vlm_pair, with its solve.
#pragma once

#include "solvers/physics.hpp"
#include "velmora.h"

namespace vlm::state {

using PairSolve = Code (*)(double a, double b, const Config& cfg, vlm_state& out);

// The solve of a vlm_pair number, or null for a number that names no pair.
PairSolve pairSolve(int pair);

}  // namespace vlm::state
