// First derivatives of a state: the further properties and vlm_partial agree with central
// differences of the library's own states and with the identities that tie them to cv and w,
// which the equations compute independently; wet steam follows the saturation line.
#include <gtest/gtest.h>

#include <cmath>

#include "velmora.h"

namespace {

double partial(const vlm_state& st, const char* of, const char* wrt, const char* held) {
  double out = NAN;
  EXPECT_EQ(vlm_partial(&st, of, wrt, held, &out), 0) << of << " " << wrt << " " << held;
  return out;
}

// Relative agreement, with an absolute floor for quantities that cross zero.
void near(double got, double want, double rel, double floor, const char* what) {
  EXPECT_NEAR(got, want, rel * std::fabs(want) + floor) << what;
}

using Pair = int (*)(double, double, const vlm_settings*, vlm_state*);
// The slope of a field of a pair's states along (da, db), by a central difference.
double difference(Pair pair, double a, double b, double da, double db, double vlm_state::*field) {
  vlm_state lo, hi;
  EXPECT_EQ(pair(a - da, b - db, nullptr, &lo), 0);
  EXPECT_EQ(pair(a + da, b + db, nullptr, &hi), 0);
  return (hi.*field - lo.*field) / (2 * (da + db));
}

vlm_state_ex further(int pair, double a, double b) {
  vlm_state_ex e{};
  e.size = sizeof e;
  e.request = VLM_FIELDS_THERMO | VLM_FIELDS_FURTHER;
  EXPECT_EQ(vlm_state_get(pair, a, b, nullptr, &e), 0);
  return e;
}

TEST(Partials, SinglePhaseAgreeWithDifferencesAndWithCvAndTheSpeedOfSound) {
  // Liquid (one at the density maximum), steam, region 3 on both sides of the critical
  // density, and region 5.
  const double states[][2] = {{3e6, 300},  {0.1e6, 277.13}, {50e6, 500}, {0.1e6, 700}, {20e6, 700},
                              {25e6, 650}, {30e6, 700},     {1e6, 1500}, {8e6, 2000}};
  for (const auto& [p, t] : states) {
    SCOPED_TRACE(testing::Message() << "p " << p << " T " << t);
    const vlm_state_ex e = further(VLM_PAIR_PT, p, t);
    const vlm_state& st = e.state;
    const double dp = p * 1e-5, dt = 1e-3;
    near(e.alpha_v * st.v, difference(vlm_state_pt, p, t, 0, dt, &vlm_state::v), 1e-5, 1e-12, "alpha_v");
    near(-e.kappa_t * st.v, difference(vlm_state_pt, p, t, dp, 0, &vlm_state::v), 1e-5, 0, "kappa_t");
    near(e.delta_t, difference(vlm_state_pt, p, t, dp, 0, &vlm_state::h), 1e-5, 1e-9, "delta_t");
    near(e.joule_thomson, difference(vlm_state_ph, p, st.h, dp, 0, &vlm_state::T), 1e-4, 1e-11, "joule_thomson");
    near(e.alpha_p * p, e.alpha_v / e.kappa_t, 1e-12, 1e-12, "alpha_p");
    near(e.z, p * st.v / (461.526 * t), 1e-15, 0, "z");
    near(e.g, st.h - t * st.s, 1e-15, 1e-6, "g");
    // Identities against fields the equations compute on their own.
    near(partial(st, "u", "T", "v"), st.cv, 1e-9, 0, "cv");
    near(partial(st, "s", "T", "rho"), st.cv / t, 1e-9, 0, "cv / T");
    near(partial(st, "p", "rho", "s"), st.w * st.w, 1e-9, 0, "w^2");
    near(partial(st, "h", "T", "p"), st.cp, 1e-12, 0, "cp");
    near(partial(st, "g", "p", "T"), st.v, 1e-12, 0, "dg/dp = v");
    near(partial(st, "f", "T", "v"), -st.s, 1e-12, 1e-9, "df/dT = -s");
  }
}

TEST(Partials, WetSteamFollowsTheSaturationLineAndRefusesWhatItCannotVary) {
  for (const double t : {300.0, 450.0, 600.0, 640.0}) {
    SCOPED_TRACE(testing::Message() << "T " << t);
    const double x = 0.3, dt = 1e-3;
    const vlm_state_ex e = further(VLM_PAIR_TX, t, x);
    const vlm_state& st = e.state;
    ASSERT_EQ(st.region, 4);
    near(partial(st, "p", "T", "v"), difference(vlm_state_tx, t, x, dt, 0, &vlm_state::p), 1e-6, 0,
         "dp/dT of the line");
    near(partial(st, "h", "p", "s"), difference(vlm_state_ps, st.p, st.s, st.p * 1e-6, 0, &vlm_state::h), 1e-5, 0,
         "(dh/dp)_s = v");
    // dh = T ds + v dp holds to the consistency of the phases' equations with the line.
    near(partial(st, "h", "p", "s"), st.v, 3e-5, 0, "v");
    near(e.joule_thomson * partial(st, "p", "T", "h"), 1, 1e-12, 0, "along the line");
    for (const double f : {e.alpha_v, e.kappa_t, e.delta_t}) EXPECT_TRUE(std::isnan(f));
    double untouched = 7;
    EXPECT_EQ(vlm_partial(&st, "v", "T", "p", &untouched), 2);
    EXPECT_EQ(vlm_partial(&st, "h", "p", "p", &untouched), 2);
    EXPECT_EQ(vlm_partial(&st, "h", "x", "p", &untouched), 2);
    EXPECT_EQ(vlm_partial(&st, "H", "T", "p", &untouched), 2);
    EXPECT_EQ(vlm_partial(&st, nullptr, "T", "p", &untouched), 2);
    EXPECT_EQ(untouched, 7);
  }
  vlm_state none{};
  double out = 7;
  EXPECT_EQ(vlm_partial(&none, "h", "T", "p", &out), 2);
  EXPECT_EQ(vlm_partial(nullptr, "h", "T", "p", &out), 2);
  EXPECT_EQ(out, 7);
}

}  // namespace
