// The settings a caller passes as a vlm_settings, field by field.
#pragma once

#include "properties/outcome.hpp"
#include "velmora.h"

namespace vlm {

inline Config fromCaller(const vlm_settings& s) {
  Config c;
  c.checkRange = s.check_range != 0;
  c.maxIteration = s.max_iteration;
  c.deltaPressure = s.delta_pressure;
  c.initWaterDensity = s.init_water_density;
  c.initSteamDensity = s.init_steam_density;
  c.deltaTs = s.delta_ts;
  return c;
}

}  // namespace vlm
