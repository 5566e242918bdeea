// Region of a (p, t) point, and the general single-phase properties that dispatch on it.
#include <cmath>

#include "by_region.hpp"
#include "constants.hpp"
#include "guard.hpp"
#include "saturation.hpp"
#include "vlmcore5.h"

namespace {

using namespace vlm::constants;
using vlm::frame::composite;
using vlm::frame::failed;

// The range both region functions refuse with code 2 while checking is on.  The tests run
// in this order; each is written so that a NaN fails it.
bool insideGeneralRange(double p, double t) {
  if (!(t >= Ttriple)) return false;
  if (t > T5 && p > p5Max) return false;
  if (!(p >= pMin)) return false;
  if (p > pMax) return false;
  if (t > Tmax) return false;
  return true;
}

// Shared frame of the two region functions: range step, code 0, then the decision.
template <class Decide>
int region(double p, double t, const Decide& decide) {
  if (vlm::checkRangeOn() && !insideGeneralRange(p, t)) {
    vlm::setLastError(vlm::kOutOfRange);
    return -1;
  }
  return composite([&]() -> int {
    vlm::setLastError(vlm::kNoError);
    return decide();
  });
}

double general(const vlm::ByRegion& functions, double p, double t) {
  return composite([&] {
    vlm::setLastError(vlm::kNoError);
    const int area = vlmWATERSTATEAREA2(p, t);
    if (failed()) return -1.0;
    return functions(area, p, t);
  });
}

}  // namespace

extern "C" {

VLM_API int VLM_CALL vlmWATERSTATEAREA(double p, double t) {
  return region(p, t, [&] {
    if (t > T5) return 5;
    if (t > T25) return 2;
    if (p < pCritical) {
      const double ts = vlm::saturation::temperatureUnchecked(p);
      if (failed()) return -1;
      if (std::fabs(ts - t) < vlm::settings().deltaTs.load(std::memory_order_relaxed)) return 4;
      if (t <= T13) return t < ts ? 1 : 2;
      const double p23 = vlm::b23::pressureUnchecked(t);
      if (failed()) return -1;
      return p > p23 ? 3 : 2;
    }
    if (t <= T13) return 1;
    const double t23 = vlm::b23::temperatureUnchecked(p);
    if (failed()) return -1;
    return t < t23 ? 3 : 2;
  });
}

VLM_API int VLM_CALL vlmWATERSTATEAREA2(double p, double t) {
  return region(p, t, [&] {
    if (t > T5) return 5;
    if (t > T25) return 2;
    if (t <= T13) {
      const double ps = vlm::saturation::pressureUnchecked(t);
      if (failed()) return -1;
      return p > ps ? 1 : 2;
    }
    if (p < p23Min) return 2;
    const double p23 = vlm::b23::pressureUnchecked(t);
    if (failed()) return -1;
    return p >= p23 ? 3 : 2;
  });
}

VLM_API double VLM_CALL vlmVPT(double p, double t) { return general({vlmV1PT, vlmV2PT, vlmV3PT, vlmV5PT}, p, t); }
VLM_API double VLM_CALL vlmUPT(double p, double t) { return general({vlmU1PT, vlmU2PT, vlmU3PT, vlmU5PT}, p, t); }
VLM_API double VLM_CALL vlmSPT(double p, double t) { return general({vlmS1PT, vlmS2PT, vlmS3PT, vlmS5PT}, p, t); }
VLM_API double VLM_CALL vlmHPT(double p, double t) { return general({vlmH1PT, vlmH2PT, vlmH3PT, vlmH5PT}, p, t); }
VLM_API double VLM_CALL vlmCPPT(double p, double t) { return general({vlmCP1PT, vlmCP2PT, vlmCP3PT, vlmCP5PT}, p, t); }
VLM_API double VLM_CALL vlmCVPT(double p, double t) { return general({vlmCV1PT, vlmCV2PT, vlmCV3PT, vlmCV5PT}, p, t); }
VLM_API double VLM_CALL vlmWPT(double p, double t) { return general({vlmW1PT, vlmW2PT, vlmW3PT, vlmW5PT}, p, t); }

}  // extern "C"
