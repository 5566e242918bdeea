// A caloric property at many (p, t) points: each point's region as caloric() decides it, then
// the points of each Gibbs region evaluated together, in lanes where the processor has them.
#include <algorithm>
#include <array>
#include <cstdint>

#include "equations/by_region.hpp"
#include "equations/saturation.hpp"
#include "kernels/lanes.hpp"
#include "properties/single_phase.hpp"

namespace vlm::props {
namespace {

constexpr std::size_t kBlock = 256;
constexpr int kRegions[] = {1, 2, 5};
// A point whose value and code are written already: a failure, or region 3 computed alone.
constexpr std::uint8_t kDone = 0xff;

// The points of one block in one region: their offsets in the block, arguments and values.
struct Gathered {
  std::size_t count = 0;
  std::array<std::uint16_t, kBlock> at;
  std::array<double, kBlock> p, t, value;
};

// The index in kRegions of a region, or kDone for any other.
std::uint8_t slotOf(double region) {
  for (std::uint8_t k = 0; k < std::size(kRegions); ++k) {
    if (region == kRegions[k]) return k;
  }
  return kDone;
}

void put(double value, double* out, int* code) {
  const Result r = finite(value);
  *out = r.value;
  *code = r.code;
}

}  // namespace

void caloricBatch(const Config& c, RegionRule rule, Caloric q, std::size_t n, const double* p, const double* t,
                  double* out, int* codes) {
  std::array<std::uint8_t, kBlock> slot;  // index in kRegions of each point's region, or kDone
  std::array<double, kBlock> ps, area;
  Gathered g;
  for (std::size_t begin = 0; begin < n; begin += kBlock) {
    const std::size_t count = std::min(n - begin, kBlock);
    const double *bp = p + begin, *bt = t + begin;
    double* bout = out + begin;
    int* bcodes = codes + begin;
    // This block's arguments and the next one's asked of memory together, ahead of the
    // computations that read them one by one.
    for (std::size_t i = 0; i < std::min(n - begin, 2 * kBlock); i += 8) {
      __builtin_prefetch(bp + i);
      __builtin_prefetch(bt + i);
    }
    // region(), the block's saturation pressures computed together where a point needs one
    // (up to 623.15 K), and the regions that comparisons decide computed together too.
    const bool plain = rule == RegionRule::Area2;
    const bool together = plain && std::any_of(bt, bt + count, [](double x) { return x <= constants::T13; });
    if (together) saturation::pressureLanes(count, bt, ps.data());
    if (plain) {
      kernels::inLanes(count, [&]<class V>(kernels::LaneType<V>, std::size_t i) {
        const V psAt = together ? kernels::load<V>(ps.data() + i) : V{};
        kernels::store(area.data() + i, plainRegion(kernels::load<V>(bp + i), kernels::load<V>(bt + i), psAt));
      });
    }
    unsigned seen = 0;  // a bit per entry of kRegions, and one for points done
    for (std::size_t i = 0; i < count; ++i) {
      std::uint8_t k = slotOf(plain ? area[i] : 0.0);
      if (k == kDone) {
        // finite(ps) as saturationPressureUnchecked(t) gives it.
        const Outcome<int> a =
            together ? regionWith(c, bp[i], bt[i], [&] { return finite(ps[i]); }) : regionBy(c, rule, bp[i], bt[i]);
        if (a.failed()) {
          bout[i] = failure(a).value;
          bcodes[i] = a.code;
        } else if (k = slotOf(a.value); k == kDone) {  // region 3: computed on its own
          const Result r = caloricIn(c, a.value, q, bp[i], bt[i]);
          bout[i] = r.value;
          bcodes[i] = r.code;
        }
      }
      slot[i] = k;
      seen |= k == kDone ? 8u : 1u << k;
    }
    // A block all in one Gibbs region (the common case) is evaluated where it lies.
    for (std::size_t k = 0; k < std::size(kRegions); ++k) {
      if (seen != 1u << k) continue;
      equations::caloricLanesPT(kRegions[k])(q, count, bp, bt, bout);
      for (std::size_t i = 0; i < count; ++i) put(bout[i], bout + i, bcodes + i);
      seen = 0;
    }
    // Else the points of each region gathered.
    for (std::size_t k = 0; k < std::size(kRegions); ++k) {
      if (!(seen & 1u << k)) continue;
      g.count = 0;
      for (std::size_t i = 0; i < count; ++i) {
        if (slot[i] != k) continue;
        g.at[g.count] = static_cast<std::uint16_t>(i);
        g.p[g.count] = bp[i];
        g.t[g.count] = bt[i];
        ++g.count;
      }
      equations::caloricLanesPT(kRegions[k])(q, g.count, g.p.data(), g.t.data(), g.value.data());
      for (std::size_t j = 0; j < g.count; ++j) put(g.value[j], bout + g.at[j], bcodes + g.at[j]);
    }
  }
}

}  // namespace vlm::props
