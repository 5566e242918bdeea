// Region 2: the verification values of IAPWS-IF97, evaluation without range checks, and the
// thermodynamic identities that tie the seven properties of both steam equations (regions 2
// and 5 share one evaluation) to one another.
#include <gtest/gtest.h>

#include <cmath>

#include "support/digits.hpp"
#include "vlmcore5.h"

namespace {

using vlmtest::agreesTo;

struct Case {
  const char* name;
  vlmProperty2 function;
  double p, t, expected;
};

// Published values, to 9 significant digits (u at 3500 Pa, 300 K to 8).
const Case kCases[] = {
    {"v(3500 Pa, 300 K)", vlmV2PT, 3500, 300, 39.4913866}, {"h(3500 Pa, 300 K)", vlmH2PT, 3500, 300, 2549911.45},
    {"s(3500 Pa, 300 K)", vlmS2PT, 3500, 300, 8522.38967}, {"cp(3500 Pa, 300 K)", vlmCP2PT, 3500, 300, 1913.00162},
    {"w(3500 Pa, 300 K)", vlmW2PT, 3500, 300, 427.920172}, {"v(3500 Pa, 700 K)", vlmV2PT, 3500, 700, 92.3015898},
    {"h(3500 Pa, 700 K)", vlmH2PT, 3500, 700, 3335683.75}, {"u(3500 Pa, 700 K)", vlmU2PT, 3500, 700, 3012628.19},
    {"s(3500 Pa, 700 K)", vlmS2PT, 3500, 700, 10174.9996}, {"cp(3500 Pa, 700 K)", vlmCP2PT, 3500, 700, 2081.41274},
    {"w(3500 Pa, 700 K)", vlmW2PT, 3500, 700, 644.289068}, {"v(30 MPa, 700 K)", vlmV2PT, 30e6, 700, 0.00542946619},
    {"h(30 MPa, 700 K)", vlmH2PT, 30e6, 700, 2631494.74},  {"u(30 MPa, 700 K)", vlmU2PT, 30e6, 700, 2468610.76},
    {"s(30 MPa, 700 K)", vlmS2PT, 30e6, 700, 5175.40298},  {"cp(30 MPa, 700 K)", vlmCP2PT, 30e6, 700, 10350.5092},
    {"w(30 MPa, 700 K)", vlmW2PT, 30e6, 700, 480.386523},
};

TEST(Region2, VerificationValues) {
  for (const auto& c : kCases) {
    vlmSETLASTERROR(4);
    EXPECT_TRUE(agreesTo(c.function(c.p, c.t), c.expected, 9)) << c.name;
    EXPECT_EQ(vlmGETLASTERROR(), 0) << c.name;
  }
  EXPECT_TRUE(agreesTo(vlmU2PT(3500, 300), 2411691.6, 8));
}

TEST(Region2, LiquidStatesAreEvaluatedWithoutComplaint) {
  for (int mode : {1, 0}) {
    vlmSETCHECKRANGEMODE(mode);
    for (auto f : {vlmV2PT, vlmU2PT, vlmS2PT, vlmH2PT, vlmCP2PT, vlmCV2PT}) {
      vlmSETLASTERROR(2);
      EXPECT_TRUE(std::isfinite(f(3e6, 300)));
      EXPECT_EQ(vlmGETLASTERROR(), 0) << "check-range mode " << mode;
    }
  }
  vlmSETCHECKRANGEMODE(1);
}

// At 1080 K tau - 0.5 is exactly zero; the terms constant in tau must not poison the
// temperature derivatives there.
TEST(Region2, TemperatureWhereTheResidualSeriesIsCentredIsSmooth) {
  const double p = 1e6, t = 1080, dt = 0.01;
  for (auto f : {vlmU2PT, vlmS2PT, vlmH2PT, vlmCP2PT, vlmCV2PT, vlmW2PT}) {
    const double mid = f(p, t);
    EXPECT_EQ(vlmGETLASTERROR(), 0);
    EXPECT_NEAR(mid, (f(p, t - dt) + f(p, t + dt)) / 2, 1e-6 * std::fabs(mid));
  }
}

struct Steam {
  const char* name;
  vlmProperty2 v, u, s, h, cp, cv, w;
  double p, t;
};

// h = u + p v, and every derivative property against finite differences of the others:
// cp = T (ds/dT)_p, v = (dg/dp)_T with g = h - T s, cp - cv = -T (dv/dT)^2 / (dv/dp), and
// w^2 = -v^2 (cp/cv) / (dv/dp).
TEST(SteamEquations, ThermodynamicIdentities) {
  const Steam kStates[] = {
      {"region 2, 0.1 MPa, 500 K", vlmV2PT, vlmU2PT, vlmS2PT, vlmH2PT, vlmCP2PT, vlmCV2PT, vlmW2PT, 0.1e6, 500},
      {"region 2, 20 MPa, 800 K", vlmV2PT, vlmU2PT, vlmS2PT, vlmH2PT, vlmCP2PT, vlmCV2PT, vlmW2PT, 20e6, 800},
      {"region 5, 5 MPa, 1800 K", vlmV5PT, vlmU5PT, vlmS5PT, vlmH5PT, vlmCP5PT, vlmCV5PT, vlmW5PT, 5e6, 1800},
  };
  for (const auto& c : kStates) {
    const double p = c.p, t = c.t, dp = p * 1e-5, dt = 1e-3;
    auto g = [&](double pp, double tt) { return c.h(pp, tt) - tt * c.s(pp, tt); };
    const double v = c.v(p, t), cp = c.cp(p, t), cv = c.cv(p, t);
    const double dvdt = (c.v(p, t + dt) - c.v(p, t - dt)) / (2 * dt);
    const double dvdp = (c.v(p + dp, t) - c.v(p - dp, t)) / (2 * dp);
    EXPECT_NEAR(c.h(p, t) / (c.u(p, t) + p * v), 1.0, 1e-13) << c.name;
    EXPECT_NEAR(t * (c.s(p, t + dt) - c.s(p, t - dt)) / (2 * dt) / cp, 1.0, 1e-7) << c.name;
    EXPECT_NEAR((g(p + dp, t) - g(p - dp, t)) / (2 * dp) / v, 1.0, 1e-7) << c.name;
    EXPECT_NEAR((cp + t * dvdt * dvdt / dvdp) / cv, 1.0, 1e-6) << c.name;
    EXPECT_NEAR(-v * v * cp / cv / dvdp / std::pow(c.w(p, t), 2), 1.0, 1e-6) << c.name;
  }
}

}  // namespace
