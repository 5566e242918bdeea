// Transport properties with their validity ranges: from (density, T), from (p, T) at the
// density of the single-phase state, and the quantities formed from several properties.
#pragma once

#include "properties/outcome.hpp"
#include "properties/region_rule.hpp"

namespace vlm::props {

// The (p, T) validity ranges of the two equations (inclusive; NaN fails).
bool conductivityRange(double p, double t);
bool viscosityRange(double p, double t);

Result conductivityRT(const Config& c, double r, double t);  // W/(m K)
Result viscosityRT(const Config& c, double r, double t);     // Pa s
Result surfaceTension(const Config& c, double t);            // N/m

Result conductivityPT(const Config& c, RegionRule rule, double p, double t);
Result viscosityPT(const Config& c, RegionRule rule, double p, double t);
Result prandtlPT(const Config& c, RegionRule rule, double p, double t);
Result kinematicViscosityPT(const Config& c, RegionRule rule, double p, double t);
Result isentropicExponentPT(const Config& c, RegionRule rule, double p, double t);

}  // namespace vlm::props
