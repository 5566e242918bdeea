#include "guard.hpp"

#include <cmath>

#include "fp_environment.hpp"

namespace vlm::frame {
namespace {

template <class T>
Outcome<T> inGuard(Body<T> body, const Config& c) {
  Outcome<T> r{T(-1), kFloatFault};
  FpEnvironment environment;
  try {
    r = body.call(body.context, c);
  } catch (...) {
    r = {T(-1), kFloatFault};
  }
  if (environment.callerWouldHaveTrapped()) r = {T(-1), kFloatFault};
  if (r.code == kNoError && !std::isfinite(static_cast<double>(r.value))) r = {T(-1), kFloatFault};
  return r;
}

}  // namespace

Config currentSettings() {
  const Settings& s = settings();
  constexpr auto relaxed = std::memory_order_relaxed;
  return {s.checkRange.load(relaxed),       s.maxIteration.load(relaxed),     s.deltaPressure.load(relaxed),
          s.initWaterDensity.load(relaxed), s.initSteamDensity.load(relaxed), s.deltaTs.load(relaxed)};
}

Outcome<double> guarded(Body<double> body, const Config& c) { return inGuard(body, c); }
Outcome<int> guarded(Body<int> body, const Config& c) { return inGuard(body, c); }

}  // namespace vlm::frame
