// Region 1: the verification values of IAPWS-IF97 and evaluation without range checks.
#include <gtest/gtest.h>

#include "support/digits.hpp"
#include "vlmcore5.h"

namespace {

using vlmtest::agreesTo;

struct Case {
  const char* name;
  vlmProperty2 function;
  double a, b, expected;
};

// Published values, to 9 significant digits (u at 3 MPa, 300 K and the rest as given).
const Case kCases[] = {
    {"v(3 MPa, 300 K)", vlmV1PT, 3e6, 300, 0.00100215168},
    {"h(3 MPa, 300 K)", vlmH1PT, 3e6, 300, 115331.273},
    {"u(3 MPa, 300 K)", vlmU1PT, 3e6, 300, 112324.818},
    {"s(3 MPa, 300 K)", vlmS1PT, 3e6, 300, 392.294792},
    {"cp(3 MPa, 300 K)", vlmCP1PT, 3e6, 300, 4173.01218},
    {"w(3 MPa, 300 K)", vlmW1PT, 3e6, 300, 1507.73921},
    {"v(80 MPa, 300 K)", vlmV1PT, 80e6, 300, 0.000971180894},
    {"h(80 MPa, 300 K)", vlmH1PT, 80e6, 300, 184142.828},
    {"u(80 MPa, 300 K)", vlmU1PT, 80e6, 300, 106448.356},
    {"s(80 MPa, 300 K)", vlmS1PT, 80e6, 300, 368.563852},
    {"cp(80 MPa, 300 K)", vlmCP1PT, 80e6, 300, 4010.08987},
    {"w(80 MPa, 300 K)", vlmW1PT, 80e6, 300, 1634.69054},
    {"v(3 MPa, 500 K)", vlmV1PT, 3e6, 500, 0.00120241800},
    {"h(3 MPa, 500 K)", vlmH1PT, 3e6, 500, 975542.239},
    {"u(3 MPa, 500 K)", vlmU1PT, 3e6, 500, 971934.985},
    {"s(3 MPa, 500 K)", vlmS1PT, 3e6, 500, 2580.41912},
    {"cp(3 MPa, 500 K)", vlmCP1PT, 3e6, 500, 4655.80682},
    {"w(3 MPa, 500 K)", vlmW1PT, 3e6, 500, 1240.71337},
    {"T(3 MPa, 500 kJ/kg)", vlmT1PH, 3e6, 500e3, 391.798509},
    {"T(80 MPa, 500 kJ/kg)", vlmT1PH, 80e6, 500e3, 378.108626},
    {"T(80 MPa, 1500 kJ/kg)", vlmT1PH, 80e6, 1500e3, 611.041229},
    {"T(3 MPa, 0.5 kJ/kgK)", vlmT1PS, 3e6, 500, 307.842258},
    {"T(80 MPa, 0.5 kJ/kgK)", vlmT1PS, 80e6, 500, 309.979785},
    {"T(80 MPa, 3 kJ/kgK)", vlmT1PS, 80e6, 3000, 565.899909},
};

TEST(Region1, VerificationValues) {
  for (const auto& c : kCases) {
    vlmSETLASTERROR(4);
    EXPECT_TRUE(agreesTo(c.function(c.a, c.b), c.expected, 9)) << c.name;
    EXPECT_EQ(vlmGETLASTERROR(), 0) << c.name;
  }
}

// cv has no published value of its own; it must agree with the thermodynamic identity
// cp - cv = T v alpha^2 / kappa, formed here from v by finite differences.
TEST(Region1, HeatCapacitiesAgreeWithTheVolume) {
  const double p = 3e6, t = 500, dp = 1e3, dt = 1e-3;
  const double dvdt = (vlmV1PT(p, t + dt) - vlmV1PT(p, t - dt)) / (2 * dt);
  const double dvdp = (vlmV1PT(p + dp, t) - vlmV1PT(p - dp, t)) / (2 * dp);
  const double expected = vlmCP1PT(p, t) + t * dvdt * dvdt / dvdp;
  EXPECT_NEAR(vlmCV1PT(p, t) / expected, 1.0, 1e-6);
}

TEST(Region1, EnthalpyAndEntropyAreConsistent) {
  // h = u + p v and the backward equations invert the forward ones to within their accuracy.
  const double p = 3e6, t = 400;
  EXPECT_NEAR(vlmH1PT(p, t), vlmU1PT(p, t) + p * vlmV1PT(p, t), 1e-6);
  EXPECT_NEAR(vlmT1PH(p, vlmH1PT(p, t)), t, 0.03);
  EXPECT_NEAR(vlmT1PS(p, vlmS1PT(p, t)), t, 0.03);
}

TEST(Region1, StatesOutsideTheRegionAreEvaluatedWithoutComplaint) {
  for (int mode : {1, 0}) {
    vlmSETCHECKRANGEMODE(mode);
    vlmSETLASTERROR(2);
    const double v = vlmV1PT(0.1e6, 500);  // steam
    EXPECT_EQ(vlmGETLASTERROR(), 0);
    EXPECT_GT(v, 0);
    vlmH1PT(150e6, 700);  // above 100 MPa and 623.15 K
    EXPECT_EQ(vlmGETLASTERROR(), 0);
  }
  vlmSETCHECKRANGEMODE(1);
}

}  // namespace
