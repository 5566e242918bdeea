#include "properties/boundaries.hpp"

#include "equations/constants.hpp"
#include "equations/saturation.hpp"
#include "properties/limits.hpp"

namespace vlm::props {
namespace c = constants;

namespace {

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
  return checked(cfg, !limits::brokenSaturation(t), saturationPressureUnchecked, t);
}
Result saturationTemperature(const Config& cfg, double p) {
  return checked(cfg, !limits::brokenSaturationPressure(p), saturationTemperatureUnchecked, p);
}
Result b23Pressure(const Config& cfg, double t) {
  return checked(cfg, !limits::brokenB23Temperature(t), b23PressureUnchecked, t);
}
Result b23Temperature(const Config& cfg, double p) {
  return checked(cfg, !limits::brokenB23Pressure(p), b23TemperatureUnchecked, p);
}

}  // namespace vlm::props
