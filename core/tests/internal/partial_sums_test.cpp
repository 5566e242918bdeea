// The evaluations that form only some of a Gibbs equation's sums (for a solver's Newton steps)
// against the evaluation that forms them all: each quantity they share bit for bit, over
// regions 1, 2 and 5 and their boundaries, so a search that steps with the cheaper one lands
// where a step with the full one would.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "equations/region1.hpp"
#include "equations/region2.hpp"
#include "equations/region5.hpp"

namespace {

using vlm::AlongIsobar, vlm::CaloricSet, vlm::InPT, vlm::VolumeSlopes;

struct Region {
  int number;
  CaloricSet (*all)(double, double);
  CaloricSet (*first)(double, double);
  AlongIsobar (*alongIsobar)(double, double), (*enthalpyAlongIsobar)(double, double);
  InPT (*inPT)(double, double), (*enthalpyAlongIsotherm)(double, double), (*entropyAlongIsotherm)(double, double);
  VolumeSlopes (*slopes)(double, double), (*volumeAlongIsobar)(double, double), (*volumeAlongIsotherm)(double, double);
  double tLow, tHigh, pHigh;
};

#define VLM_REGION(n, ns, tLow, tHigh, pHigh)                                                                        \
  Region {                                                                                                           \
    n, ns::all, ns::firstDerivatives, ns::alongIsobar, ns::enthalpyAlongIsobar, ns::inPT, ns::enthalpyAlongIsotherm, \
        ns::entropyAlongIsotherm, ns::slopes, ns::volumeAlongIsobar, ns::volumeAlongIsotherm, tLow, tHigh, pHigh     \
  }

bool same(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(PartialSums, ShareEveryQuantityWithTheFullEvaluationBitForBit) {
  int failures = 0;
  std::string first;
  for (const Region& r :
       {VLM_REGION(1, vlm::region1, 273.15, 623.15, 100e6), VLM_REGION(2, vlm::region2, 273.15, 1073.15, 100e6),
        VLM_REGION(5, vlm::region5, 1073.15, 2273.15, 50e6)}) {
    for (int i = 0; i <= 60; ++i) {
      const double p = 611.0 * std::pow(r.pHigh / 611.0, i / 60.0);
      for (int j = 0; j <= 60; ++j) {
        const double t = r.tLow + (r.tHigh - r.tLow) * j / 60.0;
        const CaloricSet a = r.all(p, t), f = r.first(p, t);
        const AlongIsobar ib = r.alongIsobar(p, t), ibh = r.enthalpyAlongIsobar(p, t);
        const InPT full = r.inPT(p, t), ith = r.enthalpyAlongIsotherm(p, t), its = r.entropyAlongIsotherm(p, t);
        const VolumeSlopes sl = r.slopes(p, t), vb = r.volumeAlongIsobar(p, t), vt = r.volumeAlongIsotherm(p, t);
        const bool ok = same(f.v, a.v) && same(f.u, a.u) && same(f.s, a.s) && same(f.h, a.h) && same(ib.h, a.h) &&
                        same(ib.s, a.s) && same(ib.cp, a.cp) && same(ibh.h, a.h) && same(ibh.cp, a.cp) &&
                        same(ith.h, a.h) && same(ith.v, a.v) && same(ith.dvdt, full.dvdt) && same(its.h, a.h) &&
                        same(its.s, a.s) && same(its.v, a.v) && same(its.dvdt, full.dvdt) && same(sl.v, a.v) &&
                        same(vb.v, a.v) && same(vb.dvdt, sl.dvdt) && same(vt.v, a.v) && same(vt.dvdp, sl.dvdp);
        if (!ok && failures++ == 0)
          first =
              "region " + std::to_string(r.number) + " at " + std::to_string(p) + " Pa, " + std::to_string(t) + " K";
      }
    }
  }
  EXPECT_EQ(failures, 0) << "first: " << first;
}

}  // namespace
