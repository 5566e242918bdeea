// Region 3 exports: the (r, t) equations inside the guard, the density solver and the
// (p, t) functions built on it.  No range checks anywhere in this family.
#include "equations/region3.hpp"
#include "faces/guard.hpp"
#include "properties/single_phase.hpp"
#include "vlmcore5.h"

namespace {

using vlm::Caloric;
using vlm::Config;
using vlm::Result;
using vlm::frame::compute;
using vlm::frame::equation;
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

extern "C" {

VLM_API double VLM_CALL vlmP3RT(double r, double t) { return equation<r3::p>(r, t); }
VLM_API double VLM_CALL vlmU3RT(double r, double t) { return equation<r3::u>(r, t); }
VLM_API double VLM_CALL vlmS3RT(double r, double t) { return equation<r3::s>(r, t); }
VLM_API double VLM_CALL vlmH3RT(double r, double t) { return equation<r3::h>(r, t); }
VLM_API double VLM_CALL vlmCP3RT(double r, double t) { return equation<r3::cp>(r, t); }
VLM_API double VLM_CALL vlmCV3RT(double r, double t) { return equation<r3::cv>(r, t); }
VLM_API double VLM_CALL vlmW3RT(double r, double t) { return equation<r3::w>(r, t); }

VLM_API double VLM_CALL vlmR3PTR0(double p, double t, double r0) { return compute<solveFrom>(p, t, r0); }
VLM_API double VLM_CALL vlmR3PT(double p, double t) { return compute<solve>(p, t); }

VLM_API double VLM_CALL vlmV3PT(double p, double t) { return compute<atSolvedDensity<Caloric::V>>(p, t); }
VLM_API double VLM_CALL vlmU3PT(double p, double t) { return compute<atSolvedDensity<Caloric::U>>(p, t); }
VLM_API double VLM_CALL vlmS3PT(double p, double t) { return compute<atSolvedDensity<Caloric::S>>(p, t); }
VLM_API double VLM_CALL vlmH3PT(double p, double t) { return compute<atSolvedDensity<Caloric::H>>(p, t); }
VLM_API double VLM_CALL vlmCP3PT(double p, double t) { return compute<atSolvedDensity<Caloric::CP>>(p, t); }
VLM_API double VLM_CALL vlmCV3PT(double p, double t) { return compute<atSolvedDensity<Caloric::CV>>(p, t); }
VLM_API double VLM_CALL vlmW3PT(double p, double t) { return compute<atSolvedDensity<Caloric::W>>(p, t); }

}  // extern "C"
