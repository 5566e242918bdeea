// Region 3 exports: the (r, t) equations inside the guard, the density solver and the
// (p, t) functions built on it.  No range checks anywhere in this family.
#include <cmath>

#include "constants.hpp"
#include "guard.hpp"
#include "region3.hpp"
#include "saturation.hpp"
#include "state.hpp"
#include "vlmcore5.h"

using vlm::frame::composite;
using vlm::frame::compute;
using vlm::frame::failed;
namespace r3 = vlm::region3;

namespace {

constexpr auto relaxed = std::memory_order_relaxed;

// Ends a solve whose evaluation gave a value that is not finite: without traps the
// arithmetic raises nothing, so the guard alone would not notice a NaN residual.
double fault() {
  vlm::setLastError(vlm::kFloatFault);
  return -1.0;
}

// Plain Newton iteration on the pressure residual at constant t, from r0.  It stops as soon
// as the residual is within the tolerance (possibly at r0 itself), after at most the
// iteration cap, or at the first evaluation that is not finite.
double solveDensity(double p, double t, double r0) {
  vlm::setLastError(vlm::kNoError);
  double r = r0;
  double residual = r3::p(r, t) - p;
  if (!std::isfinite(residual)) return fault();
  const int cap = vlm::settings().maxIteration.load(relaxed);
  const double tolerance = vlm::settings().deltaPressure.load(relaxed);
  for (int k = 0; k < cap && std::fabs(residual) > tolerance; ++k) {
    const double slope = r3::dpdr(r, t);
    r -= residual / slope;
    residual = r3::p(r, t) - p;
    if (!std::isfinite(slope) || !std::isfinite(r) || !std::isfinite(residual)) return fault();
  }
  if (std::fabs(residual) <= tolerance) return r;
  vlm::setLastError(vlm::kNoRoot);
  return -1.0;
}

// Above the critical pressure, and below the saturation temperature, the solve starts from
// the liquid side; on or above the saturation temperature from the vapour side.
double startDensity(double p, double t) {
  const auto& s = vlm::settings();
  if (p > vlm::constants::pCritical) return s.initWaterDensity.load(relaxed);
  const double ts = vlm::saturation::temperatureUnchecked(p);
  if (failed()) return -1.0;
  return t < ts ? s.initWaterDensity.load(relaxed) : s.initSteamDensity.load(relaxed);
}

// A property at (p, t): the density from the solver, then the property at (r, t).
template <class F>
double atSolvedDensity(double p, double t, const F& property) {
  return composite([&] {
    vlm::setLastError(vlm::kNoError);
    const double r = vlmR3PT(p, t);
    if (failed()) return -1.0;
    return property(r);
  });
}

}  // namespace

extern "C" {

VLM_API double VLM_CALL vlmP3RT(double r, double t) {
  return compute([&] { return r3::p(r, t); });
}
VLM_API double VLM_CALL vlmU3RT(double r, double t) {
  return compute([&] { return r3::u(r, t); });
}
VLM_API double VLM_CALL vlmS3RT(double r, double t) {
  return compute([&] { return r3::s(r, t); });
}
VLM_API double VLM_CALL vlmH3RT(double r, double t) {
  return compute([&] { return r3::h(r, t); });
}
VLM_API double VLM_CALL vlmCP3RT(double r, double t) {
  return compute([&] { return r3::cp(r, t); });
}
VLM_API double VLM_CALL vlmCV3RT(double r, double t) {
  return compute([&] { return r3::cv(r, t); });
}
VLM_API double VLM_CALL vlmW3RT(double r, double t) {
  return compute([&] { return r3::w(r, t); });
}

VLM_API double VLM_CALL vlmR3PTR0(double p, double t, double r0) {
  return composite([&] { return solveDensity(p, t, r0); });
}

VLM_API double VLM_CALL vlmR3PT(double p, double t) {
  return composite([&] {
    vlm::setLastError(vlm::kNoError);
    const double r0 = startDensity(p, t);
    if (failed()) return -1.0;
    return vlmR3PTR0(p, t, r0);
  });
}

VLM_API double VLM_CALL vlmV3PT(double p, double t) {
  return atSolvedDensity(p, t, [](double r) { return 1.0 / r; });
}
VLM_API double VLM_CALL vlmU3PT(double p, double t) {
  return atSolvedDensity(p, t, [&](double r) { return vlmU3RT(r, t); });
}
VLM_API double VLM_CALL vlmS3PT(double p, double t) {
  return atSolvedDensity(p, t, [&](double r) { return vlmS3RT(r, t); });
}
VLM_API double VLM_CALL vlmH3PT(double p, double t) {
  return atSolvedDensity(p, t, [&](double r) { return vlmH3RT(r, t); });
}
VLM_API double VLM_CALL vlmCP3PT(double p, double t) {
  return atSolvedDensity(p, t, [&](double r) { return vlmCP3RT(r, t); });
}
VLM_API double VLM_CALL vlmCV3PT(double p, double t) {
  return atSolvedDensity(p, t, [&](double r) { return vlmCV3RT(r, t); });
}
VLM_API double VLM_CALL vlmW3PT(double p, double t) {
  return atSolvedDensity(p, t, [&](double r) { return vlmW3RT(r, t); });
}

}  // extern "C"
