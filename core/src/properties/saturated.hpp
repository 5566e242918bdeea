// Saturated water and steam as functions of the saturation temperature, wet steam from
// (T, x) and (p, T, x), and the dryness fraction from a property value.
#pragma once

#include "equations/caloric.hpp"
#include "properties/outcome.hpp"
#include "properties/region_rule.hpp"

namespace vlm::props {

enum class Phase { Water, Steam };

// Every property the saturated and wet families offer: the caloric ones in the order of
// Caloric, then the transport and derived ones.
enum class Quantity { V, U, S, H, CP, CV, W, Conductivity, Viscosity, Prandtl, KinematicViscosity, Isentropic };

// A property of one phase on the saturation line at t (refused outside 273.16 .. 647.096 K).
Result saturated(const Config& c, Phase phase, Quantity q, double t);

// Heat of vaporization h'' - h'.
Result vaporizationHeat(const Config& c, double t);

// Wet steam at (t, x): each property mixed linearly in x (refused outside the saturation
// range and 0 <= x <= 1).
Result wet(const Config& c, Quantity q, double t, double x);

// From (p, t, x): the region's equations, or wet steam within deltaTs of the saturation line.
Result wetOrSingle(const Config& c, RegionRule rule, Quantity q, double p, double t, double x);

// The dryness fraction at t of a state whose property q has `value`.
Result dryness(const Config& c, Quantity q, double t, double value);

}  // namespace vlm::props
