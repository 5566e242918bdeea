// Transport properties from (density, t) and the surface tension: evaluation inside the
// guard after a check of the temperature alone (any density is accepted).
#include "constants.hpp"
#include "guard.hpp"
#include "transport.hpp"
#include "vlmcore5.h"

namespace {

using vlm::frame::checked;
using namespace vlm::constants;
namespace tr = vlm::transport;

constexpr double TviscosityMax = 1173.15;  // upper limit of the viscosity equation, K

// Inclusive limits; NaN fails.
bool between(double t, double lo, double hi) { return t >= lo && t <= hi; }

}  // namespace

extern "C" {

VLM_API double VLM_CALL vlmTHERMCONDRT(double r, double t) {
  return checked(between(t, Ttriple, T5), [&] { return tr::thermalConductivity(r, t); });
}

VLM_API double VLM_CALL vlmDYNVISRT(double r, double t) {
  return checked(between(t, Ttriple, TviscosityMax), [&] { return tr::dynamicViscosity(r, t); });
}

VLM_API double VLM_CALL vlmSURFTENT(double t) {
  return checked(between(t, Ttriple, Tcritical), [&] { return tr::surfaceTension(t); });
}

}  // extern "C"
