// Speed of the exports, row by row (bench_rows.hpp): each sweeps its arguments over a small
// range so that no call is folded away or answered from a branch history of one point.
// Two bare equations beside their exports show what the frame (guard, settings, status)
// costs.
#include <benchmark/benchmark.h>

#include "bench_rows.hpp"
#include "equations/region1.hpp"
#include "equations/saturation.hpp"

namespace {

// One call per iteration, the argument moving along the sweep.
void row(benchmark::State& state, const bench::Row* r) {
  const auto x = bench::spread(r->lo, r->hi);
  int i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(bench::call(*r, x[i]));
    i = (i + 1) & (bench::kPoints - 1);
  }
}

double VLM_CALL h1Bare(double p, double t) { return vlm::region1::h(p, t); }
double VLM_CALL p23Bare(double, double t) { return vlm::b23::pressure(t); }
const bench::Row kBare[] = {{"H1PT bare equation", h1Bare, nullptr, 3e6, 300, 350},
                            {"P23T bare equation", p23Bare, nullptr, 0, 623.15, 863.15}};

const bool registered = [] {
  for (const auto& r : bench::kRows) benchmark::RegisterBenchmark(r.name, row, &r);
  for (const auto& r : kBare) benchmark::RegisterBenchmark(r.name, row, &r);
  return true;
}();

}  // namespace

BENCHMARK_MAIN();
