// A caloric property at many (p, t) points: each point's region as caloric() decides it, then
// the points of each Gibbs region gathered and evaluated together, in lanes where the
// processor has them.
#include <algorithm>
#include <array>
#include <cstdint>

#include "equations/by_region.hpp"
#include "equations/saturation.hpp"
#include "properties/single_phase.hpp"

namespace vlm::props {

void caloricBatch(const Config& c, RegionRule rule, Caloric q, std::size_t n, const double* p, const double* t,
                  double* out, int* codes) {
  constexpr std::size_t kBlock = 256;
  constexpr int kRegions[] = {1, 2, 5};
  // The points of one block in one region: their offsets in the block, arguments and values.
  struct Gathered {
    std::size_t count = 0;
    std::array<std::uint16_t, kBlock> at;
    std::array<double, kBlock> p, t, value;
  };
  std::array<Gathered, 3> regions;
  std::array<double, kBlock> ps;
  for (std::size_t begin = 0; begin < n; begin += kBlock) {
    const std::size_t end = std::min(n, begin + kBlock);
    for (Gathered& g : regions) g.count = 0;
    // region(), the block's saturation pressures computed together where a point needs one
    // (up to 623.15 K).
    bool cold = false;
    for (std::size_t i = begin; i < end; ++i) cold |= t[i] <= constants::T13;
    const bool together = cold && rule == RegionRule::Area2;
    if (together) saturation::pressureLanes(end - begin, t + begin, ps.data());
    for (std::size_t i = begin; i < end; ++i) {
      // finite(ps) as saturationPressureUnchecked(t[i]) gives it.
      const Outcome<int> area =
          together ? regionWith(c, p[i], t[i], [&] { return finite(ps[i - begin]); }) : regionBy(c, rule, p[i], t[i]);
      Result r = failure(area.code);
      if (!area.failed()) {
        const auto* slot = std::find(std::begin(kRegions), std::end(kRegions), area.value);
        if (slot != std::end(kRegions)) {
          Gathered& g = regions[slot - kRegions];
          g.at[g.count] = static_cast<std::uint16_t>(i - begin);
          g.p[g.count] = p[i];
          g.t[g.count] = t[i];
          ++g.count;
          continue;
        }
        r = caloricIn(c, area.value, q, p[i], t[i]);
      }
      out[i] = r.value;
      codes[i] = r.code;
    }
    for (std::size_t k = 0; k < regions.size(); ++k) {
      Gathered& g = regions[k];
      if (g.count == 0) continue;
      equations::caloricLanesPT(kRegions[k])(q, g.count, g.p.data(), g.t.data(), g.value.data());
      for (std::size_t j = 0; j < g.count; ++j) {
        const Result r = finite(g.value[j]);
        out[begin + g.at[j]] = r.value;
        codes[begin + g.at[j]] = r.code;
      }
    }
  }
}

}  // namespace vlm::props
