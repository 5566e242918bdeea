// The frame every computing export runs in.
//
// It takes the process-wide settings once, runs a computation of the properties layer
// inside the guard, and publishes the computation's status as the last-error code.  The
// guard masks floating-point traps while the equations run, so a fault never reaches the
// caller as a signal or a structured exception, and restores the caller's environment
// exactly afterwards.  A fault that the caller had asked to trap, any C++ exception, or a
// result that is not finite ends the call with code 1 and -1.
#pragma once

#include <cmath>
#include <cstddef>

#include "faces/fp_environment.hpp"
#include "faces/process_settings.hpp"
#include "properties/outcome.hpp"

namespace vlm::frame {

// The settings as they stand now, for one computation.
inline Config currentSettings() {
  const Settings& s = settings();
  constexpr auto relaxed = std::memory_order_relaxed;
  Config c;
  c.checkRange = s.checkRange.load(relaxed);
  c.maxIteration = s.maxIteration.load(relaxed);
  c.deltaPressure = s.deltaPressure.load(relaxed);
  c.initWaterDensity = s.initWaterDensity.load(relaxed);
  c.initSteamDensity = s.initSteamDensity.load(relaxed);
  c.deltaTs = s.deltaTs.load(relaxed);
  return c;
}

// A number the exports hand out must be finite.
template <class T>
bool finiteValue(T value) {
  return std::isfinite(static_cast<double>(value));
}

// Runs `f(settings)` in the guard, for the exports and the state interface alike: its value
// and status, or code 1 where the caller's unmasked trap would have fired, where the
// computation threw, or where a value it reported as good is not `finite`.
template <class F, class Finite>
auto guarded(const F& f, const Config& c, const Finite& finite) -> decltype(f(c)) {
  using R = decltype(f(c));
  R r{};
  r.code = kFloatFault;
  {
    FpEnvironment environment;
    try {
      r = f(c);
    } catch (...) {
      r.code = kFloatFault;
    }
    if (environment.callerWouldHaveTrapped()) r.code = kFloatFault;
    // Still in the guard: comparing a denormal value raises the denormal-operand flag.
    if (r.code == kNoError && !finite(r.value)) r.code = kFloatFault;
  }
  return r;
}

template <class F>
auto guarded(const F& f, const Config& c) -> decltype(f(c)) {
  return guarded(f, c, [](auto value) { return finiteValue(value); });
}

// n elements in the guard: run(begin, end) computes elements [begin, end) into the caller's
// values and codes.  One guard for them all; only where a fault that the caller would have
// trapped was raised (or the computation threw) is each element computed again in a guard of
// its own, so that exactly the elements of single calls that would fail get code 1.
template <class F>
void guardedBatch(const F& run, std::size_t n, int* codes) {
  {
    FpEnvironment environment;
    bool thrown = false;
    try {
      run(std::size_t{0}, n);
    } catch (...) {
      thrown = true;
    }
    if (!thrown && !environment.callerWouldHaveTrapped()) return;
  }
  for (std::size_t i = 0; i < n; ++i) {
    FpEnvironment environment;
    try {
      run(i, i + 1);
    } catch (...) {
      codes[i] = kFloatFault;
    }
    if (environment.callerWouldHaveTrapped()) codes[i] = kFloatFault;
  }
}

// An export: the computation in the guard with the current settings, its status published.
template <class F>
auto run(const F& f) {
  const auto r = guarded(f, currentSettings());
  setLastError(r.code);
  using T = decltype(r.value);
  return r.failed() ? T(-1) : r.value;
}

}  // namespace vlm::frame
