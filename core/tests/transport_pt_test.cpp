// Transport properties and derived quantities from (p, t).
#include <gtest/gtest.h>

#include <cmath>

#include "vlmcore5.h"

namespace {

class TransportPT : public ::testing::Test {
 protected:
  void TearDown() override { vlmSETCHECKRANGEMODE(1); }
};

TEST_F(TransportPT, DensityComesFromTheGeneralVolume) {
  for (auto [p, t] : {std::pair{3e6, 300.0}, {0.1e6, 500.0}, {25e6, 650.0}, {1e6, 1000.0}}) {
    const double r = 1.0 / vlmVPT(p, t);
    EXPECT_EQ(vlmTHERMCONDPT(p, t), vlmTHERMCONDRT(r, t)) << p << " " << t;
    EXPECT_EQ(vlmDYNVISPT(p, t), vlmDYNVISRT(r, t)) << p << " " << t;
    EXPECT_EQ(vlmGETLASTERROR(), 0);
    EXPECT_NEAR(vlmPRANDTLEPT(p, t), vlmCPPT(p, t) * vlmDYNVISPT(p, t) / vlmTHERMCONDPT(p, t), 1e-12);
    EXPECT_NEAR(vlmKINVISPT(p, t), vlmVPT(p, t) * vlmDYNVISPT(p, t), 1e-18);
  }
}

TEST_F(TransportPT, IsentropicExponentOfDiluteSteam) {
  EXPECT_NEAR(vlmKPT(1000, 400), 1.33, 0.01);
  const double w = vlmWPT(3e6, 300), v = vlmVPT(3e6, 300);
  EXPECT_NEAR(vlmKPT(3e6, 300), w * w / (v * 3e6), 1e-9);
}

TEST_F(TransportPT, PressureDependentTemperatureLimits) {
  struct Case {
    vlmProperty2 f;
    double p, okT, badT;
  };
  const Case cases[] = {
      {vlmTHERMCONDPT, 1e6, 1073.15, 1073.16}, {vlmTHERMCONDPT, 80e6, 773.15, 773.16},
      {vlmTHERMCONDPT, 50e6, 923.15, 923.16},  {vlmDYNVISPT, 1e6, 1073.15, 1073.16},
      {vlmDYNVISPT, 100e6, 1073.15, 1073.16},
  };
  for (const auto& c : cases) {
    c.f(c.p, c.okT);
    EXPECT_EQ(vlmGETLASTERROR(), 0) << c.p << " " << c.okT;
    EXPECT_EQ(c.f(c.p, c.badT), -1.0);
    EXPECT_EQ(vlmGETLASTERROR(), 2) << c.p << " " << c.badT;
  }
  EXPECT_EQ(vlmTHERMCONDPT(40.000001e6, 1000), -1.0);
  EXPECT_EQ(vlmGETLASTERROR(), 2);
  EXPECT_EQ(vlmDYNVISPT(500, 300), -1.0);
  EXPECT_EQ(vlmGETLASTERROR(), 2);
  EXPECT_EQ(vlmPRANDTLEPT(1e6, 1100), -1.0) << "the derived quantities inherit the limits";
  EXPECT_EQ(vlmGETLASTERROR(), 2);
}

}  // namespace
