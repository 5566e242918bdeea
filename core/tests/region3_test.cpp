// Region 3: the verification values of IAPWS-IF97, the density solver and its settings, and
// the (p, t) functions built on it.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/digits.hpp"
#include "vlmcore5.h"

namespace {

using vlmtest::agreesTo;

constexpr double kTc = 647.096;
constexpr double kPCritical = 22.0640000003205 * 1000000.0;
const double kNaN = std::numeric_limits<double>::quiet_NaN();

class Region3 : public ::testing::Test {
 protected:
  void TearDown() override {
    vlmSETMAXITERATION(1000);
    vlmSETDELTAPRESSURE(0.0001);
    vlmSETINITWATERDENSITY(800.0);
    vlmSETINITSTEAMDENSITY(10.0);
    vlmSETCHECKRANGEMODE(1);
    vlmSETLASTERROR(0);
  }
};

TEST_F(Region3, VerificationValues) {
  // Published values to 9 significant digits (kJ converted to J), per (r, t): p, h, u, s, cp, w.
  const struct {
    double r, t, values[6];
  } cases[] = {
      {500, 650, {25.5837018e6, 1863.43019e3, 1812.26279e3, 4.05427273e3, 13.8935717e3, 502.005554}},
      {200, 650, {22.2930643e6, 2375.12401e3, 2263.65868e3, 4.85438792e3, 44.6579342e3, 383.444594}},
      {500, 750, {78.3095639e6, 2258.68845e3, 2102.06932e3, 4.46971906e3, 6.34165359e3, 760.696041}},
  };
  const vlmProperty2 functions[] = {vlmP3RT, vlmH3RT, vlmU3RT, vlmS3RT, vlmCP3RT, vlmW3RT};
  for (const auto& c : cases) {
    for (int i = 0; i < 6; ++i) {
      vlmSETLASTERROR(4);
      EXPECT_TRUE(agreesTo(functions[i](c.r, c.t), c.values[i], 9)) << c.r << " " << c.t << " #" << i;
      EXPECT_EQ(vlmGETLASTERROR(), 0);
    }
    // cv has no published value; it must equal (du/dT) at constant density.
    const double slope = (vlmU3RT(c.r, c.t + 1e-3) - vlmU3RT(c.r, c.t - 1e-3)) / 2e-3;
    EXPECT_NEAR(vlmCV3RT(c.r, c.t) / slope, 1.0, 1e-6);
    // Both verification pressures lie above the critical one: the solve starts on the water side.
    EXPECT_NEAR(vlmR3PT(c.values[0], c.t), c.r, 1e-5);
  }
}

TEST_F(Region3, PressureTemperatureFunctionsEvaluateAtTheSolvedDensity) {
  const vlmProperty2 pt[] = {vlmU3PT, vlmS3PT, vlmH3PT, vlmCP3PT, vlmCV3PT, vlmW3PT};
  const vlmProperty2 rt[] = {vlmU3RT, vlmS3RT, vlmH3RT, vlmCP3RT, vlmCV3RT, vlmW3RT};
  for (double p : {20e6, 25e6, 60e6, 150e6}) {  // above 100 MPa too: no range check here
    for (double t : {630.0, 660.0, 800.0}) {
      vlmSETCHECKRANGEMODE(1);
      const double r = vlmR3PT(p, t);
      ASSERT_EQ(vlmGETLASTERROR(), 0);
      EXPECT_NEAR(vlmP3RT(r, t), p, 0.0001);
      vlmSETLASTERROR(2);
      EXPECT_EQ(vlmV3PT(p, t), 1 / r);
      EXPECT_EQ(vlmGETLASTERROR(), 0);
      vlmSETCHECKRANGEMODE(0);
      for (int i = 0; i < 6; ++i) {
        vlmSETLASTERROR(2);
        EXPECT_EQ(pt[i](p, t), rt[i](r, t)) << p << " " << t << " #" << i;
        EXPECT_EQ(vlmGETLASTERROR(), 0);
      }
    }
  }
  EXPECT_TRUE(std::isfinite(vlmU3RT(1000, 300)));  // far outside the region, no complaint
  EXPECT_EQ(vlmGETLASTERROR(), 0);
}

TEST_F(Region3, TheStartDensitySelectsThePhase) {
  const double t = 640, p = vlmPST(t);
  EXPECT_NEAR(vlmR3PTR0(p, t, 800), 481.6, 0.05);
  EXPECT_NEAR(vlmR3PTR0(p, t, 10), 177.4, 0.05);
  EXPECT_EQ(vlmGETLASTERROR(), 0);
  // vlmR3PT: water side below the saturation temperature, steam side on or above it.
  EXPECT_GT(vlmR3PT(p * 1.001, t), 470);
  EXPECT_LT(vlmR3PT(p * 0.999, t), 190);
  EXPECT_EQ(vlmR3PT(p, t), vlmR3PTR0(p, t, 10));
  // Swapped start densities find the other phase's root.
  vlmSETINITSTEAMDENSITY(600);
  vlmSETINITWATERDENSITY(10);
  EXPECT_GT(vlmR3PT(p * 0.999, t), 470);
  EXPECT_LT(vlmR3PT(p * 1.001, t), 190);
  EXPECT_EQ(vlmGETLASTERROR(), 0);
}

TEST_F(Region3, CriticalPointConvergesFromBothSides) {
  for (double r0 : {800.0, 10.0}) {
    vlmSETLASTERROR(2);
    EXPECT_NEAR(vlmR3PTR0(kPCritical, kTc, r0), 322.2, 0.05) << r0;
    EXPECT_EQ(vlmGETLASTERROR(), 0) << r0;
  }
  EXPECT_NEAR(vlmR3PT(kPCritical, kTc), 322.2, 0.05);
}

TEST_F(Region3, IterationCapCountsNewtonSteps) {
  const double p = 25.5837018e6, t = 650;
  const double root = vlmR3PTR0(p, t, 800);
  for (int cap : {0, -5}) {  // no step allowed: only a start that already fits is accepted
    vlmSETMAXITERATION(cap);
    EXPECT_EQ(vlmR3PTR0(p, t, root), root);
    EXPECT_EQ(vlmGETLASTERROR(), 0);
    EXPECT_EQ(vlmR3PTR0(p, t, 800), -1);
    EXPECT_EQ(vlmGETLASTERROR(), 3);
    EXPECT_EQ(vlmV3PT(p, t), -1);  // the (p, t) functions pass the code on
    EXPECT_EQ(vlmGETLASTERROR(), 3);
  }
  // The smallest cap that succeeds is the number of steps taken; one less fails.
  int needed = 0;
  for (int cap = 1; cap <= 100 && needed == 0; ++cap) {
    vlmSETMAXITERATION(cap);
    vlmR3PTR0(p, t, 800);
    if (vlmGETLASTERROR() == 0) needed = cap;
  }
  EXPECT_GT(needed, 1);
  EXPECT_LT(needed, 12);  // Newton's method with the exact slope converges fast here
}

TEST_F(Region3, ZeroToleranceNeedsAnExactlyZeroResidual) {
  const double r = 450, t = 660, p = vlmP3RT(r, t);
  vlmSETDELTAPRESSURE(0);
  EXPECT_EQ(vlmR3PTR0(p, t, r), r);
  EXPECT_EQ(vlmGETLASTERROR(), 0);
  // Elsewhere a solve succeeds only where it lands on an exactly zero residual.
  for (int cap : {1, 50, 1000}) {
    vlmSETMAXITERATION(cap);
    const double target = 25.5837018e6 + 0.3, solved = vlmR3PTR0(target, 650, 800);
    if (vlmGETLASTERROR() == 0) {
      EXPECT_EQ(vlmP3RT(solved, 650), target) << cap;
    } else {
      EXPECT_EQ(solved, -1) << cap;
      EXPECT_EQ(vlmGETLASTERROR(), 3) << cap;
    }
  }
  vlmSETDELTAPRESSURE(-1);  // a negative tolerance can never be met
  EXPECT_EQ(vlmR3PTR0(p, t, r), -1);
  EXPECT_EQ(vlmGETLASTERROR(), 3);
}

TEST_F(Region3, NonFiniteEvaluationsEndTheSolveWithCodeOne) {
  // NaN arguments, a zero density or temperature, or a start density so large that the powers
  // overflow: none may hang or come back as a success.
  const double bad[][3] = {{kNaN, 650, 500}, {25e6, kNaN, 500}, {25e6, 650, kNaN},
                           {25e6, 650, 0},   {25e6, 0, 500},    {25e6, 650, 1e300}};
  for (const auto& b : bad) {
    vlmSETLASTERROR(0);
    EXPECT_EQ(vlmR3PTR0(b[0], b[1], b[2]), -1) << b[0] << " " << b[1] << " " << b[2];
    EXPECT_EQ(vlmGETLASTERROR(), 1);
  }
  for (auto f : {vlmR3PT, vlmV3PT, vlmCP3PT}) {
    for (double p : {kNaN, -1e6}) {  // the saturation temperature of either is not a number
      vlmSETLASTERROR(0);
      EXPECT_EQ(f(p, 650), -1) << p;
      EXPECT_EQ(vlmGETLASTERROR(), 1) << p;
    }
  }
}

}  // namespace
