// The one table from a region to its equations: each caloric property of regions 1, 2 and 5
// as a function of (p, t), and of region 3 as a function of (density, t).
#pragma once

#include <cstddef>

#include "equations/caloric.hpp"
#include "equations/region1.hpp"
#include "equations/region2.hpp"
#include "equations/region3.hpp"
#include "equations/region5.hpp"

namespace vlm::equations {

using PT = double (*)(double, double);

// The equation of property q in region 1, 2 or 5 at (p, t); nullptr for any other region.
inline PT caloricPT(int region, Caloric q) {
  static constexpr PT kRegion1[] = {region1::v,  region1::u,  region1::s, region1::h,
                                    region1::cp, region1::cv, region1::w};
  static constexpr PT kRegion2[] = {region2::v,  region2::u,  region2::s, region2::h,
                                    region2::cp, region2::cv, region2::w};
  static constexpr PT kRegion5[] = {region5::v,  region5::u,  region5::s, region5::h,
                                    region5::cp, region5::cv, region5::w};
  const int k = static_cast<int>(q);
  switch (region) {
    case 1:
      return kRegion1[k];
    case 2:
      return kRegion2[k];
    case 5:
      return kRegion5[k];
    default:
      return nullptr;
  }
}

// Every caloric property of region 1, 2 or 5 at (p, t) from one evaluation (the values of the
// single equations bit for bit); nullptr for any other region.
inline CaloricSet (*allPT(int region))(double, double) {
  switch (region) {
    case 1:
      return region1::all;
    case 2:
      return region2::all;
    case 5:
      return region5::all;
    default:
      return nullptr;
  }
}

// Property q of region 1, 2 or 5 at n points (region1::caloricLanes and so on); nullptr for
// any other region.
using PTLanes = void (*)(Caloric q, std::size_t n, const double* p, const double* t, double* out);
inline PTLanes caloricLanesPT(int region) {
  switch (region) {
    case 1:
      return region1::caloricLanes;
    case 2:
      return region2::caloricLanes;
    case 5:
      return region5::caloricLanes;
    default:
      return nullptr;
  }
}

// Property q of region 3 at (density r, t); the specific volume is 1 / r.
inline double caloricRT(Caloric q, double r, double t) {
  static constexpr PT kRegion3[] = {nullptr, region3::u, region3::s, region3::h, region3::cp, region3::cv, region3::w};
  return q == Caloric::V ? 1.0 / r : kRegion3[static_cast<int>(q)](r, t);
}

}  // namespace vlm::equations
