// Speed of the state interface: the whole state from each pair, over states spread across a
// small range of one region (the pairs are made from (p, T) states before timing).
#include <benchmark/benchmark.h>

#include <array>

#include "velmora.h"

namespace {

constexpr int kPoints = 64;

enum class Pair { PT, PH, PS, HS, TX };

// kPoints states at p over T in [tLo, tHi] (or, for wet steam, x in [0, 1] at T = tLo),
// then the chosen pair of each solved back to the whole state.
void states(benchmark::State& state, Pair pair, double p, double tLo, double tHi) {
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
    switch (pair) {
      case Pair::PT:
        benchmark::DoNotOptimize(vlm_state_pt(g.p, g.T, nullptr, &out));
        break;
      case Pair::PH:
        benchmark::DoNotOptimize(vlm_state_ph(g.p, g.h, nullptr, &out));
        break;
      case Pair::PS:
        benchmark::DoNotOptimize(vlm_state_ps(g.p, g.s, nullptr, &out));
        break;
      case Pair::HS:
        benchmark::DoNotOptimize(vlm_state_hs(g.h, g.s, nullptr, &out));
        break;
      case Pair::TX:
        benchmark::DoNotOptimize(vlm_state_tx(g.T, g.x, nullptr, &out));
        break;
    }
    benchmark::ClobberMemory();
    i = (i + 1) & (kPoints - 1);
  }
}

BENCHMARK_CAPTURE(states, state_pt_liquid, Pair::PT, 3e6, 300, 350);
BENCHMARK_CAPTURE(states, state_pt_steam, Pair::PT, 3e6, 700, 750);
BENCHMARK_CAPTURE(states, state_ph_region1, Pair::PH, 3e6, 300, 350);
BENCHMARK_CAPTURE(states, state_ph_region2, Pair::PH, 3e6, 700, 750);
BENCHMARK_CAPTURE(states, state_ph_region3, Pair::PH, 25e6, 650, 655);
BENCHMARK_CAPTURE(states, state_ph_wet, Pair::PH, 0, 450, 0);
BENCHMARK_CAPTURE(states, state_ps_region1, Pair::PS, 3e6, 300, 350);
BENCHMARK_CAPTURE(states, state_ps_region2, Pair::PS, 3e6, 700, 750);
BENCHMARK_CAPTURE(states, state_ps_region3, Pair::PS, 25e6, 650, 655);
BENCHMARK_CAPTURE(states, state_ps_wet, Pair::PS, 0, 450, 0);
BENCHMARK_CAPTURE(states, state_hs_region1, Pair::HS, 3e6, 300, 350);
BENCHMARK_CAPTURE(states, state_hs_region2, Pair::HS, 3e6, 700, 750);
BENCHMARK_CAPTURE(states, state_hs_region3, Pair::HS, 25e6, 650, 655);
BENCHMARK_CAPTURE(states, state_hs_wet, Pair::HS, 0, 450, 0);
BENCHMARK_CAPTURE(states, state_tx, Pair::TX, 0, 450, 0);

}  // namespace
