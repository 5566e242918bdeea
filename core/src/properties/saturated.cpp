#include "properties/saturated.hpp"

#include <algorithm>

#include "equations/by_region.hpp"
#include "equations/constants.hpp"
#include "properties/boundaries.hpp"
#include "properties/derived.hpp"
#include "properties/limits.hpp"
#include "properties/single_phase.hpp"
#include "properties/transport.hpp"

namespace vlm::props {
namespace {

using namespace constants;

bool saturationRange(double t) { return limits::brokenSaturation(t) == nullptr; }
bool wetRange(double t, double x) { return limits::brokenWet(t, x) == nullptr; }

constexpr int kSaturationBand = 4;

// One phase at one saturation temperature.  Up to 623.15 K the phase comes from region 1
// or 2 at the saturation pressure; above it from region 3, where the start density of the
// solver alone selects the phase.  The pressure and density are found once per call and
// shared by its parts: the values are those of the parts computed one after another.
class SaturatedPoint {
 public:
  SaturatedPoint(const Config& c, Phase phase, double t) : c_(c), phase_(phase), t_(t) {}

  Result caloric(Caloric q) {
    if (!havePressure_) {
      pressure_ = saturationPressureUnchecked(t_);
      havePressure_ = true;
    }
    if (pressure_.failed()) return pressure_;
    if (t_ <= T13) return finite(equations::caloricPT(phase_ == Phase::Water ? 1 : 2, q)(pressure_.value, t_));
    if (!haveDensity_) {
      const double r0 = phase_ == Phase::Water ? c_.initWaterDensity : c_.initSteamDensity;
      density_ = region3Density(c_, pressure_.value, t_, r0);
      haveDensity_ = true;
    }
    if (density_.failed()) return density_;
    return finite(equations::caloricRT(q, density_.value, t_));
  }

  // A transport property of (density, t) at the density of the phase.
  Result ofDensity(Result (*f)(const Config&, double, double)) {
    const Result v = caloric(Caloric::V);
    if (v.failed()) return v;
    return f(c_, 1.0 / v.value, t_);
  }

  Result quantity(Quantity q) {
    switch (q) {
      case Quantity::Conductivity:
        return ofDensity(conductivityRT);
      case Quantity::Viscosity:
        return ofDensity(viscosityRT);
      case Quantity::Prandtl: {
        const Result eta = ofDensity(viscosityRT);
        if (eta.failed()) return eta;
        const Result cp = caloric(Caloric::CP);
        if (cp.failed()) return cp;
        const Result lambda = ofDensity(conductivityRT);
        if (lambda.failed()) return lambda;
        return finite(derived::prandtl(cp.value, eta.value, lambda.value));
      }
      case Quantity::KinematicViscosity: {
        const Result eta = ofDensity(viscosityRT);
        if (eta.failed()) return eta;
        const Result v = caloric(Caloric::V);
        if (v.failed()) return v;
        return finite(derived::kinematicViscosity(v.value, eta.value));
      }
      case Quantity::Isentropic: {
        const Result w = caloric(Caloric::W);
        if (w.failed()) return w;
        const Result v = caloric(Caloric::V);
        if (v.failed()) return v;
        const Result ps = saturationPressure(c_, t_);
        if (ps.failed()) return ps;
        return finite(derived::isentropicExponent(w.value, v.value, ps.value));
      }
      default:
        return caloric(static_cast<Caloric>(q));
    }
  }

 private:
  const Config& c_;
  Phase phase_;
  double t_;
  bool havePressure_ = false, haveDensity_ = false;
  Result pressure_{0, kNoError}, density_{0, kNoError};
};

// A quantity at a single-phase (p, t) state, placed by `rule`; `band` is where the band rule
// (Area) placed it already, so that rule is not asked twice.
Result single(const Config& c, RegionRule rule, int band, Quantity q, double p, double t) {
  switch (q) {
    case Quantity::Conductivity:
      return conductivityPT(c, rule, p, t);
    case Quantity::Viscosity:
      return viscosityPT(c, rule, p, t);
    case Quantity::Prandtl:
      return prandtlPT(c, rule, p, t);
    case Quantity::KinematicViscosity:
      return kinematicViscosityPT(c, rule, p, t);
    case Quantity::Isentropic:
      return isentropicExponentPT(c, rule, p, t);
    default:
      if (rule == RegionRule::Area) return caloricIn(c, band, static_cast<Caloric>(q), p, t);
      return caloric(c, rule, static_cast<Caloric>(q), p, t);
  }
}

}  // namespace

Result saturated(const Config& c, Phase phase, Quantity q, double t) {
  if (c.checkRange && !saturationRange(t)) return failure(kOutOfRange);
  return SaturatedPoint(c, phase, t).quantity(q);
}

Result vaporizationHeat(const Config& c, double t) {
  if (c.checkRange && !saturationRange(t)) return failure(kOutOfRange);
  const Result steam = saturated(c, Phase::Steam, Quantity::H, t);
  if (steam.failed()) return steam;
  const Result water = saturated(c, Phase::Water, Quantity::H, t);
  if (water.failed()) return water;
  return finite(steam.value - water.value);
}

Result wet(const Config& c, Quantity q, double t, double x) {
  if (c.checkRange && !wetRange(t, x)) return failure(kOutOfRange);
  const Result dry = saturated(c, Phase::Steam, q, t);
  if (dry.failed()) return dry;
  const Result boiling = saturated(c, Phase::Water, q, t);
  if (boiling.failed()) return boiling;
  return finite((1.0 - x) * boiling.value + x * dry.value);
}

// The saturation band of the Area rule decides wet steam for every quantity; outside it the
// state is placed by the export's own rule.
Result wetOrSingle(const Config& c, RegionRule rule, Quantity q, double p, double t, double x) {
  const Outcome<int> area = regionWithBand(c, p, t);
  if (area.failed()) return failure(area);
  if (area.value == kSaturationBand) return wet(c, q, t, x);
  return single(c, rule, area.value, q, p, t);
}

// Where the saturated pair coincides the division leaves a non-finite value: code 1.
Result dryness(const Config& c, Quantity q, double t, double value) {
  const Result boiling = saturated(c, Phase::Water, q, t);
  if (boiling.failed()) return boiling;
  const Result dry = saturated(c, Phase::Steam, q, t);
  if (dry.failed()) return dry;
  if (c.checkRange && !(value >= std::min(boiling.value, dry.value) && value <= std::max(boiling.value, dry.value))) {
    return failure(kOutOfRange);
  }
  return finite((value - boiling.value) / (dry.value - boiling.value));
}

}  // namespace vlm::props
