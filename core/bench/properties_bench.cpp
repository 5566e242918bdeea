// Speed of typical calls: one region equation, a general function with its region choice,
// the region 3 solver and a saturated-steam member above 623.15 K.
#include <benchmark/benchmark.h>

#include "vlmcore5.h"

namespace {

void region1Enthalpy(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(vlmH1PT(3e6, 300));
}
BENCHMARK(region1Enthalpy);

void generalEnthalpy(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(vlmHPT(3e6, 300));
}
BENCHMARK(generalEnthalpy);

void region3Density(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(vlmR3PT(25e6, 650));
}
BENCHMARK(region3Density);

void saturatedSteamAbove62315(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(vlmHSST(640));
}
BENCHMARK(saturatedSteamAbove62315);

void wetSteamDryness(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(vlmXSTH(400, 1.5e6));
}
BENCHMARK(wetSteamDryness);

}  // namespace

BENCHMARK_MAIN();
