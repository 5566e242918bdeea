// Process-wide settings and the last-error code.  One copy per process, shared by every
// caller; relaxed atomics give the same sharing as plain variables without data races.
#pragma once

#include <atomic>

#include "properties/outcome.hpp"

namespace vlm {

// Loading the library sets these to the defaults of Config.
struct Settings {
  static constexpr Config kDefaults{};
  std::atomic<int> checkRange{kDefaults.checkRange};
  std::atomic<double> deltaTs{kDefaults.deltaTs};
  std::atomic<int> maxIteration{kDefaults.maxIteration};
  std::atomic<double> deltaPressure{kDefaults.deltaPressure};
  std::atomic<double> initWaterDensity{kDefaults.initWaterDensity};
  std::atomic<double> initSteamDensity{kDefaults.initSteamDensity};
  std::atomic<int> lastError{kNoError};
};

extern constinit Settings processSettings;
inline Settings& settings() { return processSettings; }

inline int lastError() { return settings().lastError.load(std::memory_order_relaxed); }
inline void setLastError(int code) { settings().lastError.store(code, std::memory_order_relaxed); }
inline bool checkRangeOn() { return settings().checkRange.load(std::memory_order_relaxed) != 0; }

}  // namespace vlm
