// The frame every computing export runs in.
//
// It takes the process-wide settings once, runs a computation of the properties layer
// inside the guard, and publishes the computation's status as the last-error code.  The
// guard masks floating-point traps while the equations run, so a fault never reaches the
// caller as a signal or a structured exception, and restores the caller's environment
// exactly afterwards.  A fault that the caller had asked to trap, any C++ exception, or a
// result that is not finite ends the call with code 1 and -1.
#pragma once

#include "properties/outcome.hpp"
#include "state.hpp"

namespace vlm::frame {

// The settings as they stand now, for one computation.
Config currentSettings();

// A computation: returns its value and status from the settings it is given.
template <class T>
struct Body {
  Outcome<T> (*call)(const void*, const Config&);
  const void* context;
  template <class F>
  explicit Body(const F& f)
      : call([](const void* c, const Config& cfg) { return (*static_cast<const F*>(c))(cfg); }), context(&f) {}
};

// Runs `body` in the guard with the given settings; the status comes back with the value.
Outcome<double> guarded(Body<double> body, const Config& c);
Outcome<int> guarded(Body<int> body, const Config& c);

// An export: the computation in the guard with the current settings, its status published.
template <class F>
auto run(const F& f) {
  using T = decltype(f(Config{}).value);
  const Outcome<T> r = guarded(Body<T>(f), currentSettings());
  setLastError(r.code);
  return r.failed() ? T(-1) : r.value;
}

// An export over a function of the properties layer: f(settings, args...).
template <auto f, class... Args>
auto compute(Args... args) {
  return run([&](const Config& c) { return f(c, args...); });
}

// An export over a bare equation with no range: its value, or code 1 where not finite.
template <auto f, class... Args>
double equation(Args... args) {
  return run([&](const Config&) { return finite(f(args...)); });
}

}  // namespace vlm::frame
