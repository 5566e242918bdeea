#include "solvers/pairs.hpp"

#include "solvers/fill.hpp"
#include "solvers/solve.hpp"

namespace vlm::state {
namespace {

struct PairEntry {
  int pair;
  PairSolve solve;
};

Code solvePT(double p, double t, const Config& c, vlm_state& out) { return statePT(p, t, c, out); }
Code solveTX(double t, double x, const Config& c, vlm_state& out) { return stateTX(t, x, c, out); }

constexpr PairEntry kPairSolves[] = {
    {VLM_PAIR_PT, solvePT}, {VLM_PAIR_PH, statePH}, {VLM_PAIR_PS, statePS},
    {VLM_PAIR_HS, stateHS}, {VLM_PAIR_TX, solveTX}, {VLM_PAIR_PX, statePX},
};

}  // namespace

PairSolve pairSolve(int pair) {
  for (const PairEntry& e : kPairSolves) {
    if (e.pair == pair) return e.solve;
  }
  return nullptr;
}

}  // namespace vlm::state
