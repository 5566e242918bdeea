// Single-phase states from (p, T): the region choice, the region 3 density solver and the
// caloric properties of each region and of the region a point lies in.
#pragma once

#include <cstddef>

#include "equations/caloric.hpp"
#include "equations/constants.hpp"
#include "properties/boundaries.hpp"
#include "properties/limits.hpp"
#include "properties/outcome.hpp"
#include "properties/region_rule.hpp"

namespace vlm::props {

// The region of (p, t): 1, 2, 3 or 5, with the general range refused while checking is on.
// `regionWithBand` also answers 4 within deltaTs of the saturation temperature.
Outcome<int> region(const Config& c, double p, double t);
Outcome<int> regionWithBand(const Config& c, double p, double t);

// region() with the saturation pressure at t taken from saturationPressure() (a Result, as
// saturationPressureUnchecked(t) gives it) where it decides: for callers that compute many
// points' saturation pressures together.
template <class SaturationPressure>
Outcome<int> regionWith(const Config& c, double p, double t, const SaturationPressure& saturationPressure) {
  if (c.checkRange && limits::brokenGeneral(p, t) != nullptr) return {-1, kOutOfRange};
  if (t > constants::T5) return {5, kNoError};
  if (t > constants::T25) return {2, kNoError};
  if (t <= constants::T13) {
    const Result ps = saturationPressure();
    if (ps.failed()) return {-1, ps.code};
    return {p > ps.value ? 1 : 2, kNoError};
  }
  if (p < constants::p23Min) return {2, kNoError};
  const Result p23 = b23PressureUnchecked(t);
  if (p23.failed()) return {-1, p23.code};
  return {p >= p23.value ? 3 : 2, kNoError};
}

// regionWith's region where comparisons alone decide it, for a double or lanes of doubles:
// 1, 2 or 5 in a lane of the range (whether or not checking is on) whose region needs neither
// the boundary between regions 2 and 3 nor a saturation pressure that failed; 0 in any other
// lane, which regionWith itself decides.  ps is the saturation pressure at t, read only where
// t <= 623.15 K.
template <class V>
[[gnu::always_inline]] inline V plainRegion(V p, V t, V ps) {
  using namespace constants;
  const V none{}, one = none + 1.0, two = none + 2.0, five = none + 5.0;
  const auto inRange = (t >= Ttriple) & (t <= Tmax) & (p >= pMin) & (p <= pMax) & ((t <= T5) | (p <= p5Max));
  const auto cold = t <= T13;
  const V coldRegion = (ps - ps == 0.0) ? (p > ps ? one : two) : none;  // ps - ps is 0 where ps is finite
  const V warmRegion = p < p23Min ? two : none;
  const V region = t > T5 ? five : t > T25 ? two : cold ? coldRegion : warmRegion;
  return inRange ? region : none;
}

// The region by `rule`: regionWithBand for Area, region for Area2.
Outcome<int> regionBy(const Config& c, RegionRule rule, double p, double t);

// Region 3: the density at (p, t) by Newton's method from r0, or from the start density the
// settings give for the side of the saturation line t is on.
Result region3Density(const Config& c, double p, double t, double r0);
Result region3Density(const Config& c, double p, double t);

// A caloric property at (p, t) by the equations of `area` (code 4 for any other area); in
// region 3 at the solved density.
Result caloricIn(const Config& c, int area, Caloric q, double p, double t);

// A caloric property at (p, t) in the region `rule` places the point in.
Result caloric(const Config& c, RegionRule rule, Caloric q, double p, double t);

// Property q at n points (p[i], t[i]) into out[i] and codes[i], each the value and code of
// caloric(c, rule, q, p[i], t[i]) bit for bit: the region of each point first, then the
// points of regions 1, 2 and 5 in lanes (kernels/lanes.hpp).
void caloricBatch(const Config& c, RegionRule rule, Caloric q, std::size_t n, const double* p, const double* t,
                  double* out, int* codes);

// One (p, t) state whose region and, in region 3, density are found once and shared by
// every property asked of it: the values are those of the separate calls, in the same order.
// The exports from (p, t) and the state interface's single-phase states are read off it.
class PointPT {
 public:
  PointPT(const Config& c, RegionRule rule, double p, double t) : c_(c), rule_(rule), p_(p), t_(t) {}
  // A point whose region is known already (a solved state).
  PointPT(const Config& c, int area, double p, double t)
      : c_(c), rule_(RegionRule::Area2), p_(p), t_(t), haveArea_(true), area_{area, kNoError} {}

  Outcome<int> area();
  Result caloric(Caloric q);
  Result volume() { return caloric(Caloric::V); }
  // Every caloric property from one evaluation of the region's equation, bit for bit those
  // of caloric(q).
  Outcome<CaloricSet> all();

 private:
  Result region3Density();

  const Config& c_;
  RegionRule rule_;
  double p_, t_;
  bool haveArea_ = false, haveDensity_ = false;
  Outcome<int> area_{0, kNoError};
  Result density_{0, kNoError};
};

}  // namespace vlm::props
