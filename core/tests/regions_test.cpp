// Region determination and the general (p, t) functions.
#include <gtest/gtest.h>

#include <cmath>

#include "vlmcore5.h"

namespace {

class Regions : public ::testing::Test {
 protected:
  void TearDown() override {
    vlmSETCHECKRANGEMODE(1);
    vlmSETDELTATS(1.0);
  }
};

struct Point {
  double p, t;
  int area, area2;
};

// With the default settings: checking on, delta TS 1 K.
const Point kPoints[] = {
    {0.1e6, 372, 4, 1},  // within 1 K of Ts(0.1 MPa) = 372.756 K; ps(372 K) is below 0.1 MPa
    {0.1e6, 300, 1, 1},    {0.1e6, 400, 2, 2},
    {20e6, 638.5, 4, 3},  // Ts(20 MPa) = 638.896 K
    {20e6, 630, 3, 3},     {16e6, 700, 2, 2},
    {30e6, 700, 2, 2},     {25e6, 650, 3, 3},
    {20e6, 1000, 2, 2},    {5e6, 1500, 5, 5},
    {100e6, 273.16, 1, 1}, {50e6, 600, 1, 1},  // above the critical pressure and below 623.15 K: liquid without Ts
    {10e6, 2273.15, 5, 5}, {611.212677444345, 273.16, 4, 2},
};

TEST_F(Regions, ListedPoints) {
  for (const auto& pt : kPoints) {
    EXPECT_EQ(vlmWATERSTATEAREA(pt.p, pt.t), pt.area) << pt.p << " Pa, " << pt.t << " K";
    EXPECT_EQ(vlmGETLASTERROR(), 0);
    EXPECT_EQ(vlmWATERSTATEAREA2(pt.p, pt.t), pt.area2) << pt.p << " Pa, " << pt.t << " K";
    EXPECT_EQ(vlmGETLASTERROR(), 0);
  }
}

TEST_F(Regions, ExactlyOnTheB23Line) {
  const double p = vlmP23T(640);
  EXPECT_NEAR(p, 18.5569e6, 100);
  EXPECT_EQ(vlmWATERSTATEAREA(p, 640), 2);
  EXPECT_EQ(vlmWATERSTATEAREA2(p, 640), 3);
}

TEST_F(Regions, ExactlyOnTheSaturationLineWithoutBand) {
  vlmSETDELTATS(0);
  const double t = 400;
  const double p = vlmPST(t);
  EXPECT_EQ(vlmWATERSTATEAREA2(p, t), 2);
  EXPECT_EQ(vlmWATERSTATEAREA(p, vlmTSP(p)), 2);
}

TEST_F(Regions, DeltaTsWidensOrClosesTheBand) {
  vlmSETDELTATS(0);
  for (double t = 274; t < 647; t += 7) {
    const double p = vlmPST(t);
    EXPECT_NE(vlmWATERSTATEAREA(p, t), 4) << t;
  }
  vlmSETDELTATS(10);
  EXPECT_EQ(vlmWATERSTATEAREA(0.1e6, 380), 4);
  EXPECT_EQ(vlmWATERSTATEAREA2(0.1e6, 380), 2);
}

TEST_F(Regions, RangeStepInBothFunctions) {
  struct Refused {
    double p, t;
  };
  const Refused refused[] = {{0.1e6, 273.15}, {500, 300},          {20e6, 1500},        {100.001e6, 300},
                             {1e6, 2273.16},  {std::nan(""), 300}, {1e6, std::nan("")}, {10.000001e6, 1073.16}};
  for (const auto& r : refused) {
    for (auto* area : {vlmWATERSTATEAREA, vlmWATERSTATEAREA2}) {
      vlmSETCHECKRANGEMODE(1);
      EXPECT_EQ(area(r.p, r.t), -1) << r.p << " Pa, " << r.t << " K";
      EXPECT_EQ(vlmGETLASTERROR(), 2);
    }
  }
  // Inclusive bounds.
  EXPECT_EQ(vlmWATERSTATEAREA2(10e6, 1073.16), 5);
  EXPECT_EQ(vlmWATERSTATEAREA2(100e6, 1073.15), 2);
  EXPECT_EQ(vlmWATERSTATEAREA2(611.212677444345, 300), 2);
  vlmSETCHECKRANGEMODE(0);
  EXPECT_EQ(vlmWATERSTATEAREA(20e6, 1500), 5);
  EXPECT_EQ(vlmWATERSTATEAREA2(20e6, 1500), 5);
  EXPECT_EQ(vlmGETLASTERROR(), 0);
}

TEST_F(Regions, GeneralFunctionsDispatch) {
  struct Case {
    vlmProperty2 general, region;
    double p, t;
  };
  const Case cases[] = {
      {vlmHPT, vlmH1PT, 3e6, 300},    {vlmVPT, vlmV1PT, 0.1e6, 372},  {vlmSPT, vlmS2PT, 0.1e6, 400},
      {vlmUPT, vlmU3PT, 25e6, 650},   {vlmCPPT, vlmCP5PT, 5e6, 1500}, {vlmCVPT, vlmCV2PT, 20e6, 1000},
      {vlmWPT, vlmW3PT, 20e6, 638.5},
  };
  for (const auto& c : cases) {
    vlmSETLASTERROR(3);
    const double value = c.general(c.p, c.t);
    EXPECT_EQ(vlmGETLASTERROR(), 0);
    EXPECT_EQ(value, c.region(c.p, c.t)) << c.p << " Pa, " << c.t << " K";
  }
}

TEST_F(Regions, GeneralFunctionsCheckTheRange) {
  EXPECT_EQ(vlmHPT(3e6, 3000), -1.0);
  EXPECT_EQ(vlmGETLASTERROR(), 2);
  EXPECT_EQ(vlmHPT(20e6, 1500), -1.0);
  EXPECT_EQ(vlmGETLASTERROR(), 2);
  const double region5 = vlmH5PT(20e6, 1500);
  EXPECT_EQ(vlmGETLASTERROR(), 0);
  vlmSETCHECKRANGEMODE(0);
  EXPECT_EQ(vlmHPT(20e6, 1500), region5);
  EXPECT_EQ(vlmGETLASTERROR(), 0);
}

TEST_F(Regions, SolverFailurePassesThrough) {
  vlmSETMAXITERATION(0);
  EXPECT_EQ(vlmVPT(25e6, 650), -1.0);
  EXPECT_EQ(vlmGETLASTERROR(), 3);
  vlmSETMAXITERATION(1000);
}

}  // namespace
