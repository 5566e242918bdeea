// The frame every computing export runs in.
//
// The guard masks floating-point traps while the equations run, so a fault never reaches
// the caller as a signal or a structured exception, and restores the caller's environment
// exactly afterwards.  A fault that the caller had asked to trap, any C++ exception, or a
// result that is not finite ends the call with code 1 and -1.
#pragma once

#include <utility>

#include "state.hpp"

namespace vlm::frame {

// A borrowed callable returning T, so the guard itself is compiled once.
template <class T>
struct Body {
  T (*call)(const void*);
  const void* context;
  template <class F>
  explicit Body(const F& f) : call([](const void* c) { return (*static_cast<const F*>(c))(); }), context(&f) {}
  T operator()() const { return call(context); }
};

// How a guarded body treats the last-error code on success.
enum class OnSuccess { SetNoError, KeepCode };

double guarded(Body<double> body, OnSuccess onSuccess);
int guarded(Body<int> body, OnSuccess onSuccess);

// An equation: evaluates, sets code 0 and returns the value.
template <class F>
double compute(const F& f) {
  return guarded(Body<double>(f), OnSuccess::SetNoError);
}

// An equation with a validity range: refused with code 2 while range checking is on.
template <class F>
double checked(bool inRange, const F& f) {
  if (checkRangeOn() && !inRange) {
    setLastError(kOutOfRange);
    return -1.0;
  }
  return compute(f);
}

// A function that calls other exports and sets the code itself.
template <class F>
auto composite(const F& f) {
  using T = decltype(f());
  return guarded(Body<T>(f), OnSuccess::KeepCode);
}

// A composite function with a validity range: refused with code 2 while checking is on.
template <class F>
auto checkedComposite(bool inRange, const F& f) -> decltype(f()) {
  if (checkRangeOn() && !inRange) {
    setLastError(kOutOfRange);
    return -1;
  }
  return composite(f);
}

// Helper for composite bodies: the failure value when an inner call left a code.
inline bool failed() { return lastError() != kNoError; }

}  // namespace vlm::frame
