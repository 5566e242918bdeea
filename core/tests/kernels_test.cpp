// The production kernels against the literal term-by-term evaluation, over dense sweeps of
// each region including its boundaries: every property within 1e-12 relative, or 1e-12 of
// the quantity's scale where it passes through zero.  Where a property is ill-conditioned
// (near the critical point) the literal evaluation is itself that far from the exact value;
// there the kernels may differ from it by its own error twice over, measured against the
// same evaluation in long double.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "literal_reference.hpp"
#include "vlmcore5.h"

namespace {

constexpr double kTolerance = 1e-12;
const char* const kNames[] = {"v", "u", "s", "h", "cp", "cv", "w"};
// Below these magnitudes a property is compared to its scale rather than to itself.
constexpr double kScales[] = {0, 1e6, 1e4, 1e6, 1e3, 1e3, 1e3};

// The largest difference from the reference in units of what is allowed there.
struct Worst {
  double error = 0;
  std::string where;
  void take(double got, double want, long double bound, double scale, const std::string& what) {
    const double allowed = kTolerance * std::max(std::fabs(want), scale) + double(bound);
    const double e = std::fabs(got - want) / allowed;
    if (!(e <= error)) {  // NaN counts as worst
      error = e;
      where = what + ": got " + std::to_string(got) + ", want " + std::to_string(want);
    }
  }
};

using Exports = vlmProperty2[7];

constexpr long double kTermError = 32 * 0x1p-53L;

// Every (x, y) of an n by n grid over [x0, x1] x [y0, y1], ends included.
void grid(double x0, double x1, double y0, double y1, int n, const std::function<void(double, double)>& visit) {
  for (int i = 0; i <= n; ++i) {
    for (int j = 0; j <= n; ++j) visit(x0 + (x1 - x0) * i / n, y0 + (y1 - y0) * j / n);
  }
}

// One region's seven exports against the reference over a grid of (x, y) where `inside` holds.
template <class Reference, class Inside>
void compareRegion(const Exports& exports, const Reference& reference, const Inside& inside, double x0, double x1,
                   double y0, double y1, bool logX = false) {
  Worst worst[7];
  int points = 0;
  if (logX) x0 = std::log(x0), x1 = std::log(x1);
  grid(x0, x1, y0, y1, 100, [&](double gx, double y) {
    const double x = logX ? std::exp(gx) : gx;
    if (!inside(x, y)) return;
    ++points;
    auto want = reference(x, y, 0.0).value;
    auto bound = reference((long double)x, (long double)y, kTermError).bound;
    for (int k = 0; k < 7; ++k) {
      worst[k].take(exports[k](x, y), want[k], bound[k], kScales[k],
                    std::string(kNames[k]) + " at " + std::to_string(x) + ", " + std::to_string(y));
    }
  });
  EXPECT_GT(points, 1000);
  for (int k = 0; k < 7; ++k) EXPECT_LE(worst[k].error, 1.0) << worst[k].where;
}

TEST(Kernels, Region1MatchesLiteralEvaluation) {
  const Exports f = {vlmV1PT, vlmU1PT, vlmS1PT, vlmH1PT, vlmCP1PT, vlmCV1PT, vlmW1PT};
  compareRegion(
      f, [](auto x, auto y, auto e) { return literal::region1(x, y, e); },
      [](double p, double t) { return p >= vlmPST(t); }, 611.0, 100e6, 273.15, 623.15);
}

// Pressures spread logarithmically: region 2 spans 611 Pa to 100 MPa.
TEST(Kernels, Region2MatchesLiteralEvaluation) {
  const Exports f = {vlmV2PT, vlmU2PT, vlmS2PT, vlmH2PT, vlmCP2PT, vlmCV2PT, vlmW2PT};
  compareRegion(
      f, [](auto x, auto y, auto e) { return literal::region2(x, y, e); },
      [](double p, double t) { return vlmWATERSTATEAREA2(p, t) == 2; }, 611.0, 100e6, 273.15, 1073.15, true);
}

TEST(Kernels, Region5MatchesLiteralEvaluation) {
  const Exports f = {vlmV5PT, vlmU5PT, vlmS5PT, vlmH5PT, vlmCP5PT, vlmCV5PT, vlmW5PT};
  compareRegion(
      f, [](auto x, auto y, auto e) { return literal::region5(x, y, e); }, [](double, double) { return true; }, 611.0,
      50e6, 1073.15, 2273.15);
}

// Region 3 from (density, t): the v slot of the reference is the pressure.
TEST(Kernels, Region3MatchesLiteralEvaluation) {
  const Exports f = {vlmP3RT, vlmU3RT, vlmS3RT, vlmH3RT, vlmCP3RT, vlmCV3RT, vlmW3RT};
  compareRegion(
      f, [](auto x, auto y, auto e) { return literal::region3(x, y, e); }, [](double, double) { return true; }, 110.0,
      765.0, 623.15, 863.15);
}

// The density solver's own form of the equation along each isotherm: its pressure is the
// (rho, T) pressure checked above, and its slope must be exact for Newton's quadratic
// convergence, so from 3 % off nearly every density of region 3 is found within a few steps
// (with a slope 5 % wrong, 22 of these 3,721 are).
TEST(Kernels, Region3DensitySolverConvergesFast) {
  const int cap = vlmGETMAXITERATION();
  vlmSETMAXITERATION(6);
  int converged = 0, points = 0;
  grid(110.0, 765.0, 623.15, 863.15, 60, [&](double r, double t) {
    ++points;
    const double p = vlmP3RT(r, t), found = vlmR3PTR0(p, t, 1.03 * r);
    if (vlmGETLASTERROR() != 0) return;
    ++converged;
    EXPECT_LE(std::fabs(vlmP3RT(found, t) - p), vlmGETDELTAPRESSURE()) << r << " kg/m3, " << t << " K";
  });
  vlmSETMAXITERATION(cap);
  EXPECT_GT(converged, 0.99 * points) << converged << " of " << points;
}

TEST(Kernels, BackwardAndTransportMatchLiteralEvaluation) {
  Worst ph, ps, eta, lambda;
  grid(611.0, 100e6, 273.15, 623.15, 120, [&](double p, double t) {
    if (p < vlmPST(t)) return;
    const double h = vlmH1PT(p, t), s = vlmS1PT(p, t);
    const std::string at = " at " + std::to_string(p) + ", " + std::to_string(t);
    ph.take(vlmT1PH(p, h), literal::t1ph(p, h), 0, 0, "T(p,h)" + at);
    ps.take(vlmT1PS(p, s), literal::t1ps(p, s), 0, 0, "T(p,s)" + at);
  });
  grid(0.01, 1100.0, 273.16, 1073.15, 150, [&](double r, double t) {
    const std::string at = " at " + std::to_string(r) + ", " + std::to_string(t);
    eta.take(vlmDYNVISRT(r, t), literal::viscosity(r, t), 0, 0, "viscosity" + at);
    lambda.take(vlmTHERMCONDRT(r, t), literal::conductivity(r, t), 0, 0, "conductivity" + at);
  });
  for (const Worst* w : {&ph, &ps, &eta, &lambda}) EXPECT_LE(w->error, 1.0) << w->where;
}

}  // namespace
