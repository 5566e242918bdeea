// Region 3 exports: the (r, t) equations inside the guard, the density solver and the
// (p, t) functions built on it.  No range checks anywhere in this family.
#include "equations/region3.hpp"
#include "faces/computing.hpp"
#include "properties/single_phase.hpp"

namespace {

using vlm::Caloric;
using vlm::Config;
using vlm::Result;
namespace r3 = vlm::region3;
namespace props = vlm::props;

// A property at (p, t): the density from the solver, then the property at (r, t).
template <Caloric q>
Result atSolvedDensity(const Config& c, double p, double t) {
  return props::caloricIn(c, 3, q, p, t);
}

Result solveFrom(const Config& c, double p, double t, double r0) { return props::region3Density(c, p, t, r0); }
Result solve(const Config& c, double p, double t) { return props::region3Density(c, p, t); }

}  // namespace

namespace vlm::computing {

Result vlmP3RT(const Config& c, double r, double t) { return equation<r3::p>(c, r, t); }
Result vlmU3RT(const Config& c, double r, double t) { return equation<r3::u>(c, r, t); }
Result vlmS3RT(const Config& c, double r, double t) { return equation<r3::s>(c, r, t); }
Result vlmH3RT(const Config& c, double r, double t) { return equation<r3::h>(c, r, t); }
Result vlmCP3RT(const Config& c, double r, double t) { return equation<r3::cp>(c, r, t); }
Result vlmCV3RT(const Config& c, double r, double t) { return equation<r3::cv>(c, r, t); }
Result vlmW3RT(const Config& c, double r, double t) { return equation<r3::w>(c, r, t); }

Result vlmR3PTR0(const Config& c, double p, double t, double r0) { return compute<solveFrom>(c, p, t, r0); }
Result vlmR3PT(const Config& c, double p, double t) { return compute<solve>(c, p, t); }

Result vlmV3PT(const Config& c, double p, double t) { return compute<atSolvedDensity<Caloric::V>>(c, p, t); }
Result vlmU3PT(const Config& c, double p, double t) { return compute<atSolvedDensity<Caloric::U>>(c, p, t); }
Result vlmS3PT(const Config& c, double p, double t) { return compute<atSolvedDensity<Caloric::S>>(c, p, t); }
Result vlmH3PT(const Config& c, double p, double t) { return compute<atSolvedDensity<Caloric::H>>(c, p, t); }
Result vlmCP3PT(const Config& c, double p, double t) { return compute<atSolvedDensity<Caloric::CP>>(c, p, t); }
Result vlmCV3PT(const Config& c, double p, double t) { return compute<atSolvedDensity<Caloric::CV>>(c, p, t); }
Result vlmW3PT(const Config& c, double p, double t) { return compute<atSolvedDensity<Caloric::W>>(c, p, t); }

}  // namespace vlm::computing
