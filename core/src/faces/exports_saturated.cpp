// Saturated water (boiling liquid) and saturated steam as functions of the saturation
// temperature, and the heat of vaporization.
#include "faces/computing.hpp"
#include "properties/saturated.hpp"

namespace {

using vlm::Config;
using vlm::props::Phase;
using vlm::props::Quantity;

template <Quantity q>
vlm::Result water(const Config& c, double t) {
  return vlm::props::saturated(c, Phase::Water, q, t);
}
template <Quantity q>
vlm::Result steam(const Config& c, double t) {
  return vlm::props::saturated(c, Phase::Steam, q, t);
}

}  // namespace

namespace vlm::computing {

Result vlmVSWT(const Config& c, double t) { return water<Quantity::V>(c, t); }
Result vlmUSWT(const Config& c, double t) { return water<Quantity::U>(c, t); }
Result vlmSSWT(const Config& c, double t) { return water<Quantity::S>(c, t); }
Result vlmHSWT(const Config& c, double t) { return water<Quantity::H>(c, t); }
Result vlmCPSWT(const Config& c, double t) { return water<Quantity::CP>(c, t); }
Result vlmCVSWT(const Config& c, double t) { return water<Quantity::CV>(c, t); }
Result vlmWSWT(const Config& c, double t) { return water<Quantity::W>(c, t); }
Result vlmTHERMCONDSWT(const Config& c, double t) { return water<Quantity::Conductivity>(c, t); }
Result vlmDYNVISSWT(const Config& c, double t) { return water<Quantity::Viscosity>(c, t); }
Result vlmPRANDTLESWT(const Config& c, double t) { return water<Quantity::Prandtl>(c, t); }
Result vlmKINVISSWT(const Config& c, double t) { return water<Quantity::KinematicViscosity>(c, t); }
Result vlmKSWT(const Config& c, double t) { return water<Quantity::Isentropic>(c, t); }

Result vlmVSST(const Config& c, double t) { return steam<Quantity::V>(c, t); }
Result vlmUSST(const Config& c, double t) { return steam<Quantity::U>(c, t); }
Result vlmSSST(const Config& c, double t) { return steam<Quantity::S>(c, t); }
Result vlmHSST(const Config& c, double t) { return steam<Quantity::H>(c, t); }
Result vlmCPSST(const Config& c, double t) { return steam<Quantity::CP>(c, t); }
Result vlmCVSST(const Config& c, double t) { return steam<Quantity::CV>(c, t); }
Result vlmWSST(const Config& c, double t) { return steam<Quantity::W>(c, t); }
Result vlmTHERMCONDSST(const Config& c, double t) { return steam<Quantity::Conductivity>(c, t); }
Result vlmDYNVISSST(const Config& c, double t) { return steam<Quantity::Viscosity>(c, t); }
Result vlmPRANDTLESST(const Config& c, double t) { return steam<Quantity::Prandtl>(c, t); }
Result vlmKINVISSST(const Config& c, double t) { return steam<Quantity::KinematicViscosity>(c, t); }
Result vlmKSST(const Config& c, double t) { return steam<Quantity::Isentropic>(c, t); }

Result vlmRST(const Config& c, double t) { return compute<vlm::props::vaporizationHeat>(c, t); }

}  // namespace vlm::computing
