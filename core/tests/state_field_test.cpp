// The one-field state exports (vlmSTATEPT and the others): over states of every region and
// every field number, each returns exactly the state interface's field with the same
// settings, or -1 and the state interface's code; an undefined transport field and a field
// number that is no whole number from 0 to 17 give -1 and code 2.
#include <gtest/gtest.h>

#include <cmath>

#include "velmora.h"
#include "vlmcore5.h"

namespace {

using StateFn = int (*)(double, double, const vlm_settings*, vlm_state*);
using FieldFn = double(VLM_CALL*)(double, double, double);

struct Pair {
  const char* name;
  StateFn state;
  FieldFn field;
  double a[5], b[5];  // points of regions 1, 2, 3, 4 (or 5) and one that fails
};

const Pair kPairs[] = {
    {"pt", vlm_state_pt, vlmSTATEPT, {3e6, 1e5, 25e6, 5e6, 1e9}, {300, 450, 650, 1500, 300}},
    {"ph", vlm_state_ph, vlmSTATEPH, {3e6, 1e5, 25e6, 5e6, 1e9}, {1e5, 2.8e6, 2.1e6, 2e6, 1e5}},
    {"ps", vlm_state_ps, vlmSTATEPS, {3e6, 1e5, 25e6, 5e6, 1e9}, {400, 7500, 4500, 5000, 400}},
    {"hs", vlm_state_hs, vlmSTATEHS, {1e5, 2.8e6, 2.1e6, 2e6, -1e6}, {300, 7500, 4500, 5000, 300}},
    {"tx", vlm_state_tx, vlmSTATETX, {300, 400, 500, 600, 200}, {0, 0.3, 0.7, 1, 0.5}},
    {"px", vlm_state_px, vlmSTATEPX, {1e4, 1e5, 1e6, 2e7, 1e9}, {0, 0.3, 0.7, 1, 0.5}},
};

double fieldOf(const vlm_state& s, int n) {
  const double vlm_state::*members[] = {
      &vlm_state::p,   &vlm_state::T,  &vlm_state::rho,     &vlm_state::v,     &vlm_state::u,    &vlm_state::h,
      &vlm_state::s,   &vlm_state::cp, &vlm_state::cv,      &vlm_state::w,     &vlm_state::x,    &vlm_state::lambda,
      &vlm_state::eta, &vlm_state::nu, &vlm_state::prandtl, &vlm_state::kappa, &vlm_state::sigma};
  return n == 0 ? s.region : s.*members[n - 1];
}

TEST(StateField, EveryFieldIsTheStateInterfacesOwn) {
  vlm_settings cfg;
  vlm_default_settings(&cfg);
  int computed = 0, undefined = 0, failed = 0;
  for (const Pair& pair : kPairs) {
    for (int i = 0; i < 5; ++i) {
      vlm_state s;
      const int code = pair.state(pair.a[i], pair.b[i], &cfg, &s);
      for (int n = 0; n <= 17; ++n) {
        const double got = pair.field(pair.a[i], pair.b[i], n);
        const int gotCode = vlmGETLASTERROR();
        SCOPED_TRACE(testing::Message() << pair.name << "(" << pair.a[i] << ", " << pair.b[i] << ") field " << n);
        if (code != 0) {
          EXPECT_EQ(got, -1.0);
          EXPECT_EQ(gotCode, code);
          ++failed;
        } else if (std::isnan(fieldOf(s, n))) {
          EXPECT_EQ(got, -1.0);
          EXPECT_EQ(gotCode, VLM_ERROR_OUT_OF_RANGE);
          ++undefined;
        } else {
          EXPECT_EQ(got, fieldOf(s, n));
          EXPECT_EQ(gotCode, VLM_ERROR_NONE);
          ++computed;
        }
      }
    }
  }
  // The points reach every outcome.
  EXPECT_GT(computed, 0);
  EXPECT_GT(failed, 0);
  EXPECT_GT(undefined, 0);
}

TEST(StateField, AFieldNumberOutsideTheListIsRefused) {
  for (double n : {-1.0, 18.0, 2.5, std::nan(""), 1e300}) {
    EXPECT_EQ(vlmSTATEPT(3e6, 300, n), -1.0) << n;
    EXPECT_EQ(vlmGETLASTERROR(), VLM_ERROR_OUT_OF_RANGE) << n;
  }
}

}  // namespace
