// The saturation line and the B23 line: published values, inclusive range limits in both
// check-range modes, and the two directions of each line inverting each other.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/digits.hpp"
#include "vlmcore5.h"

namespace {

using vlmtest::agreesTo;

// The limits exactly as the library forms them: pressures are MPa values times 1000000.
constexpr double kTriple = 273.16, kCritical = 647.096, kT13 = 623.15, kT25 = 863.15;
constexpr double kPMin = 0.000611212677444345 * 1000000.0;
constexpr double kPCritical = 22.0640000003205 * 1000000.0;
constexpr double kP23Min = 16529164.2526216;  // as listed; vlmP23T(623.15) lies a step above it
constexpr double kPMax = 100.0 * 1000000.0;
constexpr double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

class Saturation : public ::testing::Test {
 protected:
  void TearDown() override {
    vlmSETCHECKRANGEMODE(1);
    vlmSETLASTERROR(0);
  }
};

TEST_F(Saturation, PublishedValues) {
  const struct {
    vlmProperty1 function;
    double argument, expected;
    int digits;
  } cases[] = {
      {vlmPST, 300, 3536.58941, 9},        {vlmPST, 500, 2638897.76, 9}, {vlmPST, 600, 12344314.6, 9},
      {vlmTSP, 0.1e6, 372.755919, 9},      {vlmTSP, 1e6, 453.035632, 9}, {vlmTSP, 10e6, 584.149488, 9},
      {vlmPST, kCritical, kPCritical, 15}, {vlmTSP, kPMin, 273.15, 12},  {vlmP23T, kT13, 16529164.2526216, 15},
      {vlmT23P, kP23Min, 623.15, 12},      {vlmP23T, kT25, 100e6, 12},   {vlmT23P, kPMax, 863.15, 12},
  };
  for (const auto& c : cases) {
    vlmSETLASTERROR(4);
    EXPECT_TRUE(agreesTo(c.function(c.argument), c.expected, c.digits)) << c.argument;
    EXPECT_EQ(vlmGETLASTERROR(), 0) << c.argument;
  }
}

const struct Range {
  vlmProperty1 function;
  double lo, hi;
} kRanges[] = {
    {vlmPST, kTriple, kCritical}, {vlmTSP, kPMin, kPCritical}, {vlmP23T, kT13, kT25}, {vlmT23P, kP23Min, kPMax}};

TEST_F(Saturation, LimitsAreInclusiveAndTheNextDoubleOutsideIsRefused) {
  for (const auto& r : kRanges) {
    for (double x : {r.lo, r.hi}) {
      vlmSETLASTERROR(2);
      EXPECT_GT(r.function(x), 0) << x;
      EXPECT_EQ(vlmGETLASTERROR(), 0) << x;
    }
    for (double x : {std::nextafter(r.lo, -kInf), std::nextafter(r.hi, kInf), -kInf, kInf, kNaN}) {
      vlmSETLASTERROR(0);
      EXPECT_EQ(r.function(x), -1) << x;
      EXPECT_EQ(vlmGETLASTERROR(), 2) << x;
    }
  }
  // vlmTSP accepts p min, whose saturation temperature (273.15 K) vlmPST refuses.
  EXPECT_EQ(vlmPST(vlmTSP(kPMin)), -1);
  EXPECT_EQ(vlmGETLASTERROR(), 2);
}

TEST_F(Saturation, WithoutRangeCheckTheEquationsAreExtrapolated) {
  vlmSETCHECKRANGEMODE(0);
  for (const auto& r : kRanges) {
    for (double limit : {r.lo, r.hi}) {
      const double x = std::nextafter(limit, limit == r.lo ? -kInf : kInf);
      vlmSETLASTERROR(2);
      const double value = r.function(x);
      EXPECT_EQ(vlmGETLASTERROR(), 0) << x;
      EXPECT_NEAR(value / r.function(limit), 1.0, 1e-9) << x;
    }
  }
  EXPECT_TRUE(agreesTo(vlmPST(273.15), 611.212677444345, 15));
  EXPECT_NEAR(vlmTSP(30e6), 650.16, 0.005);
  EXPECT_EQ(vlmGETLASTERROR(), 0);
  // Square roots of negative operands (B23 below 13.92 MPa, a negative pressure) and NaN
  // arguments give non-finite results, which must not come back as a success.
  const struct {
    vlmProperty1 function;
    double argument;
  } bad[] = {{vlmT23P, 10e6}, {vlmTSP, -1e5}, {vlmPST, kNaN}, {vlmTSP, kNaN}, {vlmP23T, kNaN}, {vlmT23P, kNaN}};
  for (const auto& b : bad) {
    vlmSETLASTERROR(0);
    EXPECT_EQ(b.function(b.argument), -1) << b.argument;
    EXPECT_EQ(vlmGETLASTERROR(), 1) << b.argument;
  }
}

TEST_F(Saturation, BothDirectionsOfEachLineInvertEachOther) {
  // The top ends are left out: at 647.096 K and 863.15 K the equations give a hair more
  // than the rounded upper limits 22.0640000003205 MPa and 100 MPa.
  const int steps = 400;
  for (int i = 0; i < steps; ++i) {
    const double t = kTriple + (kCritical - kTriple) * i / steps;
    EXPECT_NEAR(vlmTSP(vlmPST(t)), t, 1e-9) << t;
    ASSERT_EQ(vlmGETLASTERROR(), 0) << t;
    const double t23 = kT13 + (kT25 - kT13) * i / steps;
    EXPECT_NEAR(vlmT23P(vlmP23T(t23)), t23, 1e-9) << t23;
    ASSERT_EQ(vlmGETLASTERROR(), 0) << t23;
    const double p = kP23Min + (kPMax - kP23Min) * i / steps;
    EXPECT_NEAR(vlmP23T(vlmT23P(p)) / p, 1.0, 1e-11) << p;
  }
  EXPECT_LT(vlmPST(400), vlmPST(400.001));
  EXPECT_LT(vlmP23T(700), vlmP23T(700.001));
}

}  // namespace
