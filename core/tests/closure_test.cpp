// Closure: every state the state interface hands out is taken back by (p, h), (p, s),
// (h, s) and the pairs searched along a line ((p, v), (T, v), (T, h), (T, s), (h, x), (s, x),
// (u, v)), at the region limits, on
// and one ulp beyond the saturation lines and next to the critical point too, and a caller who unmasked the invalid,
// divide and overflow traps gets the same answers bit for bit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "support/caller_fp.hpp"
#include "velmora.h"

namespace {

namespace t = vlm::test;

constexpr double kPc = 22.064e6, kTc = 647.096;

bool sameBits(const vlm_state& a, const vlm_state& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// A state the sweep feeds back, and what it must be given back as.
struct Source {
  vlm_state st;
  const char* from;
};

std::vector<double> sweepPressures() {
  std::vector<double> p;
  for (int i = 0; i <= 80; ++i) p.push_back(611.212677444345 * std::pow(100e6 / 611.212677444345, i / 80.0));
  for (double d : {1.0, 3.0, 10.0, 100.0, 1e3, 1e4}) p.push_back(kPc - d);
  for (double corner : {10e6, 16.5291643e6, 50e6}) p.push_back(corner);
  return p;
}

std::vector<double> sweepTemperatures() {
  std::vector<double> t;
  for (int i = 0; i <= 90; ++i) t.push_back(273.16 + i * (i < 60 ? 10.0 : 50.0));
  for (double line : {273.16, 623.15, 863.15, 1073.15, 2273.15}) t.push_back(line);
  return t;
}

std::vector<double> drynesses() {
  std::vector<double> x = {0.0, 0.5, 1.0};
  for (double d : {1e-12, 1e-10, 1e-8, 1e-6, 1e-4}) {
    x.push_back(d);
    x.push_back(1.0 - d);
  }
  return x;
}

std::vector<Source> sources() {
  std::vector<Source> out;
  const auto add = [&](int code, const vlm_state& st, const char* from) {
    if (code == 0) out.push_back({st, from});
  };
  vlm_state st;
  for (double p : sweepPressures()) {
    for (double t : sweepTemperatures()) add(vlm_state_pt(p, t, nullptr, &st), st, "pt");
    if (p > kPc) continue;
    for (double x : drynesses()) add(vlm_state_px(p, x, nullptr, &st), st, "px");
  }
  for (int i = 0; i <= 40; ++i) {
    const double t = 273.16 + i * (kTc - 273.16) / 40;
    for (double x : drynesses()) add(vlm_state_tx(t, x, nullptr, &st), st, "tx");
  }
  return out;
}

// The state a pair gives, in the default environment and with the caller's invalid, divide
// and overflow traps unmasked; nothing between the two switches computes.
using Pair = int (*)(double, double, const vlm_settings*, vlm_state*);
int solve(Pair pair, double a, double b, vlm_state& out, bool& sameWithTraps) {
  const int code = pair(a, b, nullptr, &out);
  const t::FpState before = t::readFp();
  t::writeFp(t::callerState(before, {t::kInvalid | t::kZeroDivide | t::kOverflow}));
  vlm_state trapped = out;
  const int trappedCode = pair(a, b, nullptr, &trapped);
  t::writeFp(before);
  sameWithTraps = trappedCode == code && sameBits(trapped, out);
  return code;
}

double relative(double actual, double expected, double floor) {
  return std::fabs(actual - expected) / std::max(std::fabs(expected), floor);
}

// A single-phase answer's (p, T) belongs to its region, within a relative 1e-12 of a line.
bool inItsRegion(const vlm_state& st) {
  if (st.region == 4) return true;
  for (double fp : {1.0, 1 - 1e-12, 1 + 1e-12}) {
    for (double ft : {1.0, 1 - 1e-12, 1 + 1e-12}) {
      vlm_state at;
      if (vlm_state_pt(st.p * fp, st.T * ft, nullptr, &at) == 0 && at.region == st.region) return true;
    }
  }
  return false;
}

struct Tally {
  int checks = 0, failed = 0;
  std::vector<std::string> shown;  // the first few, in full
  void fail(const std::string& what) {
    if (++failed <= 40) shown.push_back(what);
  }
};

std::string describe(const char* pair, const Source& src, double a, double b, int code, const vlm_state& back) {
  char text[240];
  std::snprintf(
      text, sizeof text,
      "%s(%.17g, %.17g) of a %s state in region %d (p %.10g T %.10g x %.3g): code %d, region %d T %.10g x %.3g", pair,
      a, b, src.from, src.st.region, src.st.p, src.st.T, src.st.x, code, back.region, back.T, back.x);
  return text;
}

// One pair fed one value pair: success, the given values given back, a state of its region,
// the same with traps unmasked, and wet steam's dryness where (p, h) or (p, s) fix it.
void check(Tally& tally, const char* name, Pair pair, const Source& src, double a, double b, bool givesP, bool wantsH,
           bool wantsS) {
  ++tally.checks;
  vlm_state back{};
  bool sameWithTraps = false;
  const int code = solve(pair, a, b, back, sameWithTraps);
  const auto failure = [&](const char* why) {
    tally.fail(std::string(why) + ": " + describe(name, src, a, b, code, back));
  };
  if (code != 0) return failure("refused");
  if (!sameWithTraps) failure("changed by unmasked traps");
  // Near zero (the triple point's liquid) h counts to 1e-6 J/kg and s to 1e-6 J/(kg K).
  if ((wantsH && relative(back.h, givesP ? b : a, 1000.0) > 1e-9) || (wantsS && relative(back.s, b, 1000.0) > 1e-9))
    failure("value not given back");
  if (givesP && back.p != a) failure("pressure changed");
  if (!inItsRegion(back)) failure("outside its region");
  if (givesP && src.st.region == 4 && back.region == 4 && src.st.p < kPc - 1e3 && std::fabs(back.x - src.st.x) > 1e-7)
    failure("dryness");
}

// A pair searched along a line of states, fed the two fields it takes: success, both given
// back (p, T and x as given, v, h and s to 1e-9), a state of its region, the same with traps.
// Where two states share the values either is right, so only the values are held to.
void checkGiven(Tally& tally, const char* name, Pair pair, const Source& src, double vlm_state::*fa,
                double vlm_state::*fb) {
  ++tally.checks;
  const double a = src.st.*fa, b = src.st.*fb;
  vlm_state back{};
  bool sameWithTraps = false;
  const int code = solve(pair, a, b, back, sameWithTraps);
  const auto failure = [&](const char* why) {
    tally.fail(std::string(why) + ": " + describe(name, src, a, b, code, back));
  };
  if (code != 0) return failure("refused");
  if (!sameWithTraps) failure("changed by unmasked traps");
  // Within 1 kPa of the critical pressure the saturated states' h and s are rough at the
  // last bits of T (2e-8 relative, some 1e-5 K below the critical point, where the equations'
  // phases have merged): no T gives them back closer.
  const double tolerance = src.st.region == 4 && src.st.p > kPc - 1e3 ? 1e-7 : 1e-9;
  for (const auto& [field, given] : {std::pair{fa, a}, std::pair{fb, b}}) {
    const bool exact = field == &vlm_state::p || field == &vlm_state::T || field == &vlm_state::x;
    if (exact ? back.*field != given : relative(back.*field, given, field == &vlm_state::v ? 0.0 : 1000.0) > tolerance)
      failure("value not given back");
  }
  if (!inItsRegion(back)) failure("outside its region");
}

TEST(Closure, EveryStateIsTakenBackByEveryPair) {
  const std::vector<Source> all = sources();
  Tally tally;
  int liquidLighter = 0;
  for (const Source& src : all) {
    const vlm_state& st = src.st;
    check(tally, "ph", vlm_state_ph, src, st.p, st.h, true, true, false);
    check(tally, "ps", vlm_state_ps, src, st.p, st.s, true, false, true);
    check(tally, "hs", vlm_state_hs, src, st.h, st.s, false, true, true);
    checkGiven(tally, "pv", vlm_state_pv, src, &vlm_state::p, &vlm_state::v);
    if (st.T >= 273.16) {
      checkGiven(tally, "tv", vlm_state_tv, src, &vlm_state::T, &vlm_state::v);
      checkGiven(tally, "th", vlm_state_th, src, &vlm_state::T, &vlm_state::h);
      checkGiven(tally, "ts", vlm_state_ts, src, &vlm_state::T, &vlm_state::s);
      checkGiven(tally, "uv", vlm_state_uv, src, &vlm_state::u, &vlm_state::v);
    }
    if (st.region == 4) {
      checkGiven(tally, "hx", vlm_state_hx, src, &vlm_state::h, &vlm_state::x);
      checkGiven(tally, "sx", vlm_state_sx, src, &vlm_state::s, &vlm_state::x);
    }
    // (Below 273.16 K, at the lowest pressures, the liquid side lies outside the range.)
    if (st.region == 4 && (st.x == 1.0 || (st.x == 0.0 && st.T >= 273.16))) {
      // One ulp beyond the saturation line: the single-phase neighbour.
      const double dir = st.x == 0.0 ? -HUGE_VAL : HUGE_VAL;
      check(tally, "ph", vlm_state_ph, src, st.p, std::nextafter(st.h, dir), true, true, false);
      check(tally, "ps", vlm_state_ps, src, st.p, std::nextafter(st.s, dir), true, false, true);
    }
    // Within a few pascals of the critical pressure the near-critical equation meets the
    // saturation pressure in one density only: there the two phases are one.
    if (st.region == 4 && st.x == 0.0) {
      vlm_state vapour;
      if ((st.T >= 273.16 ? vlm_state_tx(st.T, 1.0, nullptr, &vapour) : vlm_state_px(st.p, 1.0, nullptr, &vapour)) !=
              0 ||
          st.rho < vapour.rho || (st.rho == vapour.rho && st.p < kPc - 10.0)) {
        ++liquidLighter;
      }
    }
  }
  for (const auto& f : tally.shown) ADD_FAILURE() << f;
  EXPECT_EQ(tally.failed, 0);
  EXPECT_EQ(liquidLighter, 0) << "saturated liquid no denser than its vapour";
  EXPECT_GT(all.size(), 6000u);
  std::printf("closure: %zu states, %d checks, %d failures\n", all.size(), tally.checks, tally.failed);
}

}  // namespace
