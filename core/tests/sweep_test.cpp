// Dense sweeps over the valid domain, asserting structural truths rather than formulas.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "vlmcore5.h"

namespace {

const vlmProperty2 kGeneral[] = {vlmVPT, vlmUPT, vlmSPT, vlmHPT, vlmCPPT, vlmCVPT, vlmWPT};
const vlmProperty2 kByRegion[][4] = {
    {vlmV1PT, vlmV2PT, vlmV3PT, vlmV5PT},     {vlmU1PT, vlmU2PT, vlmU3PT, vlmU5PT},
    {vlmS1PT, vlmS2PT, vlmS3PT, vlmS5PT},     {vlmH1PT, vlmH2PT, vlmH3PT, vlmH5PT},
    {vlmCP1PT, vlmCP2PT, vlmCP3PT, vlmCP5PT}, {vlmCV1PT, vlmCV2PT, vlmCV3PT, vlmCV5PT},
    {vlmW1PT, vlmW2PT, vlmW3PT, vlmW5PT},
};
const vlmProperty2 kTransport[] = {vlmTHERMCONDPT, vlmDYNVISPT, vlmPRANDTLEPT, vlmKINVISPT, vlmKPT};

int column(int area) { return area == 5 ? 3 : area - 1; }

// Pressures from p min to 100 MPa, logarithmically; temperatures from 273.16 K to 2273.15 K.
template <class Visit>
void forEachPoint(const Visit& visit) {
  for (double lp = std::log(611.212677444345); lp <= std::log(100e6); lp += 0.23) {
    const double p = std::exp(lp);
    for (double t = 273.16; t <= 2273.15; t += (t < 900 ? 3.7 : 41.0)) visit(p, t);
  }
}

TEST(Sweep, GeneralFunctionsAgreeWithTheNamedRegion) {
  int points = 0;
  forEachPoint([&](double p, double t) {
    const int area = vlmWATERSTATEAREA2(p, t);
    if (area == -1) {
      ASSERT_EQ(vlmGETLASTERROR(), 2) << p << " " << t;  // only the range step refuses
      return;
    }
    ++points;
    for (int i = 0; i < 7; ++i) {
      const double general = kGeneral[i](p, t);
      ASSERT_EQ(vlmGETLASTERROR(), 0) << i << " at " << p << " Pa, " << t << " K";
      ASSERT_TRUE(std::isfinite(general));
      ASSERT_EQ(general, kByRegion[i][column(area)](p, t)) << i << " at " << p << " Pa, " << t << " K";
    }
    if (t <= 1073.15 && (t <= 773.15 || p <= 40e6)) {
      for (auto f : kTransport) {
        ASSERT_TRUE(std::isfinite(f(p, t)));
        ASSERT_EQ(vlmGETLASTERROR(), 0) << p << " Pa, " << t << " K";
      }
    }
  });
  EXPECT_GT(points, 3000);
}

const vlmProperty1 kWater[] = {vlmVSWT, vlmUSWT,         vlmSSWT,      vlmHSWT,      vlmCPSWT,       vlmCVSWT,
                               vlmWSWT, vlmTHERMCONDSWT, vlmDYNVISSWT, vlmKINVISSWT, vlmPRANDTLESWT, vlmKSWT};
const vlmProperty1 kSteam[] = {vlmVSST, vlmUSST,         vlmSSST,      vlmHSST,      vlmCPSST,       vlmCVSST,
                               vlmWSST, vlmTHERMCONDSST, vlmDYNVISSST, vlmKINVISSST, vlmPRANDTLESST, vlmKSST};
const vlmProperty2 kWet[] = {vlmVSTX, vlmUSTX,         vlmSSTX,      vlmHSTX,      vlmCPSTX,       vlmCVSTX,
                             vlmWSTX, vlmTHERMCONDSTX, vlmDYNVISSTX, vlmKINVISSTX, vlmPRANDTLESTX, vlmKSTX};

TEST(Sweep, WetSteamEndsAreTheSaturatedPhases) {
  for (double t = 273.16; t <= 647.096; t += 1.3) {
    for (int i = 0; i < 12; ++i) {
      const double water = kWater[i](t), steam = kSteam[i](t);
      ASSERT_EQ(vlmGETLASTERROR(), 0) << i << " at " << t;
      ASSERT_TRUE(std::isfinite(water) && std::isfinite(steam)) << i << " at " << t;
      ASSERT_EQ(kWet[i](t, 0), water) << i << " at " << t;
      ASSERT_EQ(kWet[i](t, 1), steam) << i << " at " << t;
    }
    ASSERT_TRUE(std::isfinite(vlmRST(t)) && std::isfinite(vlmSURFTENT(t)));
  }
}

// The saturated phases change equations at 623.15 K; the two sides must meet to within the
// consistency of the region equations there.
TEST(Sweep, SaturatedStatesAreContinuousAt62315K) {
  const double below = 623.15, above = std::nextafter(623.15, 700.0);
  const vlmProperty1 members[] = {vlmVSWT, vlmHSWT, vlmSSWT, vlmVSST, vlmHSST, vlmSSST};
  const char* names[] = {"v'", "h'", "s'", "v''", "h''", "s''"};
  for (int i = 0; i < 6; ++i) {
    const double a = members[i](below), b = members[i](above);
    const double relative = std::fabs(b - a) / std::fabs(a);
    RecordProperty(names[i], std::to_string(relative));
    EXPECT_LT(relative, 2e-3) << names[i] << " jumps by " << relative;
  }
}

}  // namespace
