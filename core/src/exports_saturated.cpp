// Saturated water (boiling liquid) and saturated steam as functions of the saturation
// temperature, and the heat of vaporization.  Up to 623.15 K the phases come from regions
// 1 and 2 at the saturation pressure; above it from region 3, where the start density of
// the solver alone selects the phase.
#include <atomic>

#include "call_in_order.hpp"
#include "constants.hpp"
#include "guard.hpp"
#include "saturation.hpp"
#include "vlmcore5.h"

namespace {

using namespace vlm::constants;
using vlm::frame::checkedComposite;
using vlm::frame::failed;

bool saturationRange(double t) { return t >= Ttriple && t <= Tcritical; }

enum class Phase { Water, Steam };

double startDensity(Phase phase) {
  auto& s = vlm::settings();
  return (phase == Phase::Water ? s.initWaterDensity : s.initSteamDensity).load(std::memory_order_relaxed);
}

// A caloric property: `below` is the region 1 or 2 function of (p, t), `region3` the
// region 3 function of (density, t), or nullptr for the specific volume.
double caloric(Phase phase, vlmProperty2 below, vlmProperty2 region3, double t) {
  return checkedComposite(saturationRange(t), [&] {
    vlm::setLastError(vlm::kNoError);
    const double ps = vlm::saturation::pressureUnchecked(t);
    if (failed()) return -1.0;
    if (t <= T13) return below(ps, t);
    const double density = vlmR3PTR0(ps, t, startDensity(phase));
    if (failed()) return -1.0;
    return region3 ? region3(density, t) : 1.0 / density;
  });
}

// A transport property of (density, t) at the density of the phase.
double transport(vlmProperty1 volume, vlmProperty2 ofDensity, double t) {
  return checkedComposite(saturationRange(t), [&] {
    vlm::setLastError(vlm::kNoError);
    const double v = volume(t);
    if (failed()) return -1.0;
    return ofDensity(1.0 / v, t);
  });
}

// A quantity formed from other members, called in the order given.
template <std::size_t N, class Combine>
double combined(const vlmProperty1 (&parts)[N], const Combine& combine, double t) {
  return checkedComposite(saturationRange(t), [&] {
    vlm::setLastError(vlm::kNoError);
    const auto v = vlm::callInOrder(parts, t);
    return v ? combine(*v) : -1.0;
  });
}

using Values3 = std::array<double, 3>;
using Values2 = std::array<double, 2>;
// Prandtl number from viscosity, heat capacity and conductivity.
constexpr auto prandtl = [](const Values3& v) { return v[1] * v[0] / v[2]; };
// Kinematic viscosity from viscosity and volume.
constexpr auto kinematic = [](const Values2& v) { return v[1] * v[0]; };
// Isentropic exponent from speed of sound, volume and saturation pressure.
constexpr auto isentropic = [](const Values3& v) { return v[0] * v[0] / (v[2] * v[1]); };

constexpr Phase kWater = Phase::Water, kSteam = Phase::Steam;

}  // namespace

extern "C" {

VLM_API double VLM_CALL vlmVSWT(double t) { return caloric(kWater, vlmV1PT, nullptr, t); }
VLM_API double VLM_CALL vlmUSWT(double t) { return caloric(kWater, vlmU1PT, vlmU3RT, t); }
VLM_API double VLM_CALL vlmSSWT(double t) { return caloric(kWater, vlmS1PT, vlmS3RT, t); }
VLM_API double VLM_CALL vlmHSWT(double t) { return caloric(kWater, vlmH1PT, vlmH3RT, t); }
VLM_API double VLM_CALL vlmCPSWT(double t) { return caloric(kWater, vlmCP1PT, vlmCP3RT, t); }
VLM_API double VLM_CALL vlmCVSWT(double t) { return caloric(kWater, vlmCV1PT, vlmCV3RT, t); }
VLM_API double VLM_CALL vlmWSWT(double t) { return caloric(kWater, vlmW1PT, vlmW3RT, t); }
VLM_API double VLM_CALL vlmTHERMCONDSWT(double t) { return transport(vlmVSWT, vlmTHERMCONDRT, t); }
VLM_API double VLM_CALL vlmDYNVISSWT(double t) { return transport(vlmVSWT, vlmDYNVISRT, t); }
VLM_API double VLM_CALL vlmPRANDTLESWT(double t) {
  return combined({vlmDYNVISSWT, vlmCPSWT, vlmTHERMCONDSWT}, prandtl, t);
}
VLM_API double VLM_CALL vlmKINVISSWT(double t) { return combined({vlmDYNVISSWT, vlmVSWT}, kinematic, t); }
VLM_API double VLM_CALL vlmKSWT(double t) { return combined({vlmWSWT, vlmVSWT, vlmPST}, isentropic, t); }

VLM_API double VLM_CALL vlmVSST(double t) { return caloric(kSteam, vlmV2PT, nullptr, t); }
VLM_API double VLM_CALL vlmUSST(double t) { return caloric(kSteam, vlmU2PT, vlmU3RT, t); }
VLM_API double VLM_CALL vlmSSST(double t) { return caloric(kSteam, vlmS2PT, vlmS3RT, t); }
VLM_API double VLM_CALL vlmHSST(double t) { return caloric(kSteam, vlmH2PT, vlmH3RT, t); }
VLM_API double VLM_CALL vlmCPSST(double t) { return caloric(kSteam, vlmCP2PT, vlmCP3RT, t); }
VLM_API double VLM_CALL vlmCVSST(double t) { return caloric(kSteam, vlmCV2PT, vlmCV3RT, t); }
VLM_API double VLM_CALL vlmWSST(double t) { return caloric(kSteam, vlmW2PT, vlmW3RT, t); }
VLM_API double VLM_CALL vlmTHERMCONDSST(double t) { return transport(vlmVSST, vlmTHERMCONDRT, t); }
VLM_API double VLM_CALL vlmDYNVISSST(double t) { return transport(vlmVSST, vlmDYNVISRT, t); }
VLM_API double VLM_CALL vlmPRANDTLESST(double t) {
  return combined({vlmDYNVISSST, vlmCPSST, vlmTHERMCONDSST}, prandtl, t);
}
VLM_API double VLM_CALL vlmKINVISSST(double t) { return combined({vlmDYNVISSST, vlmVSST}, kinematic, t); }
VLM_API double VLM_CALL vlmKSST(double t) { return combined({vlmWSST, vlmVSST, vlmPST}, isentropic, t); }

VLM_API double VLM_CALL vlmRST(double t) {
  return combined(
      {vlmHSST, vlmHSWT}, [](const Values2& h) { return h[0] - h[1]; }, t);
}

}  // extern "C"
