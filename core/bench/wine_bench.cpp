// The rows of bench_rows.hpp timed with a plain clock, for the Windows builds under Wine
// where Google Benchmark is not at hand: the median of repeated runs, in ns per call.
// Run by hand: scripts/wine-run build/win64/wineprefix win64 build/win64/bin/wine_bench.exe
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench_rows.hpp"

int main() {
  // Windows hosts (script hosts, spreadsheets) run with the x87 unit at 53-bit precision,
  // the guard's common case; a mingw-w64 program starts at 64 bits.  Time the calls as such
  // a host makes them.
  const unsigned short hostControl = 0x27f;
  __asm__ volatile("fldcw %0" : : "m"(hostControl));
  constexpr long kCalls = 200000;
  constexpr int kRepetitions = 7;
  for (const auto& row : bench::kRows) {
    std::vector<double> ns;
    volatile double sink = 0;
    for (int k = 0; k < kRepetitions; ++k) {
      const auto start = std::chrono::steady_clock::now();
      sink = sink + bench::sweep(row, kCalls);
      const std::chrono::duration<double, std::nano> took = std::chrono::steady_clock::now() - start;
      ns.push_back(took.count() / kCalls);
    }
    std::sort(ns.begin(), ns.end());
    std::printf("%-20s %10.1f ns\n", row.name, ns[kRepetitions / 2]);
  }
}
