// Saturation line and B23 line exports: range-checked evaluation inside the guard.
#include "constants.hpp"
#include "guard.hpp"
#include "saturation.hpp"
#include "vlmcore5.h"

using vlm::frame::checked;
namespace c = vlm::constants;
namespace sat = vlm::saturation;
namespace b23 = vlm::b23;

namespace {

// Inclusive limits.  The upper limit is tested first, then the lower one; a NaN passes the
// first test and fails the second, so it is refused.
bool within(double x, double lo, double hi) {
  if (x > hi) return false;
  return x >= lo;
}

}  // namespace

extern "C" {

VLM_API double VLM_CALL vlmPST(double t) {
  return checked(within(t, c::Ttriple, c::Tcritical), [&] { return sat::pressure(t); });
}
VLM_API double VLM_CALL vlmTSP(double p) {
  return checked(within(p, c::pMin, c::pCritical), [&] { return sat::temperature(p); });
}
VLM_API double VLM_CALL vlmT23P(double p) {
  return checked(within(p, c::p23Min, c::pMax), [&] { return b23::temperature(p); });
}
VLM_API double VLM_CALL vlmP23T(double t) {
  return checked(within(t, c::T13, c::T25), [&] { return b23::pressure(t); });
}

}  // extern "C"
