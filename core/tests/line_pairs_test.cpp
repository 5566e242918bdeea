// The pairs searched along a line of states, where two states share the values given: the
// rule picks the one the header names, and values no state has are refused with code 2.
#include <gtest/gtest.h>

#include "velmora.h"

namespace {

vlm_state solved(int (*pair)(double, double, const vlm_settings*, vlm_state*), double a, double b) {
  vlm_state st{};
  EXPECT_EQ(pair(a, b, nullptr, &st), 0) << a << " " << b;
  return st;
}

TEST(LinePairs, WhereTwoStatesShareTheValuesTheRuleChoosesOne) {
  // Around the density maximum: 275 K and about 279.3 K have the same v at 0.1 MPa.
  const vlm_state cold = solved(vlm_state_pt, 1e5, 275);
  const vlm_state warmer = solved(vlm_state_pv, 1e5, cold.v);
  EXPECT_NEAR(warmer.T, 279.28, 0.01);
  EXPECT_DOUBLE_EQ(warmer.v, cold.v);

  // Hot compressed liquid at 550 K: h falls with p to a minimum near 40 MPa, then rises.
  const vlm_state high = solved(vlm_state_pt, 60e6, 550);
  const vlm_state low = solved(vlm_state_th, 550, high.h);
  EXPECT_EQ(low.region, 1);
  EXPECT_LT(low.p, 40e6);
  EXPECT_NEAR(low.h, high.h, 1e-6);
  // Above h' the lowest pressure is wet steam, though liquid at 90 MPa has that h too.
  const vlm_state compressed = solved(vlm_state_pt, 90e6, 550);
  const vlm_state wet = solved(vlm_state_th, 550, compressed.h);
  EXPECT_EQ(wet.region, 4);
  EXPECT_NEAR(wet.h, compressed.h, 1e-6);

  // Below about 277 K liquid s rises with p, so values just above s' are wet steam too.
  const vlm_state squeezed = solved(vlm_state_pt, 20e6, 275);
  EXPECT_EQ(solved(vlm_state_ts, 275, squeezed.s).region, 4);
  const vlm_state deep = solved(vlm_state_pt, 40e6, 275);
  EXPECT_NEAR(solved(vlm_state_ts, 275, deep.s).p, 40e6, 1e-3);

  // h'' peaks near 508 K: 2.8 MJ/kg of saturated vapour at about 490 K and 525 K, the colder one.
  EXPECT_NEAR(solved(vlm_state_hx, 2.8e6, 1.0).T, 489.8, 0.1);
}

TEST(LinePairs, ValuesNoStateHasAreRefused) {
  vlm_state st{};
  EXPECT_EQ(vlm_state_th(500, 975000, nullptr, &st), 2);  // below h' where liquid h only rises
  EXPECT_EQ(vlm_state_tv(300, 1e4, nullptr, &st), 2);     // lighter than the lowest pressure allows
  EXPECT_EQ(vlm_state_tv(3000, 1, nullptr, &st), 2);
  EXPECT_EQ(vlm_state_pv(2e8, 1e-3, nullptr, &st), 2);
  EXPECT_EQ(vlm_state_pv(1e5, -1, nullptr, &st), 2);
  EXPECT_EQ(vlm_state_hx(2.9e6, 1.0, nullptr, &st), 2);  // above the maximum of h''
  EXPECT_EQ(vlm_state_sx(5000, 1.5, nullptr, &st), 2);
  EXPECT_EQ(vlm_state_uv(1e9, 1, nullptr, &st), 2);  // hotter than the hottest state
  EXPECT_EQ(vlm_state_ts(400, 1e5, nullptr, &st), 2);
  EXPECT_EQ(st.region, 0) << "written although refused";
}

}  // namespace
