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

template <Along given>
Code onIsotherm(double t, double target, const Config& c, vlm_state& out) {
  return stateOnIsotherm(t, target, given, c, out);
}
template <Along given>
Code onSaturationLine(double target, double x, const Config& c, vlm_state& out) {
  return stateOnSaturationLine(target, x, given, c, out);
}

constexpr PairEntry kPairSolves[] = {
    {VLM_PAIR_PT, solvePT},
    {VLM_PAIR_PH, statePH},
    {VLM_PAIR_PS, statePS},
    {VLM_PAIR_HS, stateHS},
    {VLM_PAIR_TX, solveTX},
    {VLM_PAIR_PX, statePX},
    {VLM_PAIR_PV, statePV},
    {VLM_PAIR_TV, onIsotherm<Along::V>},
    {VLM_PAIR_TH, onIsotherm<Along::H>},
    {VLM_PAIR_TS, onIsotherm<Along::S>},
    {VLM_PAIR_UV, stateUV},
    {VLM_PAIR_HX, onSaturationLine<Along::H>},
    {VLM_PAIR_SX, onSaturationLine<Along::S>},
};

}  // namespace

PairSolve pairSolve(int pair) {
  for (const PairEntry& e : kPairSolves) {
    if (e.pair == pair) return e.solve;
  }
  return nullptr;
}

}  // namespace vlm::state
