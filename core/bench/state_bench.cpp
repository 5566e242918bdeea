// Speed of the state interface: the whole state from each pair, over states spread across a
// small range of one region (the pairs are made from (p, T) states before timing).
#include <benchmark/benchmark.h>

#include <array>

#include "velmora.h"

namespace {

constexpr int kPoints = 64;

using Solve = int (*)(double, double, const vlm_settings*, vlm_state*);
using Field = double vlm_state::*;

// kPoints states at p over T in [tLo, tHi] (or, for wet steam, x in [0, 1] at T = tLo),
// then each solved back to the whole state from its fields a and b.
void states(benchmark::State& state, Solve solve, Field a, Field b, double p, double tLo, double tHi) {
  std::array<vlm_state, kPoints> given{};
  for (int i = 0; i < kPoints; ++i) {
    const double f = double(i) / (kPoints - 1);
    if (tHi < tLo) {
      vlm_state_tx(tLo, f, nullptr, &given[i]);
    } else {
      vlm_state_pt(p, tLo + (tHi - tLo) * f, nullptr, &given[i]);
    }
  }
  vlm_state out;
  int i = 0;
  for (auto _ : state) {
    const vlm_state& g = given[i];
    benchmark::DoNotOptimize(solve(g.*a, g.*b, nullptr, &out));
    benchmark::ClobberMemory();
    i = (i + 1) & (kPoints - 1);
  }
}

using S = vlm_state;
// Liquid, steam, region 3 and wet steam for each pair (region 3 from 25 MPa, 650-655 K).
#define VLM_STATE_BENCH(name, solve, a, b)                                        \
  BENCHMARK_CAPTURE(states, name##_region1, solve, &S::a, &S::b, 3e6, 300, 350);  \
  BENCHMARK_CAPTURE(states, name##_region2, solve, &S::a, &S::b, 3e6, 700, 750);  \
  BENCHMARK_CAPTURE(states, name##_region3, solve, &S::a, &S::b, 25e6, 650, 655); \
  BENCHMARK_CAPTURE(states, name##_wet, solve, &S::a, &S::b, 0, 450, 0);

BENCHMARK_CAPTURE(states, state_pt_liquid, vlm_state_pt, &S::p, &S::T, 3e6, 300, 350);
BENCHMARK_CAPTURE(states, state_pt_steam, vlm_state_pt, &S::p, &S::T, 3e6, 700, 750);
VLM_STATE_BENCH(state_ph, vlm_state_ph, p, h)
VLM_STATE_BENCH(state_ps, vlm_state_ps, p, s)
VLM_STATE_BENCH(state_hs, vlm_state_hs, h, s)
VLM_STATE_BENCH(state_pv, vlm_state_pv, p, v)
VLM_STATE_BENCH(state_tv, vlm_state_tv, T, v)
VLM_STATE_BENCH(state_th, vlm_state_th, T, h)
VLM_STATE_BENCH(state_ts, vlm_state_ts, T, s)
VLM_STATE_BENCH(state_uv, vlm_state_uv, u, v)
BENCHMARK_CAPTURE(states, state_tx, vlm_state_tx, &S::T, &S::x, 0, 450, 0);
BENCHMARK_CAPTURE(states, state_hx, vlm_state_hx, &S::h, &S::x, 0, 450, 0);
BENCHMARK_CAPTURE(states, state_sx, vlm_state_sx, &S::s, &S::x, 0, 450, 0);

}  // namespace
