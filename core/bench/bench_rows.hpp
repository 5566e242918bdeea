// The rows every speed measurement of the exports reports: an export and the range its
// arguments sweep.  One table for the Google Benchmark program and for the plain timer that
// runs under Wine.
#pragma once

#include <array>

#include "vlmcore5.h"

namespace bench {

constexpr int kPoints = 64;

// f(p, t) at fixed p over t in [lo, hi], or f(x) over x in [lo, hi] where f1 is set.
struct Row {
  const char* name;
  vlmProperty2 f2;
  vlmProperty1 f1;
  double p, lo, hi;
};

inline double VLM_CALL p23(double, double t) { return vlmP23T(t); }

inline const Row kRows[] = {
    {"HPT liquid", vlmHPT, nullptr, 3e6, 300, 350},
    {"H1PT liquid", vlmH1PT, nullptr, 3e6, 300, 350},
    {"CPPT liquid", vlmCPPT, nullptr, 3e6, 300, 350},
    {"HPT steam", vlmHPT, nullptr, 3e6, 700, 750},
    {"VPT steam", vlmVPT, nullptr, 3e6, 700, 750},
    {"WPT steam", vlmWPT, nullptr, 3e6, 700, 750},
    {"HPT region 3", vlmHPT, nullptr, 25e6, 650, 655},
    {"HPT region 5", vlmHPT, nullptr, 1e6, 1200, 1700},
    {"PST", nullptr, vlmPST, 0, 300, 600},
    {"TSP", nullptr, vlmTSP, 0, 1e4, 1e7},
    {"HSST", nullptr, vlmHSST, 0, 300, 600},
    {"DYNVISPT liquid", vlmDYNVISPT, nullptr, 3e6, 300, 350},
    {"THERMCONDPT liquid", vlmTHERMCONDPT, nullptr, 3e6, 300, 350},
    {"PRANDTLEPT liquid", vlmPRANDTLEPT, nullptr, 3e6, 300, 350},
    {"P23T", p23, nullptr, 0, 623.15, 863.15},
};

// kPoints values spread evenly over [lo, hi].
inline std::array<double, kPoints> spread(double lo, double hi) {
  std::array<double, kPoints> v{};
  for (int i = 0; i < kPoints; ++i) v[i] = lo + (hi - lo) * i / (kPoints - 1);
  return v;
}

// The row's function at the swept argument a.
inline double call(const Row& row, double a) { return row.f1 ? row.f1(a) : row.f2(row.p, a); }

// Calls the row's function `count` times over its sweep; the sum keeps the calls alive.
inline double sweep(const Row& row, long count) {
  const auto x = spread(row.lo, row.hi);
  double sum = 0;
  for (long i = 0; i < count; ++i) sum += call(row, x[i & (kPoints - 1)]);
  return sum;
}

}  // namespace bench
