// Speed of the exports, row by row: each benchmark sweeps its arguments over a small range
// so that no call is folded away or answered from a branch history of one point.
#include <benchmark/benchmark.h>

#include <array>

#include "vlmcore5.h"

namespace {

constexpr int kPoints = 64;

// kPoints values spread evenly over [lo, hi].
std::array<double, kPoints> spread(double lo, double hi) {
  std::array<double, kPoints> v{};
  for (int i = 0; i < kPoints; ++i) v[i] = lo + (hi - lo) * i / (kPoints - 1);
  return v;
}

// f(p, t) at fixed p over t in [tLo, tHi].
void sweepT(benchmark::State& state, vlmProperty2 f, double p, double tLo, double tHi) {
  const auto t = spread(tLo, tHi);
  int i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(f(p, t[i]));
    i = (i + 1) & (kPoints - 1);
  }
}

// f(x) over x in [lo, hi].
void sweep1(benchmark::State& state, vlmProperty1 f, double lo, double hi) {
  const auto x = spread(lo, hi);
  int i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(f(x[i]));
    i = (i + 1) & (kPoints - 1);
  }
}

BENCHMARK_CAPTURE(sweepT, HPT_liquid, vlmHPT, 3e6, 300, 350);
BENCHMARK_CAPTURE(sweepT, H1PT_liquid, vlmH1PT, 3e6, 300, 350);
BENCHMARK_CAPTURE(sweepT, CPPT_liquid, vlmCPPT, 3e6, 300, 350);
BENCHMARK_CAPTURE(sweepT, HPT_steam, vlmHPT, 3e6, 700, 750);
BENCHMARK_CAPTURE(sweepT, VPT_steam, vlmVPT, 3e6, 700, 750);
BENCHMARK_CAPTURE(sweepT, WPT_steam, vlmWPT, 3e6, 700, 750);
BENCHMARK_CAPTURE(sweepT, HPT_region3, vlmHPT, 25e6, 650, 655);
BENCHMARK_CAPTURE(sweepT, HPT_region5, vlmHPT, 1e6, 1200, 1700);
BENCHMARK_CAPTURE(sweep1, PST, vlmPST, 300, 600);
BENCHMARK_CAPTURE(sweep1, TSP, vlmTSP, 1e4, 1e7);
BENCHMARK_CAPTURE(sweep1, HSST, vlmHSST, 300, 600);
BENCHMARK_CAPTURE(sweepT, DYNVISPT_liquid, vlmDYNVISPT, 3e6, 300, 350);
BENCHMARK_CAPTURE(sweepT, THERMCONDPT_liquid, vlmTHERMCONDPT, 3e6, 300, 350);
BENCHMARK_CAPTURE(sweepT, CPPT_liquid_part, vlmCPPT, 3e6, 300, 350);
BENCHMARK_CAPTURE(sweepT, PRANDTLEPT_liquid, vlmPRANDTLEPT, 3e6, 300, 350);
BENCHMARK_CAPTURE(
    sweepT, P23T_guard_only, [](double, double t) { return vlmP23T(t); }, 0, 623.15, 863.15);

}  // namespace

BENCHMARK_MAIN();
