#include "properties/boundaries.hpp"

#include "equations/constants.hpp"
#include "equations/saturation.hpp"

namespace vlm::props {
namespace c = constants;

namespace {

// Inclusive limits.  The upper limit is tested first, then the lower one; a NaN passes the
// first test and fails the second, so it is refused.
bool within(double x, double lo, double hi) {
  if (x > hi) return false;
  return x >= lo;
}

Result checked(const Config& cfg, bool inRange, Result (*f)(double), double x) {
  if (cfg.checkRange && !inRange) return failure(kOutOfRange);
  return f(x);
}

}  // namespace

Result saturationPressureUnchecked(double t) { return finite(saturation::pressure(t)); }
Result saturationTemperatureUnchecked(double p) { return finite(saturation::temperature(p)); }
Result b23PressureUnchecked(double t) { return finite(b23::pressure(t)); }
Result b23TemperatureUnchecked(double p) { return finite(b23::temperature(p)); }

Result saturationPressure(const Config& cfg, double t) {
  return checked(cfg, within(t, c::Ttriple, c::Tcritical), saturationPressureUnchecked, t);
}
Result saturationTemperature(const Config& cfg, double p) {
  return checked(cfg, within(p, c::pMin, c::pCritical), saturationTemperatureUnchecked, p);
}
Result b23Pressure(const Config& cfg, double t) {
  return checked(cfg, within(t, c::T13, c::T25), b23PressureUnchecked, t);
}
Result b23Temperature(const Config& cfg, double p) {
  return checked(cfg, within(p, c::p23Min, c::pMax), b23TemperatureUnchecked, p);
}

}  // namespace vlm::props
