// States by the scientific formulation through vlm_state_get: every pair gives back the values
// of the states the formulation hands out, over its whole range (up to 1000 MPa and 1273 K,
// wet steam up to 0.006 K below the critical point); and the edges of its range.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "velmora.h"

namespace {

int scientific(int pair, double a, double b, vlm_state& out, unsigned request = VLM_FIELDS_THERMO) {
  vlm_state_ex e{};
  e.size = sizeof e;
  e.request = request;
  e.formulation = VLM_IAPWS95;
  const int code = vlm_state_get(pair, a, b, nullptr, &e);
  out = e.state;
  return code;
}

struct PairOf {
  int pair;
  double vlm_state::*a, vlm_state::*b;
};
constexpr PairOf kPairs[] = {
    {VLM_PAIR_PH, &vlm_state::p, &vlm_state::h}, {VLM_PAIR_PS, &vlm_state::p, &vlm_state::s},
    {VLM_PAIR_HS, &vlm_state::h, &vlm_state::s}, {VLM_PAIR_PV, &vlm_state::p, &vlm_state::v},
    {VLM_PAIR_TV, &vlm_state::T, &vlm_state::v}, {VLM_PAIR_TH, &vlm_state::T, &vlm_state::h},
    {VLM_PAIR_TS, &vlm_state::T, &vlm_state::s}, {VLM_PAIR_UV, &vlm_state::u, &vlm_state::v},
    {VLM_PAIR_PX, &vlm_state::p, &vlm_state::x}, {VLM_PAIR_HX, &vlm_state::h, &vlm_state::x},
    {VLM_PAIR_SX, &vlm_state::s, &vlm_state::x}, {VLM_PAIR_TX, &vlm_state::T, &vlm_state::x},
};

// Within a relative tolerance, with a floor for values near zero: 100 kJ/kg for h and u and
// 1 kJ/(kg K) for s (the triple point's liquid, whose T the pair (h, s) fixes to 1e-7 K only),
// 10 kPa for low pressures (a liquid's pressure moves 2e-7 Pa with the last bit of its
// density), 1 for x.
bool near(double vlm_state::*q, double got, double want, double tolerance) {
  const double floor = q == &vlm_state::x                         ? 1.0
                       : q == &vlm_state::p                       ? 1e4
                       : q == &vlm_state::h || q == &vlm_state::u ? 1e5
                       : q == &vlm_state::s                       ? 1000.0
                                                                  : 0.0;
  return std::fabs(got - want) <= tolerance * std::fmax(std::fabs(want), floor);
}

TEST(Iapws95States, EveryPairGivesBackTheStatesItsValuesCameFrom) {
  std::vector<vlm_state> states;
  vlm_state st;
  for (double t : {280.0, 300.0, 350.0, 400.0, 500.0, 600.0, 640.0, 646.0, 650.0, 700.0, 900.0, 1200.0, 1273.0})
    for (double p : {1e4, 1e5, 1e6, 5e6, 2e7, 2.3e7, 5e7, 1e8, 5e8, 1e9})
      if (scientific(VLM_PAIR_PT, p, t, st) == 0) states.push_back(st);
  for (double t : {273.16, 280.0, 300.0, 400.0, 500.0, 600.0, 640.0, 646.0, 647.09})
    for (double x : {0.0, 1e-6, 0.3, 1.0}) {
      ASSERT_EQ(scientific(VLM_PAIR_TX, t, x, st), 0) << t << " K, x = " << x;
      states.push_back(st);
    }
  ASSERT_EQ(states.size(), 166u);

  int checks = 0;
  std::vector<std::string> failures;
  for (const vlm_state& from : states) {
    // Some pairs leave a state ill-conditioned: (p, v) near the density maximum, where v
    // hardly varies with T, and (h, s) next to the saturated liquid; they reproduce their
    // values to some 1e-9.  A wet state next to the critical point carries its saturated
    // densities' rounding (1e-8 of x at 0.006 K below it).
    const double tolerance = from.region == 4 && from.T > 646.5 ? 1e-7 : 1e-8;
    for (const PairOf& q : kPairs) {
      if (q.b == &vlm_state::x && from.region != 4) continue;
      ++checks;
      vlm_state back;
      const int code = scientific(q.pair, from.*q.a, from.*q.b, back);
      // The values, not the state: where two states share them the pair's rule picks one.
      if (code != 0 || !near(q.a, back.*q.a, from.*q.a, tolerance) || !near(q.b, back.*q.b, from.*q.b, tolerance))
        failures.push_back("pair " + std::to_string(q.pair) + " from p = " + std::to_string(from.p) +
                           ", T = " + std::to_string(from.T) + ", x = " + std::to_string(from.x) + ": code " +
                           std::to_string(code) + " gives " + std::to_string(back.*q.a - from.*q.a) + ", " +
                           std::to_string(back.*q.b - from.*q.b) + " off");
    }
  }
  EXPECT_EQ(checks, 1472);
  for (const std::string& f : failures) ADD_FAILURE() << f;
}

// Next to the critical point the saturated phases carry the rounding of their Gibbs energies,
// so a value on the line or a few ulps beside it may solve as wet steam with a dryness just
// beyond [0, 1] and as a single phase just inside the dome: either way a state comes back.
TEST(Iapws95States, ValuesBesideTheLineNextToTheCriticalPoint) {
  int failures = 0;
  for (double t : {647.05, 647.08, 647.09})
    for (double x : {0.0, 1.0}) {
      vlm_state on;
      ASSERT_EQ(scientific(VLM_PAIR_TX, t, x, on), 0);
      for (const PairOf& q : kPairs) {
        if (q.b == &vlm_state::x) continue;
        for (int k = -20; k <= 20; ++k) {
          const double b = on.*q.b * (1.0 + k * 1e-10);
          vlm_state back;
          const int code = scientific(q.pair, on.*q.a, b, back);
          if (code != 0 || !near(q.a, back.*q.a, on.*q.a, 1e-7) || !near(q.b, back.*q.b, b, 1e-7)) {
            EXPECT_LT(++failures, 5) << "pair " << q.pair << " at " << t << " K, x = " << x << ", " << k
                                     << "e-10 beside: code " << code;
          }
        }
      }
    }
  EXPECT_EQ(failures, 0);
}

// The further fields are the formulation's own derivatives: they match central differences
// of its states (liquid, steam, dense supercritical fluid, wet steam along the line).
TEST(Iapws95States, FurtherFieldsAreDerivativesOfTheFormulationsStates) {
  const auto ex = [](int pair, double a, double b) {
    vlm_state_ex e{};
    e.size = sizeof e;
    e.formulation = VLM_IAPWS95;
    EXPECT_EQ(vlm_state_get(pair, a, b, nullptr, &e), 0) << pair << " " << a << " " << b;
    return e;
  };
  for (const auto& [p, t] : {std::pair{1e5, 300.0}, {3e6, 700.0}, {5e8, 900.0}, {2.5e7, 650.0}}) {
    const vlm_state_ex e = ex(VLM_PAIR_PT, p, t);
    const double dt = t * 1e-6, dp = p * 1e-4;  // a liquid's v moves little with p
    const double dvdt = (ex(VLM_PAIR_PT, p, t + dt).state.v - ex(VLM_PAIR_PT, p, t - dt).state.v) / (2 * dt);
    const double dvdp = (ex(VLM_PAIR_PT, p + dp, t).state.v - ex(VLM_PAIR_PT, p - dp, t).state.v) / (2 * dp);
    const double dtdp =
        (ex(VLM_PAIR_PH, p + dp, e.state.h).state.T - ex(VLM_PAIR_PH, p - dp, e.state.h).state.T) / (2 * dp);
    EXPECT_NEAR(e.alpha_v, dvdt / e.state.v, 1e-6 * std::fabs(e.alpha_v)) << p << " " << t;
    EXPECT_NEAR(e.kappa_t, -dvdp / e.state.v, 1e-6 * e.kappa_t) << p << " " << t;
    EXPECT_NEAR(e.joule_thomson, dtdp, 1e-6 * std::fabs(e.joule_thomson)) << p << " " << t;
    EXPECT_NEAR(e.z, e.state.p * e.state.v / (461.51805 * t), 1e-15);
  }
  // Wet steam: the pressure follows T along the line, dp/dT = alpha_p p.
  const vlm_state_ex wet = ex(VLM_PAIR_TX, 500.0, 0.4);
  const double dpdt = (ex(VLM_PAIR_TX, 500.001, 0.4).state.p - ex(VLM_PAIR_TX, 499.999, 0.4).state.p) / 0.002;
  EXPECT_NEAR(wet.alpha_p * wet.state.p, dpdt, 1e-6 * dpdt);
}

TEST(Iapws95States, TheEdgesOfTheRangeAndTheCriticalPoint) {
  vlm_state st;
  // Within range to its corners; beyond it, code 2.
  EXPECT_EQ(scientific(VLM_PAIR_PT, 1e9, 273.16, st), 0);
  EXPECT_EQ(scientific(VLM_PAIR_PT, 1e9, 1273.0, st), 0);
  EXPECT_EQ(scientific(VLM_PAIR_PT, 1.0001e9, 300.0, st), 2);
  EXPECT_EQ(scientific(VLM_PAIR_PT, 1e5, 1273.1, st), 2);
  EXPECT_EQ(scientific(VLM_PAIR_PT, 1e5, 273.15, st), 2);
  EXPECT_EQ(scientific(VLM_PAIR_TX, 647.1, 0.5, st), 2);

  // The saturated phases up to the critical point: distinct below it, converging on it.
  const double tc = 647.096;
  double previousGap = HUGE_VAL, previousP = 0.0;
  for (double below : {1.0, 1e-2, 1e-4, 1e-6, 1e-8, 1e-10}) {
    vlm_state liquid, vapour;
    ASSERT_EQ(scientific(VLM_PAIR_TX, tc - below, 0.0, liquid), 0) << below;
    ASSERT_EQ(scientific(VLM_PAIR_TX, tc - below, 1.0, vapour), 0) << below;
    EXPECT_GT(liquid.rho, 322.0);
    EXPECT_LT(vapour.rho, 322.0);
    EXPECT_LT(liquid.rho - vapour.rho, previousGap);
    EXPECT_GT(liquid.p, previousP);
    EXPECT_LT(liquid.p, 22.064e6);
    previousGap = liquid.rho - vapour.rho;
    previousP = liquid.p;
  }
  EXPECT_LT(previousGap, 0.01);
  // At the critical point itself cp and cv diverge: no finite state, code 1.
  EXPECT_EQ(scientific(VLM_PAIR_TX, tc, 0.5, st), 1);

  // Transport and further fields are filled when asked for.
  vlm_state_ex e{};
  e.size = sizeof e;
  e.formulation = VLM_IAPWS95;
  ASSERT_EQ(vlm_state_get(VLM_PAIR_PT, 1e5, 300.0, nullptr, &e), 0);
  EXPECT_NEAR(e.state.eta, 853.74e-6, 0.01e-6);
  EXPECT_NEAR(e.state.lambda, 0.6095, 1e-4);
  EXPECT_NEAR(e.state.sigma, 0.07169, 1e-5);
  EXPECT_NEAR(e.z * 461.51805 * 300.0 / e.state.v, 1e5, 1e-6);
  e.formulation = 2;
  EXPECT_EQ(vlm_state_get(VLM_PAIR_PT, 1e5, 300.0, nullptr, &e), 2);
}

}  // namespace
