#include "guard.hpp"

#include <cmath>
#include <optional>
#include <type_traits>

#include "fp_environment.hpp"

namespace vlm::frame {
namespace {

// Nested exports (a general function calling a region function) run inside the outermost
// guard: only that one owns the floating-point environment and judges the raised flags.
thread_local int depth = 0;

template <class T>
bool finite(T value) {
  if constexpr (std::is_floating_point_v<T>) {
    return std::isfinite(value);
  } else {
    return true;
  }
}

template <class T>
T run(Body<T> body, OnSuccess onSuccess) {
  std::optional<FpEnvironment> environment;
  if (depth == 0) environment.emplace();
  ++depth;
  T value{};
  bool ok = true;
  try {
    value = body();
  } catch (...) {
    ok = false;
  }
  --depth;
  if (environment) {
    if (environment->callerWouldHaveTrapped()) ok = false;
    environment.reset();
  }
  if (!ok || !finite(value)) {
    setLastError(kFloatFault);
    return T(-1);
  }
  if (onSuccess == OnSuccess::SetNoError) setLastError(kNoError);
  return value;
}

}  // namespace

double guarded(Body<double> body, OnSuccess onSuccess) { return run(body, onSuccess); }
int guarded(Body<int> body, OnSuccess onSuccess) { return run(body, onSuccess); }

}  // namespace vlm::frame
