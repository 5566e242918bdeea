// Speed of the scientific formulation's states (vlm_state_get with VLM_IAPWS95): each pair
// over states spread across a small range, the pairs made from the formulation's own states
// before timing; every field, and the thermodynamic ones alone.
#include <benchmark/benchmark.h>

#include <array>

#include "velmora.h"

namespace {

constexpr int kPoints = 64;
using Field = double vlm_state::*;

vlm_state_ex request(unsigned fields) {
  vlm_state_ex e{};
  e.size = sizeof e;
  e.request = fields;
  e.formulation = VLM_IAPWS95;
  return e;
}

// kPoints states at p over T in [tLo, tHi] (or, for wet steam, x in [0, 1] at T = tLo).
void states(benchmark::State& state, int pair, Field a, Field b, double p, double tLo, double tHi, unsigned fields) {
  std::array<vlm_state, kPoints> given{};
  for (int i = 0; i < kPoints; ++i) {
    const double f = double(i) / (kPoints - 1);
    vlm_state_ex e = request(VLM_FIELDS_THERMO);
    if (tHi < tLo)
      vlm_state_get(VLM_PAIR_TX, tLo, f, nullptr, &e);
    else
      vlm_state_get(VLM_PAIR_PT, p, tLo + (tHi - tLo) * f, nullptr, &e);
    given[i] = e.state;
  }
  vlm_state_ex out = request(fields);
  int i = 0;
  for (auto _ : state) {
    const vlm_state& g = given[i];
    benchmark::DoNotOptimize(vlm_state_get(pair, g.*a, g.*b, nullptr, &out));
    benchmark::ClobberMemory();
    i = (i + 1) & (kPoints - 1);
  }
}

using S = vlm_state;
constexpr unsigned kThermo = VLM_FIELDS_THERMO, kAll = VLM_FIELDS_ALL;
BENCHMARK_CAPTURE(states, iapws95_pt_liquid, VLM_PAIR_PT, &S::p, &S::T, 3e6, 300, 350, kAll);
BENCHMARK_CAPTURE(states, iapws95_pt_steam, VLM_PAIR_PT, &S::p, &S::T, 3e6, 700, 750, kAll);
BENCHMARK_CAPTURE(states, iapws95_pt_liquid_thermo, VLM_PAIR_PT, &S::p, &S::T, 3e6, 300, 350, kThermo);
BENCHMARK_CAPTURE(states, iapws95_pt_steam_thermo, VLM_PAIR_PT, &S::p, &S::T, 3e6, 700, 750, kThermo);
#define VLM_IAPWS95_BENCH(name, pair, a, b)                                                       \
  BENCHMARK_CAPTURE(states, iapws95_##name##_liquid, pair, &S::a, &S::b, 3e6, 300, 350, kThermo); \
  BENCHMARK_CAPTURE(states, iapws95_##name##_steam, pair, &S::a, &S::b, 3e6, 700, 750, kThermo);  \
  BENCHMARK_CAPTURE(states, iapws95_##name##_wet, pair, &S::a, &S::b, 0, 450, 0, kThermo);
VLM_IAPWS95_BENCH(ph, VLM_PAIR_PH, p, h)
VLM_IAPWS95_BENCH(ps, VLM_PAIR_PS, p, s)
VLM_IAPWS95_BENCH(hs, VLM_PAIR_HS, h, s)
VLM_IAPWS95_BENCH(pv, VLM_PAIR_PV, p, v)
VLM_IAPWS95_BENCH(tv, VLM_PAIR_TV, T, v)
VLM_IAPWS95_BENCH(th, VLM_PAIR_TH, T, h)
VLM_IAPWS95_BENCH(ts, VLM_PAIR_TS, T, s)
VLM_IAPWS95_BENCH(uv, VLM_PAIR_UV, u, v)
BENCHMARK_CAPTURE(states, iapws95_tx, VLM_PAIR_TX, &S::T, &S::x, 0, 450, 0, kThermo);
BENCHMARK_CAPTURE(states, iapws95_px, VLM_PAIR_PX, &S::p, &S::x, 0, 450, 0, kThermo);
BENCHMARK_CAPTURE(states, iapws95_hx, VLM_PAIR_HX, &S::h, &S::x, 0, 450, 0, kThermo);
BENCHMARK_CAPTURE(states, iapws95_sx, VLM_PAIR_SX, &S::s, &S::x, 0, 450, 0, kThermo);

}  // namespace
