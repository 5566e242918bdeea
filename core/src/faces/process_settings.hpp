// Process-wide settings and the last-error code.  One copy per process, shared by every
// caller; relaxed atomics give the same sharing as plain variables without data races.
#pragma once

#include <atomic>

#include "properties/outcome.hpp"

namespace vlm {

struct Settings {
  std::atomic<int> checkRange{1};
  std::atomic<double> deltaTs{1.0};
  std::atomic<int> maxIteration{1000};
  std::atomic<double> deltaPressure{0.0001};
  std::atomic<double> initWaterDensity{800.0};
  std::atomic<double> initSteamDensity{10.0};
  std::atomic<int> lastError{kNoError};
};

extern constinit Settings processSettings;
inline Settings& settings() { return processSettings; }

inline int lastError() { return settings().lastError.load(std::memory_order_relaxed); }
inline void setLastError(int code) { settings().lastError.store(code, std::memory_order_relaxed); }
inline bool checkRangeOn() { return settings().checkRange.load(std::memory_order_relaxed) != 0; }

}  // namespace vlm
