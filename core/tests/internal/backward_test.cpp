// The backward and boundary equations against the forward equations: dense sweeps of each
// region and of the saturation line, the largest deviation of every equation held to the
// figure measured for it when its coefficients were checked.  A wrong coefficient shows as a
// deviation far above its figure.
#include "properties/backward.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include "vlmcore5.h"

namespace {

namespace bw = vlm::backward;

struct Limit {
  const char* equation;
  double largest;  // the measured largest deviation (units per family below)
};

// Largest absolute deviation seen per equation.
class Worst {
 public:
  void add(const std::string& equation, double deviation) {
    double& w = worst_[equation];
    w = std::max(w, std::fabs(deviation));
  }
  // The figures are rounded and were found on other samples of the same domains: 2 % room.
  void check(const Limit* begin, const Limit* end) const {
    for (auto l = begin; l != end; ++l) {
      const auto found = worst_.find(l->equation);
      ASSERT_NE(found, worst_.end()) << l->equation << " was never evaluated";
      EXPECT_LE(found->second, 1.02 * l->largest) << l->equation;
    }
  }

 private:
  std::map<std::string, double> worst_;
};

std::string name(const char* family, bw::Sub sub, const char* pair) {
  return std::string(family) + static_cast<char>(sub) + pair;
}

constexpr double pMin = 611.212677, p13 = 16529164.2526216, pMax = 100e6;
constexpr double tMin = 273.15, t13 = 623.15, t25 = 1073.15;
constexpr int kSteps = 200;

// Region 2: p logarithmically from the triple point to 100 MPa (the parts up to and above
// 4 MPa each on their own grid), T from saturation (or the B23 line) to 1073.15 K.
template <class Visit>
void region2Grid(const Visit& visit) {
  for (const auto& [lo, hi] : {std::pair{pMin, 4e6}, std::pair{4e6, pMax}}) {
    for (int i = 0; i <= kSteps; ++i) {
      const double p = lo * std::pow(hi / lo, double(i) / kSteps);
      const double tLow = p <= p13 ? std::max(tMin, vlmTSP(p)) : vlmT23P(p);
      for (int j = 0; j <= kSteps; ++j) visit(p, tLow + (t25 - tLow) * j / kSteps);
    }
  }
}

// Region 3: p from 16.53 to 100 MPa, T from 623.15 K to the B23 line, the density solved on
// the liquid side below saturation and on the vapour side above it.
template <class Visit>
void region3Grid(const Visit& visit) {
  for (int i = 0; i <= kSteps; ++i) {
    const double p = p13 + (pMax - p13) * i / kSteps;
    const double tHigh = vlmT23P(p);
    for (int j = 0; j <= kSteps; ++j) {
      const double t = t13 + (tHigh - t13) * j / kSteps;
      const double r = vlmR3PT(p, t);
      if (vlmGETLASTERROR() == 0) visit(p, t, r);
    }
  }
}

// Temperature deviations in kelvin.
TEST(BackwardEquations, TemperatureFromPressureAndEnthalpyOrEntropy) {
  Worst worst;
  region2Grid([&](double p, double t) {
    const double h = vlmH2PT(p, t), s = vlmS2PT(p, t);
    worst.add(name("T2", bw::region2PH(p, h), "(p,h)"), bw::t2PH(p, h) - t);
    worst.add(name("T2", bw::region2PS(p, s), "(p,s)"), bw::t2PS(p, s) - t);
  });
  int solved = 0;
  region3Grid([&](double p, double t, double r) {
    ++solved;
    const double h = vlmH3RT(r, t), s = vlmS3RT(r, t);
    worst.add(name("T3", bw::region3PH(p, h), "(p,h)"), bw::t3PH(p, h) - t);
    worst.add(name("T3", bw::region3PS(p, s), "(p,s)"), bw::t3PS(p, s) - t);
    worst.add(name("v3", bw::region3PH(p, h), "(p,h)"), bw::v3PH(p, h) * r - 1);
    worst.add(name("v3", bw::region3PS(p, s), "(p,s)"), bw::v3PS(p, s) * r - 1);
  });
  EXPECT_GE(solved, (kSteps + 1) * (kSteps + 1) * 99 / 100);
  // dT in K; dv/v relative.
  const Limit kLimits[] = {
      {"T2a(p,h)", 9.33e-3},  {"T2b(p,h)", 9.49e-3},  {"T2c(p,h)", 23.69e-3}, {"T2a(p,s)", 8.84e-3},
      {"T2b(p,s)", 6.46e-3},  {"T2c(p,s)", 18.97e-3}, {"T3a(p,h)", 23.59e-3}, {"T3b(p,h)", 19.57e-3},
      {"T3a(p,s)", 24.71e-3}, {"T3b(p,s)", 22.09e-3}, {"v3a(p,h)", 8.0e-5},   {"v3b(p,h)", 9.5e-5},
      {"v3a(p,s)", 9.6e-5},   {"v3b(p,s)", 7.7e-5},
  };
  worst.check(std::begin(kLimits), std::end(kLimits));
}

// Pressure from (h, s): relative deviations, and region 1's absolute one in Pa.
TEST(BackwardEquations, PressureFromEnthalpyAndEntropy) {
  Worst worst;
  for (int i = 0; i <= kSteps; ++i) {
    const double t = 273.16 + (t13 - 273.16) * i / kSteps, pLow = vlmPST(t);
    for (int j = 0; j <= kSteps; ++j) {
      const double p = pLow + (pMax - pLow) * j / kSteps;
      const double dp = bw::p1HS(vlmH1PT(p, t), vlmS1PT(p, t)) - p;
      worst.add("p1(h,s) Pa", dp);
      worst.add("p1(h,s)", dp / p);
    }
  }
  region2Grid([&](double p, double t) {
    const double h = vlmH2PT(p, t), s = vlmS2PT(p, t);
    worst.add(name("p2", bw::region2HS(h, s), "(h,s)"), bw::p2HS(h, s) / p - 1);
  });
  region3Grid([&](double p, double t, double r) {
    const double s = vlmS3RT(r, t);
    worst.add(name("p3", s <= bw::sCritical ? bw::Sub::a : bw::Sub::b, "(h,s)"), bw::p3HS(vlmH3RT(r, t), s) / p - 1);
  });
  const Limit kLimits[] = {
      {"p1(h,s) Pa", 0.014e6}, {"p1(h,s)", 5.3e-3},  {"p2a(h,s)", 2.8e-5}, {"p2b(h,s)", 3.3e-5},
      {"p2c(h,s)", 6.3e-5},    {"p3a(h,s)", 6.9e-5}, {"p3b(h,s)", 8.3e-5},
  };
  worst.check(std::begin(kLimits), std::end(kLimits));
}

// The saturation line, the region boundaries and the boundaries' own equations: h in J/kg,
// T in K, p relative.
TEST(BackwardEquations, BoundaryLines) {
  Worst worst;
  const double s2bc = 5850.0, sVapour13 = vlmSSST(t13);
  for (int i = 0; i <= 2000; ++i) {
    const double t = 273.16 + (t13 - 273.16) * i / 2000;
    const double hl = vlmHSWT(t), sl = vlmSSWT(t), hv = vlmHSST(t), sv = vlmSSST(t);
    worst.add("h'1(s)", bw::hLiquid1(sl) - hl);
    worst.add(sv >= s2bc ? "h''2ab(s)" : "h''2c3b(s)", (sv >= s2bc ? bw::hVapour2ab(sv) : bw::hVapour2c3b(sv)) - hv);
    for (const double x : {0.0, 0.25, 0.5, 0.75, 1.0}) {
      const double s = sl + x * (sv - sl);
      if (s >= sVapour13) worst.add("Tsat(h,s)", bw::tSatHS(hl + x * (hv - hl), s) - t);
    }
  }
  for (int i = 1; i <= 1000; ++i) {  // above 623.15 K, where region 3 holds both phases
    const double t = t13 + (647.09 - t13) * i / 1000, p = vlmPST(t);
    const double hl = vlmHSWT(t), sl = vlmSSWT(t), hv = vlmHSST(t), sv = vlmSSST(t);
    if (sl <= bw::sCritical) worst.add("h'3a(s)", bw::hLiquid3a(sl) - hl);
    if (sv >= bw::sCritical) worst.add("h''2c3b(s)", bw::hVapour2c3b(sv) - hv);
    for (const double hs : {hl, hv}) worst.add("psat3(h)", bw::pSat3H(hs) / p - 1);
    for (const double ss : {sl, sv}) worst.add("psat3(s)", bw::pSat3S(ss) / p - 1);
  }
  for (int i = 0; i <= 1000; ++i) {
    const double p = vlmPST(t13) + (pMax - vlmPST(t13)) * i / 1000;
    const double s = vlmS1PT(p, t13);
    if (s >= 3397.782955 && s <= 3778.28134) worst.add("hB13(s)", bw::hB13(s) - vlmH1PT(p, t13));
  }
  for (int i = 0; i <= 1000; ++i) {
    const double t = t13 + (863.15 - t13) * i / 1000, p = vlmP23T(t);
    const double h = vlmH2PT(p, t), s = vlmS2PT(p, t);
    if (s >= 5048.096828 && s <= 5260.578707 && h >= 2563592.004 && h <= 2812942.061) {
      worst.add("TB23(h,s)", bw::tB23HS(h, s) - t);
    }
  }
  EXPECT_NEAR(bw::h3ab(22.064e6), 2087546.8451, 1e-3);
  const Limit kLimits[] = {
      {"h'1(s)", 3.4},       {"h'3a(s)", 4.4},       {"h''2ab(s)", 1.2},   {"h''2c3b(s)", 7.3},  {"hB13(s)", 18.0},
      {"TB23(h,s)", 5.0e-3}, {"Tsat(h,s)", 0.85e-3}, {"psat3(h)", 4.2e-6}, {"psat3(s)", 3.3e-5},
  };
  worst.check(std::begin(kLimits), std::end(kLimits));
}

}  // namespace
