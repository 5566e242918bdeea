// Transport properties and derived quantities from (p, t): the density comes from the
// general specific volume, so region choice and its range step apply too.
#include "call_in_order.hpp"
#include "constants.hpp"
#include "guard.hpp"
#include "vlmcore5.h"

namespace {

using namespace vlm::constants;
using vlm::frame::checkedComposite;
using vlm::frame::composite;
using vlm::frame::failed;

constexpr double T500C = 773.15, T650C = 923.15;

bool between(double x, double lo, double hi) { return x >= lo && x <= hi; }

bool conductivityRange(double p, double t) {
  if (!between(t, Ttriple, T5) || !between(p, pMin, pMax)) return false;
  if (t > T500C && p > 70.0 * MPa) return false;
  if (t > T650C && p > 40.0 * MPa) return false;
  return true;
}

bool viscosityRange(double p, double t) { return between(t, Ttriple, T5) && between(p, pMin, pMax); }

// A (density, t) property at the density of the single-phase state (p, t).
double atStateDensity(vlmProperty2 ofDensity, double p, double t) {
  vlm::setLastError(vlm::kNoError);
  const double v = vlmVPT(p, t);
  if (failed()) return -1.0;
  return ofDensity(1.0 / v, t);
}

}  // namespace

extern "C" {

VLM_API double VLM_CALL vlmTHERMCONDPT(double p, double t) {
  return checkedComposite(conductivityRange(p, t), [&] { return atStateDensity(vlmTHERMCONDRT, p, t); });
}

VLM_API double VLM_CALL vlmDYNVISPT(double p, double t) {
  return checkedComposite(viscosityRange(p, t), [&] { return atStateDensity(vlmDYNVISRT, p, t); });
}

VLM_API double VLM_CALL vlmPRANDTLEPT(double p, double t) {
  return composite([&] {
    vlm::setLastError(vlm::kNoError);
    const vlmProperty2 parts[] = {vlmDYNVISPT, vlmCPPT, vlmTHERMCONDPT};
    const auto v = vlm::callInOrder(parts, p, t);
    return v ? (*v)[1] * (*v)[0] / (*v)[2] : -1.0;
  });
}

VLM_API double VLM_CALL vlmKINVISPT(double p, double t) {
  return composite([&] {
    vlm::setLastError(vlm::kNoError);
    const vlmProperty2 parts[] = {vlmDYNVISPT, vlmVPT};
    const auto v = vlm::callInOrder(parts, p, t);
    return v ? (*v)[1] * (*v)[0] : -1.0;
  });
}

VLM_API double VLM_CALL vlmKPT(double p, double t) {
  return composite([&] {
    vlm::setLastError(vlm::kNoError);
    const vlmProperty2 parts[] = {vlmWPT, vlmVPT};
    const auto v = vlm::callInOrder(parts, p, t);
    return v ? (*v)[0] * (*v)[0] / ((*v)[1] * p) : -1.0;
  });
}

}  // extern "C"
