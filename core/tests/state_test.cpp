// The state interface: (p, T) gives the exports' numbers; (p, h), (p, s) and (h, s) give back
// the state they came from, near every boundary too; wet steam gives back x and T_sat; and
// any number of threads get the single-threaded results.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <thread>
#include <vector>

#include "velmora.h"
#include "vlmcore5.h"

namespace {

// The fields of a state with the (p, T) export that computes each one.
struct Field {
  double vlm_state::*member;
  vlmProperty2 exported;
};
const Field kFields[] = {
    {&vlm_state::v, vlmVPT},
    {&vlm_state::u, vlmUPT},
    {&vlm_state::s, vlmSPT},
    {&vlm_state::h, vlmHPT},
    {&vlm_state::cp, vlmCPPT},
    {&vlm_state::cv, vlmCVPT},
    {&vlm_state::w, vlmWPT},
    {&vlm_state::lambda, vlmTHERMCONDPT},
    {&vlm_state::eta, vlmDYNVISPT},
    {&vlm_state::nu, vlmKINVISPT},
    {&vlm_state::prandtl, vlmPRANDTLEPT},
    {&vlm_state::kappa, vlmKPT},
};

bool sameBits(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

bool sameState(const vlm_state& a, const vlm_state& b) {
  const double vlm_state::*members[] = {
      &vlm_state::p,   &vlm_state::T,  &vlm_state::rho,     &vlm_state::v,     &vlm_state::u,    &vlm_state::h,
      &vlm_state::s,   &vlm_state::cp, &vlm_state::cv,      &vlm_state::w,     &vlm_state::x,    &vlm_state::lambda,
      &vlm_state::eta, &vlm_state::nu, &vlm_state::prandtl, &vlm_state::kappa, &vlm_state::sigma};
  return a.region == b.region &&
         std::all_of(std::begin(members), std::end(members), [&](auto m) { return sameBits(a.*m, b.*m); });
}

TEST(StateInterface, PressureAndTemperatureGiveTheExportsNumbers) {
  int compared = 0;
  for (double lp = std::log(611.212677444345); lp <= std::log(101e6); lp += 0.23) {
    const double p = std::exp(lp);
    for (double t = 273.0; t <= 2300.0; t += (t < 900 ? 3.7 : 41.0)) {
      vlm_state st;
      const int code = vlm_state_pt(p, t, nullptr, &st);
      const int area = vlmWATERSTATEAREA2(p, t);
      if (area == -1) {
        EXPECT_EQ(code, vlmGETLASTERROR()) << p << " " << t;
        continue;
      }
      ASSERT_EQ(code, 0) << p << " " << t;
      ++compared;
      EXPECT_EQ(st.region, area);
      for (const auto& f : kFields) {
        double expected = f.exported(p, t);
        if (expected == -1.0 && vlmGETLASTERROR() == 2) expected = NAN;  // outside its equation's range
        EXPECT_TRUE(sameBits(st.*f.member, expected)) << p << " " << t << ": " << st.*f.member << " " << expected;
      }
      const double sigma = vlmSURFTENT(t);
      EXPECT_TRUE(sameBits(st.sigma, vlmGETLASTERROR() ? NAN : sigma));
    }
  }
  EXPECT_GT(compared, 5000);
}

// Pressures log-spaced over the whole range, and both sides of every pressure where a
// boundary changes course (2a/2b, 2b/2c at saturation, region 5's limit, the B23 line's
// start, the critical point).
std::vector<double> pressures() {
  std::vector<double> p;
  for (int i = 0; i <= 100; ++i) p.push_back(611.213 * std::pow(100e6 / 611.213, i / 100.0));
  for (double corner : {4e6, 6.546699678e6, 10e6, 16.5291643e6, 22.064e6}) {
    for (double f : {0.999, 1 - 1e-7, 1 + 1e-7, 1.001}) p.push_back(corner * f);
  }
  return p;
}

// Temperatures over the whole range, and both sides of every boundary at p.
std::vector<double> temperatures(double p) {
  std::vector<double> t;
  for (double x = 273.16; x <= 2273.15; x += 10.0) t.push_back(x);
  std::vector<double> lines = {273.16, 623.15, 647.096, 863.15, 1073.15};
  if (p <= 22.064e6) lines.push_back(vlmTSP(p));
  if (p >= 16.5291643e6) lines.push_back(vlmT23P(p));
  for (double line : lines) {
    for (double d : {-0.1, -1e-3, -1e-6, 1e-6, 1e-3, 0.1}) t.push_back(line + d);
  }
  return t;
}

struct Worst {
  double ph = 0, ps = 0, hs = 0;
};

double relative(double actual, double expected, double floor) {
  return std::fabs(actual - expected) / std::max(std::fabs(expected), floor);
}

// (p, T) -> h, s -> the state from (p, h), (p, s) and (h, s): the same region, and (p, T) of
// the answer gives back h and s to 1e-9 (near zero to 1e-6 J/kg and 1e-6 J/(kg K)).
TEST(StateInterface, EnthalpyAndEntropyGiveBackTheState) {
  Worst worst[6];
  int states = 0, overlaps = 0;
  double nearCritical = 0;
  for (double p : pressures()) {
    for (double t : temperatures(p)) {
      vlm_state st, back, again;
      if (vlm_state_pt(p, t, nullptr, &st) != 0) continue;
      ++states;
      const auto check = [&](const char* pair, int code, bool h, bool s, double& largest) {
        const auto where = [&] {
          return ::testing::Message() << pair << " " << p << " Pa " << t << " K: region " << back.region << " T "
                                      << back.T;
        };
        ASSERT_EQ(code, 0) << where();
        if (back.region == 4) {
          again = back;  // wet steam has no (p, T) of its own
        } else {
          ASSERT_EQ(vlm_state_pt(back.p, back.T, nullptr, &again), 0) << where();
        }
        if (back.region != st.region) {
          // Next to a boundary two regions' equations overlap by a little: the same h (or
          // s) is a state of each on its own side.  The answer must be a genuine state of
          // its region, within a few hundredths of a kelvin of the boundary.
          ++overlaps;
          EXPECT_EQ(again.region, back.region) << where();
          EXPECT_LT(std::fabs(back.T - t), 0.05) << where();
        }
        // Near zero (the triple point's liquid) both count to 1e-9 kJ/kg, 1e-9 kJ/(kg K).
        const double dh = h ? relative(again.h, st.h, 1000.0) : 0, ds = s ? relative(again.s, st.s, 1000.0) : 0;
        // At the critical point (p, T) itself fixes the density only to the solver's
        // pressure tolerance (1e-4 Pa), and there dp/drho vanishes: the answer, which meets
        // the pressure exactly, and the state (p, T) gives differ by that much.
        const bool critical = std::fabs(t - 647.096) < 2e-3 && std::fabs(p / 22.064e6 - 1) < 1e-3;
        (critical ? nearCritical : largest) = std::max({critical ? nearCritical : largest, dh, ds});
        EXPECT_LE(std::max(dh, ds), critical ? 1e-6 : 1e-9) << where();
      };
      check("(p,h)", vlm_state_ph(p, st.h, nullptr, &back), true, false, worst[st.region].ph);
      check("(p,s)", vlm_state_ps(p, st.s, nullptr, &back), false, true, worst[st.region].ps);
      if (st.region != 5) check("(h,s)", vlm_state_hs(st.h, st.s, nullptr, &back), true, true, worst[st.region].hs);
    }
  }
  EXPECT_GT(states, 5000);
  EXPECT_LT(overlaps, states / 20);
  std::printf("%d states, %d answered in the neighbouring region; within 2 mK of the critical point %.2g\n", states,
              overlaps, nearCritical);
  for (int region : {1, 2, 3, 5}) {
    std::printf("region %d: largest relative error in h or s from (p,h) %.2g, (p,s) %.2g, (h,s) %.2g\n", region,
                worst[region].ph, worst[region].ps, worst[region].hs);
  }
}

// Wet steam along the whole saturation line: h or s at x = 0, 0.3 and 1 gives back x and
// T_sat(p); (h, s) inside the dome gives back h and s (its x comes from h'' - h', which
// vanishes at the critical point).
TEST(StateInterface, WetSteamGivesBackDrynessAndSaturationTemperature) {
  for (int i = 0; i <= 400; ++i) {
    const double p = 611.213 * std::pow(22.0639e6 / 611.213, i / 400.0), ts = vlmTSP(p);
    for (double x : {0.0, 0.3, 1.0}) {
      vlm_state wet, back;
      ASSERT_EQ(vlm_state_px(p, x, nullptr, &wet), 0) << p;
      EXPECT_EQ(wet.T, ts);
      for (int pair = 0; pair < 3; ++pair) {
        if (pair == 2 && x != 0.3) continue;  // on the saturation line (h, s) is single-phase too
        const int code = pair == 0   ? vlm_state_ph(p, wet.h, nullptr, &back)
                         : pair == 1 ? vlm_state_ps(p, wet.s, nullptr, &back)
                                     : vlm_state_hs(wet.h, wet.s, nullptr, &back);
        ASSERT_EQ(code, 0) << pair << " " << p << " " << x;
        EXPECT_EQ(back.region, 4) << pair << " " << p << " " << x;
        EXPECT_NEAR(back.T, ts, 1e-9 * ts) << pair << " " << p;
        if (pair < 2) {
          EXPECT_NEAR(back.x, x, 1e-9) << pair << " " << p;
        } else {
          EXPECT_LE(relative(back.h, wet.h, 1.0), 1e-9) << p;
          EXPECT_LE(relative(back.s, wet.s, 1000.0), 1e-9) << p;
        }
      }
    }
  }
}

// Every function with arguments that succeed and that fail in each way, from eight threads
// at once: each result and code is the one a single thread gets.
TEST(Threads, StateInterfaceGetsTheSingleThreadedResults) {
  vlm_settings strict, loose, starved;
  vlm_default_settings(&strict);
  loose = strict;
  loose.check_range = 0;
  starved = strict;
  starved.max_iteration = 1;
  struct Call {
    int function;
    double a, b;
    const vlm_settings* cfg;
  };
  const Call calls[] = {
      {0, 3e6, 300, nullptr},    {0, 25e6, 650, &strict},   {0, 25e6, 650, &starved}, {0, 1e3, 5000, nullptr},
      {0, 1e5, 0, &loose},       {1, 3e6, 2.8e6, nullptr},  {1, 1e6, 2e6, nullptr},   {1, 25e6, 1.8e6, &strict},
      {1, -5, 1e6, nullptr},     {2, 3e6, 6000, nullptr},   {2, 20e6, 4000, nullptr}, {2, 1e6, NAN, nullptr},
      {3, 2.8e6, 6000, nullptr}, {3, 1.5e6, 3500, nullptr}, {3, 1e9, 1, nullptr},     {4, 450, 0.3, nullptr},
      {4, 700, 0.3, nullptr},    {5, 1e6, 0.9, nullptr},    {5, 1e6, 1.5, nullptr},   {5, 20e6, 0.5, &starved},
  };
  const auto call = [](const Call& c, vlm_state& out) {
    switch (c.function) {
      case 0:
        return vlm_state_pt(c.a, c.b, c.cfg, &out);
      case 1:
        return vlm_state_ph(c.a, c.b, c.cfg, &out);
      case 2:
        return vlm_state_ps(c.a, c.b, c.cfg, &out);
      case 3:
        return vlm_state_hs(c.a, c.b, c.cfg, &out);
      case 4:
        return vlm_state_tx(c.a, c.b, c.cfg, &out);
      default:
        return vlm_state_px(c.a, c.b, c.cfg, &out);
    }
  };
  constexpr int kCalls = sizeof calls / sizeof calls[0];
  vlm_state alone[kCalls];
  int codes[kCalls];
  bool failures = false, successes = false;
  for (int i = 0; i < kCalls; ++i) {
    alone[i] = vlm_state{};
    alone[i].region = -7;  // a failing call leaves the state untouched
    codes[i] = call(calls[i], alone[i]);
    (codes[i] ? failures : successes) = true;
    if (codes[i]) {
      EXPECT_EQ(alone[i].region, -7) << i;
    }
  }
  ASSERT_TRUE(failures && successes);
  std::vector<int> mismatches(8, 0);
  std::vector<std::thread> threads;
  for (int k = 0; k < 8; ++k) {
    threads.emplace_back([&, k] {
      for (int round = 0; round < 40; ++round) {
        for (int j = 0; j < kCalls; ++j) {
          const int i = (j + k * 3) % kCalls;
          vlm_state out{};
          out.region = -7;
          if (call(calls[i], out) != codes[i] || !sameState(out, alone[i])) ++mismatches[k];
        }
      }
    });
  }
  for (auto& thread : threads) thread.join();
  for (int k = 0; k < 8; ++k) EXPECT_EQ(mismatches[k], 0) << "thread " << k;
}

TEST(StateInterface, SettingsAndTexts) {
  vlm_settings defaults, loose;
  vlm_default_settings(&defaults);
  loose = defaults;
  loose.check_range = 0;
  vlm_state a, b;
  ASSERT_EQ(vlm_state_pt(150e6, 500, nullptr, &a), 2);  // above 100 MPa
  ASSERT_EQ(vlm_state_pt(150e6, 500, &loose, &a), 0);
  ASSERT_EQ(vlm_state_ph(3e6, 1e6, nullptr, &a), 0);
  ASSERT_EQ(vlm_state_ph(3e6, 1e6, &defaults, &b), 0);
  EXPECT_TRUE(sameState(a, b));
  EXPECT_EQ(vlm_state_pt(3e6, 300, nullptr, nullptr), 2);
  // Pairs no state of the range has are out of range, whatever the search met out there.
  const double far[] = {-1e9, -1e4, 1e7, 1e9};
  for (double a1 : far) {
    for (double a2 : far) {
      EXPECT_EQ(vlm_state_hs(a1, a2, nullptr, &a), 2) << a1 << ", " << a2;
      EXPECT_EQ(vlm_state_ph(1e5 + std::fabs(a2) / 100, a1, nullptr, &a), 2) << a1 << ", " << a2;
      EXPECT_EQ(vlm_state_ps(1e5 + std::fabs(a1) / 100, a2, nullptr, &a), 2) << a1 << ", " << a2;
    }
  }
  EXPECT_STREQ(vlm_error_text(3, 0), "Root not found for maximum iteration's count");
  EXPECT_STREQ(vlm_error_text(2, 1),
               "\xd0\xa4\xd1\x83\xd0\xbd\xd0\xba\xd1\x86\xd0\xb8\xd1\x8f \xd0\xbd\xd0\xb5 "
               "\xd0\xbe\xd0\xbf\xd1\x80\xd0\xb5\xd0\xb4\xd0\xb5\xd0\xbb\xd0\xb5\xd0\xbd\xd0\xb0 "
               "\xd0\xb4\xd0\xbb\xd1\x8f \xd0\xb4\xd0\xb0\xd0\xbd\xd0\xbd\xd0\xbe\xd0\xb3\xd0\xbe "
               "\xd0\xb4\xd0\xb8\xd0\xb0\xd0\xbf\xd0\xb0\xd0\xb7\xd0\xbe\xd0\xbd\xd0\xb0");
  EXPECT_STREQ(vlm_error_text(7, 0), "");
}

}  // namespace
