// What the properties layer returns: a value and its status together, so that no
// computation ever decides anything from the process-wide last-error code.  The settings a
// computation uses arrive as an argument too.
#pragma once

#include <cmath>

#include "vlmcore5.h"

namespace vlm {

enum ErrorCode : int {
  kNoError = VLM_ERROR_NONE,
  kFloatFault = VLM_ERROR_FLOAT_FAULT,
  kOutOfRange = VLM_ERROR_OUT_OF_RANGE,
  kNoRoot = VLM_ERROR_NO_ROOT,
  kUnknownRegion = VLM_ERROR_UNKNOWN_REGION,
};

// The settings one computation runs with.  These member initialisers are the library's only
// defaults: the process-wide settings, vlm_default_settings and the Python package's
// Settings all start from Config{}.
struct Config {
  int checkRange = 1;
  int maxIteration = 1000;
  double deltaPressure = 0.0001;
  double initWaterDensity = 800.0;
  double initSteamDensity = 10.0;
  double deltaTs = 1.0;
  // Whole states only: whether to compute the transport fields (thermal conductivity,
  // viscosity and the numbers from them, surface tension), most of a state's cost.
  bool transport = true;
};

template <class T>
struct Outcome {
  T value;
  int code;

  bool failed() const { return code != kNoError; }
};
using Result = Outcome<double>;

inline Result failure(int code) { return {-1.0, code}; }

// A computed value: a value that is not finite is a floating-point fault.
inline Result finite(double value) { return std::isfinite(value) ? Result{value, kNoError} : failure(kFloatFault); }

// Passes a failure on with its code, whatever its value type.
template <class T>
Result failure(const Outcome<T>& failed) {
  return failure(failed.code);
}

}  // namespace vlm
