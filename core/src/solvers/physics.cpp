#include "solvers/physics.hpp"

#include <cmath>

#include "equations/region1.hpp"
#include "equations/region2.hpp"
#include "equations/region3.hpp"
#include "equations/region5.hpp"
#include "equations/transport_equations.hpp"
#include "properties/boundaries.hpp"
#include "properties/single_phase.hpp"

namespace vlm::state {

namespace {

// The Gibbs regions' function of (p, T) for `region`: 1, 2, or any other for 5.
template <class F1, class F2, class F5>
auto byRegion(int region, double p, double t, F1 f1, F2 f2, F5 f5) {
  return region == 1 ? f1(p, t) : region == 2 ? f2(p, t) : f5(p, t);
}

}  // namespace

CaloricSet gibbs(int region, double p, double t) {
  return byRegion(region, p, t, region1::all, region2::all, region5::all);
}

CaloricSet gibbsFirstDerivatives(int region, double p, double t) {
  return byRegion(region, p, t, region1::firstDerivatives, region2::firstDerivatives, region5::firstDerivatives);
}

double specificVolume(int region, double p, double t) {
  return byRegion(region, p, t, region1::v, region2::v, region5::v);
}

VolumeSlopes volumeSlopes(int region, double p, double t) {
  return byRegion(region, p, t, region1::slopes, region2::slopes, region5::slopes);
}

VolumeSlopes volumeAlongIsobar(int region, double p, double t) {
  return byRegion(region, p, t, region1::volumeAlongIsobar, region2::volumeAlongIsobar, region5::volumeAlongIsobar);
}

VolumeSlopes volumeAlongIsotherm(int region, double p, double t) {
  return byRegion(region, p, t, region1::volumeAlongIsotherm, region2::volumeAlongIsotherm,
                  region5::volumeAlongIsotherm);
}

AlongIsobar isobar(int region, double p, double t) {
  return byRegion(region, p, t, region1::alongIsobar, region2::alongIsobar, region5::alongIsobar);
}

AlongIsobar enthalpyAlongIsobar(int region, double p, double t) {
  return byRegion(region, p, t, region1::enthalpyAlongIsobar, region2::enthalpyAlongIsobar,
                  region5::enthalpyAlongIsobar);
}

InPT inPT(int region, double p, double t) {
  return byRegion(region, p, t, region1::inPT, region2::inPT, region5::inPT);
}

InPT alongIsotherm(int region, double p, double t, bool withEntropy) {
  if (withEntropy)
    return byRegion(region, p, t, region1::entropyAlongIsotherm, region2::entropyAlongIsotherm,
                    region5::entropyAlongIsotherm);
  return byRegion(region, p, t, region1::enthalpyAlongIsotherm, region2::enthalpyAlongIsotherm,
                  region5::enthalpyAlongIsotherm);
}

InPTWithSlopes inPTWithSlopes(int region, double p, double t) {
  return byRegion(region, p, t, region1::inPTWithSlopes, region2::inPTWithSlopes, region5::inPTWithSlopes);
}

// A state from (p, t) is placed as the general (p, t) exports place it, so that its fields are
// theirs bit for bit.
Code regionPT(double p, double t, const Config& c, int& region) {
  const Outcome<int> r = props::regionBy(c, props::RegionRule::Area2, p, t);
  if (!r.failed()) region = r.value;
  return static_cast<Code>(r.code);
}

Code density3(double p, double t, const Config& c, double r0, double& r) {
  const Result d = props::region3Density(c, p, t, r0);
  r = d.value;
  return static_cast<Code>(d.code);
}

Code density3(double p, double t, const Config& c, double& r) {
  const Result d = props::region3Density(c, p, t);
  r = d.value;
  return static_cast<Code>(d.code);
}

double pSat(double t) { return props::saturationPressureUnchecked(t).value; }
double tSat(double p) { return props::saturationTemperatureUnchecked(p).value; }
double p23(double t) { return props::b23PressureUnchecked(t).value; }
double t23(double p) { return props::b23TemperatureUnchecked(p).value; }

double conductivity(double r, double t) { return transport::thermalConductivity(r, t); }
double viscosity(double r, double t) { return transport::dynamicViscosity(r, t); }
double surfaceTension(double t) { return transport::surfaceTension(t); }

}  // namespace vlm::state
