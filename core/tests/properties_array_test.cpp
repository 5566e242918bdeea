// The array call of the caloric properties of (p, T): over a grid that crosses every region,
// boundary and range limit, each element is the single export's value and code bit for bit,
// with the range check on and off and with a trap the caller unmasked, and the caller's
// floating-point environment comes back as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "support/caller_fp.hpp"
#include "velmora.h"
#include "vlmcore5.h"

namespace {

namespace t = vlm::test;

using Single = double(VLM_CALL*)(double, double);
const Single kSingle[] = {vlmVPT, vlmUPT, vlmSPT, vlmHPT, vlmCPPT, vlmCVPT, vlmWPT};

// Regions 1, 2, 3 and 5, their boundaries, the saturation line's neighbourhood, the range
// limits, values beyond them (at 1e-3 Pa steam's series underflow) and values that are no
// numbers.  Zero pressure with the range check off puts region 2's series at a zero base (its
// exact route, lane by lane); at 117.363 MPa region 1's 7.1 - pi nearly vanishes.  Each point
// comes `copies` times in a row: a few, so that whole groups of lanes and the points left over
// both occur, or more than a block of the call, so that whole blocks lie in one region.
struct Grid {
  std::vector<double> p, T;
};
Grid grid(int copies) {
  const double inf = std::numeric_limits<double>::infinity(), nan = std::numeric_limits<double>::quiet_NaN();
  const double pressures[] = {0,        -1,   1e-3, 611.2, 1e3,       1e5,   3.5e5, 3e6, 16.5292e6,
                              22.064e6, 25e6, 50e6, 100e6, 117.363e6, 120e6, inf,   nan};
  const double temperatures[] = {0.5, 273.15, 300,    373.15,  411.5,  450,  600,     623.15, 623.16,
                                 650, 700,    863.15, 1073.15, 1073.2, 1500, 2273.15, 2300,   nan};
  Grid g;
  for (double p : pressures) {
    for (double T : temperatures) {
      for (int copy = 0; copy < copies; ++copy) {
        g.p.push_back(p);
        g.T.push_back(T);
      }
    }
  }
  return g;
}

// Compares every quantity's array call with the single exports; returns the mismatches.
int mismatches(const Grid& g, const vlm_settings* cfg) {
  const std::size_t n = g.p.size();
  std::vector<double> out(n);
  std::vector<int> codes(n);
  int wrong = 0;
  for (int q = VLM_Q_V; q <= VLM_Q_W; ++q) {
    const int first = vlm_properties_pt(q, n, g.p.data(), g.T.data(), cfg, out.data(), codes.data());
    int firstExpected = 0;
    for (std::size_t i = 0; i < n; ++i) {
      const double single = kSingle[q](g.p[i], g.T[i]);
      const int code = vlmGETLASTERROR();
      if (firstExpected == 0) firstExpected = code;
      const bool same =
          code == codes[i] && (code == 0 ? std::memcmp(&single, &out[i], sizeof single) == 0 : std::isnan(out[i]));
      if (!same && wrong++ < 5) {
        ADD_FAILURE() << "quantity " << q << " at (" << g.p[i] << ", " << g.T[i] << "): " << out[i] << " code "
                      << codes[i] << ", single " << single << " code " << code;
      }
    }
    EXPECT_EQ(first, firstExpected) << "quantity " << q;
  }
  return wrong;
}

TEST(PropertiesArray, EveryElementIsTheSingleExportsResult) {
  vlm_settings loose;
  vlm_default_settings(&loose);
  loose.check_range = 0;
  const int mode = vlmGETCHECKRANGEMODE();
  for (int copies : {3, 260}) {
    const Grid g = grid(copies);
    vlmSETCHECKRANGEMODE(mode);
    EXPECT_EQ(mismatches(g, nullptr), 0) << copies;
    // Without the range check, both the array call and the single exports.
    vlmSETCHECKRANGEMODE(0);
    EXPECT_EQ(mismatches(g, &loose), 0) << copies;
  }
  const Grid g = grid(3);

  // A caller who unmasked underflow: the elements whose computation underflows get code 1,
  // exactly as their single calls do, and the environment is handed back unchanged.
  const t::FpState initial = t::readFp();
  const t::FpState trapping = t::callerState(initial, {.unmasked = t::kUnderflow});
  std::vector<double> out(g.p.size()), single(g.p.size());
  std::vector<int> codes(g.p.size()), singleCodes(g.p.size());
  t::writeFp(trapping);
  vlm_properties_pt(VLM_Q_H, g.p.size(), g.p.data(), g.T.data(), &loose, out.data(), codes.data());
  const t::FpState after = t::readFp();
  for (std::size_t i = 0; i < g.p.size(); ++i) {
    single[i] = vlmHPT(g.p[i], g.T[i]);
    singleCodes[i] = vlmGETLASTERROR();
  }
  t::writeFp(initial);
  vlmSETCHECKRANGEMODE(mode);
  EXPECT_TRUE(after == trapping);
  EXPECT_EQ(codes, singleCodes);
  std::vector<double> masked(g.p.size());
  std::vector<int> maskedCodes(g.p.size());
  vlm_properties_pt(VLM_Q_H, g.p.size(), g.p.data(), g.T.data(), &loose, masked.data(), maskedCodes.data());
  EXPECT_NE(codes, maskedCodes) << "nothing underflowed: the trap was not exercised";
  for (std::size_t i = 0; i < g.p.size(); ++i) {
    if (codes[i] == 0) {
      EXPECT_EQ(std::memcmp(&out[i], &single[i], sizeof(double)), 0) << i;
    }
  }

  // Refused calls: an unknown quantity, missing arrays; none of them writes anything.
  double value = 7;
  int code = 7;
  EXPECT_EQ(vlm_properties_pt(VLM_Q_W + 1, 1, g.p.data(), g.T.data(), nullptr, &value, &code), 2);
  EXPECT_EQ(vlm_properties_pt(VLM_Q_H, 1, nullptr, g.T.data(), nullptr, &value, &code), 2);
  EXPECT_EQ(vlm_properties_pt(VLM_Q_H, 0, nullptr, nullptr, nullptr, nullptr, nullptr), 0);
  EXPECT_EQ(value, 7);
  EXPECT_EQ(code, 7);
}

}  // namespace
