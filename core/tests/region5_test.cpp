// Region 5: the verification values of the equation as issued in 1997 (five residual terms),
// evaluation without range checks, and faults at zero and negative pressure.
#include <gtest/gtest.h>

#include "support/digits.hpp"
#include "vlmcore5.h"

namespace {

using vlmtest::agreesTo;

struct Case {
  const char* name;
  vlmProperty2 function;
  double p, t, expected;
  int digits;
};

const Case kCases[] = {
    {"v(0.5 MPa, 1500 K)", vlmV5PT, 0.5e6, 1500, 1.38455354, 9},
    {"h(0.5 MPa, 1500 K)", vlmH5PT, 0.5e6, 1500, 5219763.32, 9},
    {"u(0.5 MPa, 1500 K)", vlmU5PT, 0.5e6, 1500, 4527486.54, 9},
    {"s(0.5 MPa, 1500 K)", vlmS5PT, 0.5e6, 1500, 9654.08431, 9},
    {"cp(0.5 MPa, 1500 K)", vlmCP5PT, 0.5e6, 1500, 2616.10228, 9},
    {"w(0.5 MPa, 1500 K)", vlmW5PT, 0.5e6, 1500, 917.071933, 9},
    {"v(8 MPa, 1500 K)", vlmV5PT, 8e6, 1500, 0.0865156616, 9},
    {"h(8 MPa, 1500 K)", vlmH5PT, 8e6, 1500, 5206096.34, 9},
    {"u(8 MPa, 1500 K)", vlmU5PT, 8e6, 1500, 4513971.05, 9},
    {"s(8 MPa, 1500 K)", vlmS5PT, 8e6, 1500, 8365.46724, 9},
    {"cp(8 MPa, 1500 K)", vlmCP5PT, 8e6, 1500, 2644.53866, 9},
    {"w(8 MPa, 1500 K)", vlmW5PT, 8e6, 1500, 919.708859, 9},
    {"v(0.5 MPa, 2000 K)", vlmV5PT, 0.5e6, 2000, 1.8464629, 8},
    {"h(0.5 MPa, 2000 K)", vlmH5PT, 0.5e6, 2000, 6588174.08, 9},
    {"w(0.5 MPa, 2000 K)", vlmW5PT, 0.5e6, 2000, 1050.10703, 9},
    {"v(8 MPa, 2000 K)", vlmV5PT, 8e6, 2000, 0.115743146, 9},
    {"h(8 MPa, 2000 K)", vlmH5PT, 8e6, 2000, 6583802.91, 9},
    {"u(8 MPa, 2000 K)", vlmU5PT, 8e6, 2000, 5657857.74, 9},
    {"s(8 MPa, 2000 K)", vlmS5PT, 8e6, 2000, 9156.71044, 9},
    {"cp(8 MPa, 2000 K)", vlmCP5PT, 8e6, 2000, 2853.06750, 9},
};

TEST(Region5, VerificationValues) {
  for (const auto& c : kCases) {
    vlmSETLASTERROR(4);
    EXPECT_TRUE(agreesTo(c.function(c.p, c.t), c.expected, c.digits)) << c.name;
    EXPECT_EQ(vlmGETLASTERROR(), 0) << c.name;
  }
}

TEST(Region5, StatesOutsideTheRegionAreEvaluatedWithoutComplaint) {
  for (int mode : {1, 0}) {
    vlmSETCHECKRANGEMODE(mode);
    vlmSETLASTERROR(2);
    EXPECT_GT(vlmH5PT(20e6, 1500), 0);  // above 10 MPa
    EXPECT_EQ(vlmGETLASTERROR(), 0);
    vlmSETLASTERROR(2);
    EXPECT_GT(vlmV5PT(0.1e6, 3000), 0);  // above 2273.15 K
    EXPECT_EQ(vlmGETLASTERROR(), 0);
  }
  vlmSETCHECKRANGEMODE(1);
}

// 1/pi is infinite at zero pressure and ln(pi) undefined below it: code 1 and -1, never a
// non-finite value with code 0.
TEST(SteamEquations, ZeroAndNegativePressureFail) {
  const vlmProperty2 atZero[] = {vlmV2PT, vlmU2PT, vlmS2PT, vlmCV2PT, vlmW2PT,
                                 vlmV5PT, vlmU5PT, vlmS5PT, vlmCV5PT, vlmW5PT};
  for (auto f : atZero) {
    vlmSETLASTERROR(0);
    EXPECT_EQ(f(0, 1500), -1);
    EXPECT_EQ(vlmGETLASTERROR(), 1);
  }
  for (auto f : {vlmS2PT, vlmS5PT}) {
    vlmSETLASTERROR(0);
    EXPECT_EQ(f(-1e5, 1500), -1);
    EXPECT_EQ(vlmGETLASTERROR(), 1);
  }
  EXPECT_GT(vlmV2PT(3500, 500), 0);  // a good call afterwards clears the code
  EXPECT_EQ(vlmGETLASTERROR(), 0);
}

}  // namespace
