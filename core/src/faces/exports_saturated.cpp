// Saturated water (boiling liquid) and saturated steam as functions of the saturation
// temperature, and the heat of vaporization.
#include "faces/guard.hpp"
#include "properties/saturated.hpp"
#include "vlmcore5.h"

namespace {

using vlm::Config;
using vlm::frame::compute;
using vlm::props::Phase;
using vlm::props::Quantity;

template <Phase phase, Quantity q>
vlm::Result saturated(const Config& c, double t) {
  return vlm::props::saturated(c, phase, q, t);
}

template <Quantity q>
double water(double t) {
  return compute<saturated<Phase::Water, q>>(t);
}
template <Quantity q>
double steam(double t) {
  return compute<saturated<Phase::Steam, q>>(t);
}

}  // namespace

extern "C" {

VLM_API double VLM_CALL vlmVSWT(double t) { return water<Quantity::V>(t); }
VLM_API double VLM_CALL vlmUSWT(double t) { return water<Quantity::U>(t); }
VLM_API double VLM_CALL vlmSSWT(double t) { return water<Quantity::S>(t); }
VLM_API double VLM_CALL vlmHSWT(double t) { return water<Quantity::H>(t); }
VLM_API double VLM_CALL vlmCPSWT(double t) { return water<Quantity::CP>(t); }
VLM_API double VLM_CALL vlmCVSWT(double t) { return water<Quantity::CV>(t); }
VLM_API double VLM_CALL vlmWSWT(double t) { return water<Quantity::W>(t); }
VLM_API double VLM_CALL vlmTHERMCONDSWT(double t) { return water<Quantity::Conductivity>(t); }
VLM_API double VLM_CALL vlmDYNVISSWT(double t) { return water<Quantity::Viscosity>(t); }
VLM_API double VLM_CALL vlmPRANDTLESWT(double t) { return water<Quantity::Prandtl>(t); }
VLM_API double VLM_CALL vlmKINVISSWT(double t) { return water<Quantity::KinematicViscosity>(t); }
VLM_API double VLM_CALL vlmKSWT(double t) { return water<Quantity::Isentropic>(t); }

VLM_API double VLM_CALL vlmVSST(double t) { return steam<Quantity::V>(t); }
VLM_API double VLM_CALL vlmUSST(double t) { return steam<Quantity::U>(t); }
VLM_API double VLM_CALL vlmSSST(double t) { return steam<Quantity::S>(t); }
VLM_API double VLM_CALL vlmHSST(double t) { return steam<Quantity::H>(t); }
VLM_API double VLM_CALL vlmCPSST(double t) { return steam<Quantity::CP>(t); }
VLM_API double VLM_CALL vlmCVSST(double t) { return steam<Quantity::CV>(t); }
VLM_API double VLM_CALL vlmWSST(double t) { return steam<Quantity::W>(t); }
VLM_API double VLM_CALL vlmTHERMCONDSST(double t) { return steam<Quantity::Conductivity>(t); }
VLM_API double VLM_CALL vlmDYNVISSST(double t) { return steam<Quantity::Viscosity>(t); }
VLM_API double VLM_CALL vlmPRANDTLESST(double t) { return steam<Quantity::Prandtl>(t); }
VLM_API double VLM_CALL vlmKINVISSST(double t) { return steam<Quantity::KinematicViscosity>(t); }
VLM_API double VLM_CALL vlmKSST(double t) { return steam<Quantity::Isentropic>(t); }

VLM_API double VLM_CALL vlmRST(double t) { return compute<vlm::props::vaporizationHeat>(t); }

}  // extern "C"
