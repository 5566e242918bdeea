#include "properties/single_phase.hpp"

#include <cmath>

#include "equations/by_region.hpp"
#include "equations/constants.hpp"
#include "properties/boundaries.hpp"
#include "properties/limits.hpp"

namespace vlm::props {
namespace {

using namespace constants;

// The range both region functions refuse with code 2 while checking is on.
bool insideGeneralRange(double p, double t) { return limits::brokenGeneral(p, t) == nullptr; }

Result atDensity(Caloric q, double r, double t) { return finite(equations::caloricRT(q, r, t)); }

}  // namespace

Outcome<int> region(const Config& c, double p, double t) {
  return regionWith(c, p, t, [t] { return saturationPressureUnchecked(t); });
}

Outcome<int> regionWithBand(const Config& c, double p, double t) {
  if (c.checkRange && !insideGeneralRange(p, t)) return {-1, kOutOfRange};
  if (t > T5) return {5, kNoError};
  if (t > T25) return {2, kNoError};
  if (p < pCritical) {
    const Result ts = saturationTemperatureUnchecked(p);
    if (ts.failed()) return {-1, ts.code};
    if (std::fabs(ts.value - t) < c.deltaTs) return {4, kNoError};
    if (t <= T13) return {t < ts.value ? 1 : 2, kNoError};
    const Result p23 = b23PressureUnchecked(t);
    if (p23.failed()) return {-1, p23.code};
    return {p > p23.value ? 3 : 2, kNoError};
  }
  if (t <= T13) return {1, kNoError};
  const Result t23 = b23TemperatureUnchecked(p);
  if (t23.failed()) return {-1, t23.code};
  return {t < t23.value ? 3 : 2, kNoError};
}

// Plain Newton iteration on the pressure residual at constant t, from r0.  It stops as soon
// as the residual is within the tolerance (possibly at r0 itself), after at most the
// iteration cap, or at the first evaluation that is not finite.  Each step takes the
// pressure and its slope from one evaluation of the equation.
Result region3Density(const Config& c, double p, double t, double r0) {
  const region3::Isotherm isotherm(t);
  double r = r0;
  auto at = isotherm.at(r);
  double residual = at.p - p;
  if (!std::isfinite(residual)) return failure(kFloatFault);
  for (int k = 0; k < c.maxIteration && std::fabs(residual) > c.deltaPressure; ++k) {
    const double slope = at.dpdr;
    r -= residual / slope;
    at = isotherm.at(r);
    residual = at.p - p;
    if (!std::isfinite(slope) || !std::isfinite(r) || !std::isfinite(residual)) return failure(kFloatFault);
  }
  if (std::fabs(residual) <= c.deltaPressure) return finite(r);
  return failure(kNoRoot);
}

// Above the critical pressure, and below the saturation temperature, the solve starts from
// the liquid side; on or above the saturation temperature from the vapour side.
Result region3Density(const Config& c, double p, double t) {
  double r0 = c.initWaterDensity;
  if (!(p > pCritical)) {
    const Result ts = saturationTemperatureUnchecked(p);
    if (ts.failed()) return ts;
    if (!(t < ts.value)) r0 = c.initSteamDensity;
  }
  return region3Density(c, p, t, r0);
}

Result caloricIn(const Config& c, int area, Caloric q, double p, double t) {
  if (area == 3) {
    const Result r = region3Density(c, p, t);
    return r.failed() ? r : atDensity(q, r.value, t);
  }
  const equations::PT f = equations::caloricPT(area, q);
  return f ? finite(f(p, t)) : failure(kUnknownRegion);
}

Outcome<int> regionBy(const Config& c, RegionRule rule, double p, double t) {
  return rule == RegionRule::Area ? regionWithBand(c, p, t) : region(c, p, t);
}

// One property of a fresh point: what PointPT::caloric does, without keeping anything.
Result caloric(const Config& c, RegionRule rule, Caloric q, double p, double t) {
  const Outcome<int> area = regionBy(c, rule, p, t);
  if (area.failed()) return failure(area);
  return caloricIn(c, area.value, q, p, t);
}

Outcome<int> PointPT::area() {
  if (!haveArea_) {
    area_ = regionBy(c_, rule_, p_, t_);
    haveArea_ = true;
  }
  return area_;
}

Result PointPT::region3Density() {
  if (!haveDensity_) {
    density_ = props::region3Density(c_, p_, t_);
    haveDensity_ = true;
  }
  return density_;
}

Outcome<CaloricSet> PointPT::all() {
  const Outcome<int> a = area();
  if (a.failed()) return {CaloricSet{}, a.code};
  if (a.value == 3) {
    const Result r = region3Density();
    if (r.failed()) return {CaloricSet{}, r.code};
    return {region3::all(r.value, t_), kNoError};
  }
  const auto f = equations::allPT(a.value);
  if (!f) return {CaloricSet{}, kUnknownRegion};
  return {f(p_, t_), kNoError};
}

Result PointPT::caloric(Caloric q) {
  const Outcome<int> a = area();
  if (a.failed()) return failure(a);
  if (a.value != 3) return caloricIn(c_, a.value, q, p_, t_);
  const Result r = region3Density();
  return r.failed() ? r : atDensity(q, r.value, t_);
}

}  // namespace vlm::props
