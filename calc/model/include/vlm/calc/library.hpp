// The library functions the calculator calls, as one table of pointers: the real exports by
// default, or stand-ins (tests record the calls through them).
#pragma once

#include <array>

#include "vlm/calc/layout.hpp"
#include "vlmcore5.h"

namespace vlm::calc {

struct Library {
  // Indexed by Row, for the rows V .. Prandtl.
  std::array<vlmProperty2, kPropertyRowCount> pt;     // single phase at (p, T)
  std::array<vlmProperty1, kPropertyRowCount> water;  // saturated water at Ts
  std::array<vlmProperty1, kPropertyRowCount> steam;  // saturated steam at Ts
  std::array<vlmProperty2, 4> wet;                    // rows V, S, H, U of wet steam at (Ts, x)
  vlmProperty1 surfaceTension;                        // row ST
  vlmProperty1 heatOfVaporization;                    // row R
  vlmProperty1 saturationTemperature;                 // Ts from p
  vlmProperty1 saturationPressure;                    // ps from T
  int(VLM_CALL* lastError)();
  const char*(VLM_CALL* lastErrorDescription)();
  int(VLM_CALL* setCheckRangeMode)(int);

  // The exports of vlmcore5.
  static const Library& linked();
};

}  // namespace vlm::calc
