// Saturated water and saturated steam.
#include <gtest/gtest.h>

#include <cmath>

#include "support/digits.hpp"
#include "vlmcore5.h"

namespace {

using vlmtest::agreesTo;

class Saturated : public ::testing::Test {
 protected:
  void TearDown() override {
    vlmSETCHECKRANGEMODE(1);
    vlmSETINITWATERDENSITY(800);
    vlmSETINITSTEAMDENSITY(10);
  }
};

TEST_F(Saturated, ValuesAtTheNormalBoilingPoint) {
  const double t = 373.15;
  struct Case {
    const char* name;
    vlmProperty1 function;
    double expected;
    int digits;
  };
  const Case cases[] = {
      {"VSWT", vlmVSWT, 0.00104346, 6},
      {"VSST", vlmVSST, 1.67186, 6},
      {"HSWT", vlmHSWT, 419099, 6},
      {"HSST", vlmHSST, 2675572, 7},
      {"RST", vlmRST, 2256473, 7},
      {"THERMCONDSWT", vlmTHERMCONDSWT, 0.6778, 4},
      {"DYNVISSWT", vlmDYNVISSWT, 2.817e-4, 4},
      {"PRANDTLESWT", vlmPRANDTLESWT, 1.753, 4},
      {"THERMCONDSST", vlmTHERMCONDSST, 0.02479, 4},
      {"DYNVISSST", vlmDYNVISSST, 1.227e-5, 4},
      {"KSST", vlmKSST, 1.315, 4},
  };
  for (const auto& c : cases) {
    vlmSETLASTERROR(4);
    EXPECT_TRUE(agreesTo(c.function(t), c.expected, c.digits)) << c.name;
    EXPECT_EQ(vlmGETLASTERROR(), 0) << c.name;
  }
}

TEST_F(Saturated, MembersUseTheRegionEquationsAtTheSaturationPressure) {
  for (double t : {300.0, 500.0, 623.15}) {
    const double ps = vlmPST(t);
    EXPECT_EQ(vlmHSWT(t), vlmH1PT(ps, t)) << t;
    EXPECT_EQ(vlmWSST(t), vlmW2PT(ps, t)) << t;
  }
  // Above 623.15 K: region 3 at the density the solver finds from each start density.
  const double t = 630, ps = vlmPST(t);
  EXPECT_EQ(vlmVSWT(t), 1.0 / vlmR3PTR0(ps, t, 800));
  EXPECT_EQ(vlmHSST(t), vlmH3RT(vlmR3PTR0(ps, t, 10), t));
}

TEST_F(Saturated, CombinedMembersAgreeWithTheirParts) {
  for (double t : {300.0, 450.0, 640.0}) {
    EXPECT_NEAR(vlmPRANDTLESWT(t), vlmCPSWT(t) * vlmDYNVISSWT(t) / vlmTHERMCONDSWT(t), 1e-12) << t;
    EXPECT_NEAR(vlmKINVISSST(t), vlmVSST(t) * vlmDYNVISSST(t), 1e-18) << t;
    const double w = vlmWSST(t);
    EXPECT_NEAR(vlmKSST(t) / (w * w / (vlmPST(t) * vlmVSST(t))), 1, 1e-14) << t;
    EXPECT_EQ(vlmRST(t), vlmHSST(t) - vlmHSWT(t)) << t;
  }
}

TEST_F(Saturated, CriticalPointPhasesNearlyCoincide) {
  const double t = 647.096;
  EXPECT_NEAR(1.0 / vlmVSWT(t), 322.2, 0.5);
  EXPECT_NEAR(1.0 / vlmVSST(t), 322.2, 0.5);
  EXPECT_LT(std::fabs(vlmRST(t)), 20000);  // against about 2.26e6 at 373 K
}

TEST_F(Saturated, StartDensitySelectsThePhaseAbove62315K) {
  EXPECT_NEAR(1.0 / vlmVSST(640), 177.4, 0.5);
  vlmSETINITSTEAMDENSITY(800);
  EXPECT_NEAR(1.0 / vlmVSST(640), 481.6, 0.5);
}

TEST_F(Saturated, TemperatureRange) {
  const vlmProperty1 members[] = {vlmVSWT, vlmHSST, vlmTHERMCONDSWT, vlmPRANDTLESST, vlmKSWT, vlmKINVISSST, vlmRST};
  for (auto member : members) {
    member(273.16);
    EXPECT_EQ(vlmGETLASTERROR(), 0);
    member(647.096);
    EXPECT_EQ(vlmGETLASTERROR(), 0);
    for (double t : {273.15, 647.0961, std::nan("")}) {
      EXPECT_EQ(member(t), -1.0);
      EXPECT_EQ(vlmGETLASTERROR(), 2) << t;
    }
  }
  vlmSETCHECKRANGEMODE(0);
  EXPECT_GT(vlmVSWT(273.15), 0);
  EXPECT_EQ(vlmGETLASTERROR(), 0);
}

TEST_F(Saturated, SolverFailureIsPassedOn) {
  vlmSETMAXITERATION(0);
  EXPECT_EQ(vlmHSWT(640), -1.0);
  EXPECT_EQ(vlmGETLASTERROR(), 3);
  EXPECT_EQ(vlmPRANDTLESST(640), -1.0);
  EXPECT_EQ(vlmGETLASTERROR(), 3);
  EXPECT_GT(vlmHSWT(600), 0);  // regions 1 and 2 need no solver
  EXPECT_EQ(vlmGETLASTERROR(), 0);
  vlmSETMAXITERATION(1000);
}

}  // namespace
