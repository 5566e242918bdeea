// What the state interface takes from the properties layer, in the shapes its solvers use:
// the seam between the two.  Everything here returns values or a status and touches
// nothing process-wide.  Pa, K, kg/m3, SI results.
#pragma once

#include "equations/caloric.hpp"
#include "equations/region3.hpp"
#include "properties/outcome.hpp"

namespace vlm::state {

using Code = ErrorCode;

// The caloric properties of regions 1, 2 and 5 at (p, T), from one evaluation.
CaloricSet gibbs(int region, double p, double t);
// v, u, s and h alone (cp, cv and w NaN), from half the sums.
CaloricSet gibbsFirstDerivatives(int region, double p, double t);

// The specific volume alone of regions 1, 2 and 5 at (p, T), and with its slopes.
double specificVolume(int region, double p, double t);
VolumeSlopes volumeSlopes(int region, double p, double t);
// v with its slope in T alone (dv/dp NaN), and with its slope in p alone (dv/dT NaN).
VolumeSlopes volumeAlongIsobar(int region, double p, double t);
VolumeSlopes volumeAlongIsotherm(int region, double p, double t);

// A region 3 state at (density, T): its properties and the pressure with its derivatives.
using Helmholtz = region3::Full;
inline Helmholtz helmholtz(double r, double t) { return region3::full(r, t); }

// h, s and cp of regions 1, 2 and 5 at (p, T): a Newton step along an isobar.
AlongIsobar isobar(int region, double p, double t);
// The same without s (NaN), for a step in h: a third fewer sums.
AlongIsobar enthalpyAlongIsobar(int region, double p, double t);

// h, s, cp, v and (dv/dT) at constant p in region 1, 2 or 5: a Newton step in (p, T).
InPT inPT(int region, double p, double t);
// The same without cp, and without s unless asked for: a Newton step in p along an isotherm.
InPT alongIsotherm(int region, double p, double t, bool withEntropy);

// h, cp, v and v's slopes in region 1, 2 or 5: a Newton step in (p, T) for u and v.
InPTWithSlopes inPTWithSlopes(int region, double p, double t);

// Region of (p, T) as the exports decide it (1, 2, 3 or 5), with their range step.
Code regionPT(double p, double t, const Config& c, int& region);

// Region 3 density at (p, T): the exports' Newton iteration from r0, or from the exports'
// start density when r0 is not given.
Code density3(double p, double t, const Config& c, double r0, double& r);
Code density3(double p, double t, const Config& c, double& r);

// The saturation and B23 lines without range checks.
double pSat(double t);
double tSat(double p);
double p23(double t);
double t23(double p);

// The transport equations without range checks.
double conductivity(double r, double t);
double viscosity(double r, double t);
double surfaceTension(double t);

}  // namespace vlm::state
