// Wet steam from (t, x), from (p, t, x), and the dryness from a property value.
#include <gtest/gtest.h>

#include <cmath>

#include "vlmcore5.h"

namespace {

class Wet : public ::testing::Test {
 protected:
  void TearDown() override {
    vlmSETCHECKRANGEMODE(1);
    vlmSETINITWATERDENSITY(800);
    vlmSETINITSTEAMDENSITY(10);
    vlmSETDELTATS(1);
  }
};

struct Family {
  const char* name;
  vlmProperty1 water, steam;
  vlmProperty2 wet, dryness;
  vlmProperty3 fromPTX;
};

const Family kFamilies[] = {
    {"V", vlmVSWT, vlmVSST, vlmVSTX, vlmXSTV, vlmVPTX},
    {"U", vlmUSWT, vlmUSST, vlmUSTX, vlmXSTU, vlmUPTX},
    {"S", vlmSSWT, vlmSSST, vlmSSTX, vlmXSTS, vlmSPTX},
    {"H", vlmHSWT, vlmHSST, vlmHSTX, vlmXSTH, vlmHPTX},
    {"CP", vlmCPSWT, vlmCPSST, vlmCPSTX, vlmXSTCP, vlmCPPTX},
    {"CV", vlmCVSWT, vlmCVSST, vlmCVSTX, vlmXSTCV, vlmCVPTX},
    {"W", vlmWSWT, vlmWSST, vlmWSTX, vlmXSTW, vlmWPTX},
    {"K", vlmKSWT, vlmKSST, vlmKSTX, vlmXSTK, vlmKPTX},
    {"THERMCOND", vlmTHERMCONDSWT, vlmTHERMCONDSST, vlmTHERMCONDSTX, vlmXSTTHERMCOND, vlmTHERMCONDPTX},
    {"DYNVIS", vlmDYNVISSWT, vlmDYNVISSST, vlmDYNVISSTX, vlmXSTDYNVIS, vlmDYNVISPTX},
    {"KINVIS", vlmKINVISSWT, vlmKINVISSST, vlmKINVISSTX, vlmXSTKINVIS, vlmKINVISPTX},
    {"PRANDTLE", vlmPRANDTLESWT, vlmPRANDTLESST, vlmPRANDTLESTX, vlmXSTPRANDTLE, vlmPRANDTLEPTX},
};

TEST_F(Wet, MixtureIsLinearInDryness) {
  for (const auto& f : kFamilies) {
    for (double t : {300.0, 373.15, 640.0}) {
      const double water = f.water(t), steam = f.steam(t);
      EXPECT_EQ(f.wet(t, 0), water) << f.name << " " << t;
      EXPECT_EQ(f.wet(t, 1), steam) << f.name << " " << t;
      EXPECT_NEAR(f.wet(t, 0.5), (water + steam) / 2, 1e-12 * std::fabs(water + steam)) << f.name;
      EXPECT_EQ(vlmGETLASTERROR(), 0);
    }
  }
  EXPECT_NEAR(vlmHSTX(373.15, 0.5), 1547336, 1);
}

TEST_F(Wet, DrynessInvertsTheMixture) {
  for (const auto& f : kFamilies) {
    for (double x : {0.0, 0.25, 0.5, 1.0}) {
      const double value = f.wet(373.15, x);
      EXPECT_NEAR(f.dryness(373.15, value), x, 1e-9) << f.name << " x=" << x;
      EXPECT_EQ(vlmGETLASTERROR(), 0);
    }
  }
  EXPECT_NEAR(vlmXSTH(373.15, vlmHSTX(373.15, 0.5)), 0.5, 1e-12);
  EXPECT_EQ(vlmXSTV(400, vlmVSWT(400)), 0.0);
  EXPECT_EQ(vlmXSTV(400, vlmVSST(400)), 1.0);
}

TEST_F(Wet, RangeOfTemperatureDrynessAndValue) {
  EXPECT_EQ(vlmVSTX(373.15, std::nextafter(1.0, 2.0)), -1.0);
  EXPECT_EQ(vlmGETLASTERROR(), 2);
  EXPECT_EQ(vlmVSTX(373.15, -1e-12), -1.0);
  EXPECT_EQ(vlmGETLASTERROR(), 2);
  EXPECT_EQ(vlmVSTX(373.15, std::nan("")), -1.0);
  EXPECT_EQ(vlmGETLASTERROR(), 2);
  EXPECT_EQ(vlmVSTX(273.15, 0.5), -1.0);
  EXPECT_EQ(vlmGETLASTERROR(), 2);
  const double sSteam = vlmSSST(373.15);
  EXPECT_EQ(vlmXSTS(373.15, sSteam * (1 + 1e-9)), -1.0);
  EXPECT_EQ(vlmGETLASTERROR(), 2);
  EXPECT_EQ(vlmXSTS(273.15, sSteam), -1.0) << "the saturated members check the temperature";
  EXPECT_EQ(vlmGETLASTERROR(), 2);

  vlmSETCHECKRANGEMODE(0);
  const double water = vlmVSWT(373.15), steam = vlmVSST(373.15);
  EXPECT_NEAR(vlmVSTX(373.15, 1.5), -0.5 * water + 1.5 * steam, 1e-12);
  EXPECT_NEAR(vlmXSTV(373.15, 2 * steam - water), 2.0, 1e-12);
  EXPECT_EQ(vlmGETLASTERROR(), 0);
}

TEST_F(Wet, EqualSaturatedPairIsAFaultNotAnInfinity) {
  // With both start densities equal the two phases above 623.15 K are the same state.
  vlmSETINITSTEAMDENSITY(800);
  const double h = vlmHSWT(640);
  ASSERT_EQ(vlmHSST(640), h);
  EXPECT_EQ(vlmXSTH(640, h), -1.0);
  EXPECT_EQ(vlmGETLASTERROR(), 1);
  EXPECT_EQ(vlmXSTH(640, h + 1), -1.0);
  EXPECT_EQ(vlmGETLASTERROR(), 2) << "outside the (empty) interval while checking";
  vlmSETCHECKRANGEMODE(0);
  EXPECT_EQ(vlmXSTH(640, h + 1), -1.0);
  EXPECT_EQ(vlmGETLASTERROR(), 1);
}

TEST_F(Wet, PtxIgnoresDrynessOutsideTheBand) {
  for (const auto& f : kFamilies) {
    for (double x : {0.0, 0.3, 7.0, -2.0}) {
      const double liquid = f.fromPTX(3e6, 300, x);
      EXPECT_EQ(vlmGETLASTERROR(), 0) << f.name;
      const double steam = f.fromPTX(0.1e6, 500, x);
      EXPECT_EQ(vlmGETLASTERROR(), 0) << f.name;
      EXPECT_EQ(liquid, f.fromPTX(3e6, 300, 0.5)) << f.name;
      EXPECT_EQ(steam, f.fromPTX(0.1e6, 500, 0.5)) << f.name;
    }
  }
  EXPECT_EQ(vlmVPTX(3e6, 300, 9), vlmV1PT(3e6, 300));
  EXPECT_EQ(vlmTHERMCONDPTX(0.1e6, 500, 9), vlmTHERMCONDPT(0.1e6, 500));
}

TEST_F(Wet, PtxInTheBandIsWetSteamAtTheGivenTemperature) {
  const double p = 0.1e6, t = 372.5;  // Ts(0.1 MPa) = 372.756 K
  for (const auto& f : kFamilies) {
    EXPECT_EQ(f.fromPTX(p, t, 0.3), f.wet(t, 0.3)) << f.name;
  }
  EXPECT_EQ(vlmHPTX(p, t, 1.5), -1.0);
  EXPECT_EQ(vlmGETLASTERROR(), 2);
  EXPECT_EQ(vlmHPTX(20e6, 1500, 0.5), -1.0);
  EXPECT_EQ(vlmGETLASTERROR(), 2);
}

}  // namespace
