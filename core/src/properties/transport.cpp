#include "properties/transport.hpp"

#include "equations/constants.hpp"
#include "equations/transport_equations.hpp"
#include "properties/derived.hpp"
#include "properties/limits.hpp"
#include "properties/single_phase.hpp"

namespace vlm::props {
namespace {

using namespace constants;

// A (density, t) property at the density of the state.
Result atStateDensity(Result (*ofDensity)(const Config&, double, double), const Config& c, PointPT& point, double t) {
  const Result v = point.volume();
  if (v.failed()) return v;
  return ofDensity(c, 1.0 / v.value, t);
}

}  // namespace

bool conductivityRange(double p, double t) { return !limits::brokenConductivity(p, t); }
bool viscosityRange(double p, double t) { return !limits::brokenViscosity(p, t); }

Result conductivityRT(const Config& c, double r, double t) {
  if (c.checkRange && limits::brokenConductivityOfDensity(t)) return failure(kOutOfRange);
  return finite(transport::thermalConductivity(r, t));
}

Result viscosityRT(const Config& c, double r, double t) {
  if (c.checkRange && limits::brokenViscosityOfDensity(t)) return failure(kOutOfRange);
  return finite(transport::dynamicViscosity(r, t));
}

Result surfaceTension(const Config& c, double t) {
  if (c.checkRange && limits::brokenSaturation(t)) return failure(kOutOfRange);
  return finite(transport::surfaceTension(t));
}

namespace {

Result conductivity(const Config& c, PointPT& point, double p, double t) {
  if (c.checkRange && !conductivityRange(p, t)) return failure(kOutOfRange);
  return atStateDensity(conductivityRT, c, point, t);
}

Result viscosity(const Config& c, PointPT& point, double p, double t) {
  if (c.checkRange && !viscosityRange(p, t)) return failure(kOutOfRange);
  return atStateDensity(viscosityRT, c, point, t);
}

}  // namespace

Result conductivityPT(const Config& c, RegionRule rule, double p, double t) {
  PointPT point(c, rule, p, t);
  return conductivity(c, point, p, t);
}

Result viscosityPT(const Config& c, RegionRule rule, double p, double t) {
  PointPT point(c, rule, p, t);
  return viscosity(c, point, p, t);
}

// The parts in the order they were always called, the state's region and density found once.
Result prandtlPT(const Config& c, RegionRule rule, double p, double t) {
  PointPT point(c, rule, p, t);
  const Result eta = viscosity(c, point, p, t);
  if (eta.failed()) return eta;
  const Result cp = point.caloric(Caloric::CP);
  if (cp.failed()) return cp;
  const Result lambda = conductivity(c, point, p, t);
  if (lambda.failed()) return lambda;
  return finite(derived::prandtl(cp.value, eta.value, lambda.value));
}

Result kinematicViscosityPT(const Config& c, RegionRule rule, double p, double t) {
  PointPT point(c, rule, p, t);
  const Result eta = viscosity(c, point, p, t);
  if (eta.failed()) return eta;
  const Result v = point.volume();
  if (v.failed()) return v;
  return finite(derived::kinematicViscosity(v.value, eta.value));
}

Result isentropicExponentPT(const Config& c, RegionRule rule, double p, double t) {
  PointPT point(c, rule, p, t);
  const Result w = point.caloric(Caloric::W);
  if (w.failed()) return w;
  const Result v = point.volume();
  if (v.failed()) return v;
  return finite(derived::isentropicExponent(w.value, v.value, p));
}

}  // namespace vlm::props
