// The functions of one caloric property in the single-phase regions, for dispatching on a
// region code.
#pragma once

#include "state.hpp"
#include "vlmcore5.h"

namespace vlm {

struct ByRegion {
  vlmProperty2 region1, region2, region3, region5;

  // The property at (p, t) in `area`; code 4 and -1 for a region without equations here.
  double operator()(int area, double p, double t) const {
    switch (area) {
      case 1:
        return region1(p, t);
      case 2:
        return region2(p, t);
      case 3:
        return region3(p, t);
      case 5:
        return region5(p, t);
      default:
        setLastError(kUnknownRegion);
        return -1.0;
    }
  }
};

}  // namespace vlm
