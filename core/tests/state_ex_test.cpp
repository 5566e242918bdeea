// The extended state: every pair by number gives the plain functions' states bit for bit;
// asking for the thermodynamic fields only changes nothing else; the library never writes
// beyond the caller's size; and an array call gives each element's scalar result.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <vector>

#include "support/caller_fp.hpp"
#include "velmora.h"

namespace {

using PlainState = int (*)(double, double, const vlm_settings*, vlm_state*);
struct PairCase {
  int pair;
  PlainState plain;
  double a, b;
};
// One state of each kind per pair: liquid, steam, region 3 or 5, wet, and one outside.
const PairCase kCases[] = {
    {VLM_PAIR_PT, vlm_state_pt, 3e6, 300},      {VLM_PAIR_PT, vlm_state_pt, 1e5, 700},
    {VLM_PAIR_PT, vlm_state_pt, 25e6, 650},     {VLM_PAIR_PT, vlm_state_pt, 1e6, 1500},
    {VLM_PAIR_PT, vlm_state_pt, 1e6, 3000},     {VLM_PAIR_PH, vlm_state_ph, 3e6, 4e5},
    {VLM_PAIR_PH, vlm_state_ph, 3e6, 1.5e6},    {VLM_PAIR_PH, vlm_state_ph, 3e6, 3.2e6},
    {VLM_PAIR_PS, vlm_state_ps, 3e6, 4200},     {VLM_PAIR_PS, vlm_state_ps, 20e6, 4000},
    {VLM_PAIR_HS, vlm_state_hs, 4e5, 1250},     {VLM_PAIR_HS, vlm_state_hs, 2.4e6, 6000},
    {VLM_PAIR_TX, vlm_state_tx, 400, 0.3},      {VLM_PAIR_TX, vlm_state_tx, 400, 1.5},
    {VLM_PAIR_PX, vlm_state_px, 1e6, 0.999999}, {VLM_PAIR_PX, vlm_state_px, 21e6, 0},
};

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

vlm_state_ex asking(unsigned request) {
  vlm_state_ex e{};
  e.size = sizeof e;
  e.request = request;
  return e;
}

#define VLM_EACH_THERMO(X) X(p) X(T) X(rho) X(v) X(u) X(h) X(s) X(cp) X(cv) X(w) X(x) X(kappa)
#define VLM_EACH_TRANSPORT(X) X(lambda) X(eta) X(nu) X(prandtl) X(sigma)

TEST(ExtendedState, EveryPairMatchesThePlainFunctionAndThermoOnlyLeavesTheRestAlone) {
  for (const PairCase& c : kCases) {
    SCOPED_TRACE(testing::Message() << "pair " << c.pair << " (" << c.a << ", " << c.b << ")");
    vlm_state plain;
    std::memset(&plain, 0xa5, sizeof plain);
    const int code = c.plain(c.a, c.b, nullptr, &plain);
    vlm_state_ex all = asking(0), thermo = asking(VLM_FIELDS_THERMO);
    const vlm_state_ex untouched = all;
    ASSERT_EQ(vlm_state_get(c.pair, c.a, c.b, nullptr, &all), code);
    ASSERT_EQ(vlm_state_get(c.pair, c.a, c.b, nullptr, &thermo), code);
    if (code != 0) {
      EXPECT_EQ(std::memcmp(&all, &untouched, sizeof all), 0) << "written although it failed";
      continue;
    }
    EXPECT_EQ(all.state.region, plain.region);
    EXPECT_EQ(thermo.state.region, plain.region);
#define VLM_SAME(f)                                  \
  EXPECT_TRUE(sameBits(all.state.f, plain.f)) << #f; \
  EXPECT_TRUE(sameBits(thermo.state.f, plain.f)) << #f;
    VLM_EACH_THERMO(VLM_SAME)
#undef VLM_SAME
#define VLM_TRANSPORT(f)                             \
  EXPECT_TRUE(sameBits(all.state.f, plain.f)) << #f; \
  EXPECT_TRUE(std::isnan(thermo.state.f)) << #f;
    VLM_EACH_TRANSPORT(VLM_TRANSPORT)
#undef VLM_TRANSPORT
    EXPECT_EQ(thermo.size, sizeof thermo);
    EXPECT_EQ(thermo.request, unsigned{VLM_FIELDS_THERMO});
    // The bytes between region and p carry nothing of the library's memory.
    for (const vlm_state* s : {&plain, &all.state, &thermo.state}) {
      const auto* bytes = reinterpret_cast<const unsigned char*>(s);
      for (std::size_t i = sizeof s->region; i < offsetof(vlm_state, p); ++i) EXPECT_EQ(bytes[i], 0) << i;
    }
  }
}

TEST(ExtendedState, RefusesWhatItCannotReadAndNeverWritesBeyondTheCallersSize) {
  vlm_state_ex unknownGroup = asking(8), tooSmall = asking(0), unknownFormulation = asking(0), reservedSet = asking(0);
  tooSmall.size = sizeof(vlm_state_ex) - sizeof(vlm_state) - 1;
  unknownFormulation.formulation = 7;
  reservedSet.reserved = 1;
  for (vlm_state_ex* bad : {&unknownGroup, &tooSmall, &unknownFormulation, &reservedSet})
    EXPECT_EQ(vlm_state_get(VLM_PAIR_PT, 3e6, 300, nullptr, bad), 2);
  vlm_state_ex e = asking(0);
  EXPECT_EQ(vlm_state_get(0, 3e6, 300, nullptr, &e), 2);
  EXPECT_EQ(vlm_state_get(99, 3e6, 300, nullptr, &e), 2);
  EXPECT_EQ(vlm_state_get(VLM_PAIR_PT, 3e6, 300, nullptr, nullptr), 2);

  // A caller built when the struct ended with the state: the bytes after it stay as they were.
  std::vector<unsigned char> buffer(sizeof(vlm_state_ex) + 16, 0xa5);
  vlm_state_ex old = asking(0);
  old.size = static_cast<unsigned>(sizeof(vlm_state_ex) - 8 * sizeof(double));
  std::memcpy(buffer.data(), &old, offsetof(vlm_state_ex, state));
  ASSERT_EQ(vlm_state_get(VLM_PAIR_PT, 3e6, 300, nullptr, reinterpret_cast<vlm_state_ex*>(buffer.data())), 0);
  for (std::size_t i = old.size; i < buffer.size(); ++i) ASSERT_EQ(buffer[i], 0xa5) << i;
}

// Also from a caller who unmasked underflow, which steam's conductivity raises (with the GNU
// C library): each element as its scalar call, in blocks that share one guard.
TEST(ExtendedState, ArraysGiveEachElementsScalarResult) {
  std::vector<double> p, t;
  for (int copy = 0; copy < 8; ++copy) {
    p.insert(p.end(), {3e6, 1e5, 3e6, -1, 25e6, 1e6, 1e5});
    t.insert(t.end(), {300, 700, 400, 300, 650, 1500, 400});
  }
  const vlm::test::FpState initial = vlm::test::readFp();
  std::vector<int> defaultCodes;
  for (unsigned unmasked : {0u, vlm::test::kUnderflow}) {
    SCOPED_TRACE(testing::Message() << "unmasked " << unmasked);
    const vlm::test::FpState caller = vlm::test::callerState(initial, {.unmasked = unmasked});
    std::vector<vlm_state_ex> out(p.size(), asking(0));
    std::vector<int> codes(p.size(), -1);
    vlm::test::writeFp(caller);
    const int first = vlm_states_get(VLM_PAIR_PT, p.size(), p.data(), t.data(), nullptr, out.data(), codes.data());
    EXPECT_TRUE(vlm::test::readFp() == caller);
    for (std::size_t i = 0; i < p.size(); ++i) {
      vlm_state_ex one = asking(0);
      const int code = vlm_state_get(VLM_PAIR_PT, p[i], t[i], nullptr, &one);
      EXPECT_EQ(codes[i], code) << i;
      if (codes[i] != 0) {
        EXPECT_EQ(out[i].state.region, 0);
        EXPECT_TRUE(std::isnan(out[i].state.h));
        continue;
      }
      EXPECT_EQ(std::memcmp(&out[i], &one, sizeof one), 0) << i;
    }
    vlm::test::writeFp(initial);
    EXPECT_EQ(first, *std::find_if(codes.begin(), codes.end(), [](int c) { return c != 0; }));
    if (unmasked == 0) defaultCodes = codes;
#if defined(__GLIBC__)
    if (unmasked != 0) {
      EXPECT_NE(codes, defaultCodes) << "nothing underflowed: the trap was not exercised";
    }
#endif
  }
  EXPECT_EQ(vlm_states_get(VLM_PAIR_PT, 0, nullptr, nullptr, nullptr, nullptr, nullptr), 0);
}

}  // namespace
