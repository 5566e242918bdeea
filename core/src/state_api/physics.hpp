// The equations the state interface is built on, each returning plain values or a status
// code and touching nothing process-wide: the one seam between the state interface and the
// property equations.  Pa, K, kg/m3, SI results.
#pragma once

namespace vlm::state {

// The library's status codes.
enum Code : int { kOk = 0, kFault = 1, kRange = 2, kNoRoot = 3, kUnknownRegion = 4 };

// The solver and range settings of one call.
struct Config {
  bool checkRange;
  int maxIteration;
  double deltaPressure, initWaterDensity, initSteamDensity, deltaTs;
};

// The caloric properties of a single-phase state.
struct Caloric {
  double v, u, s, h, cp, cv, w;
};

// A region 3 state at (density, T): its properties and the pressure with its derivatives.
struct Helmholtz : Caloric {
  double p, dpdr, dpdt;
};

Caloric gibbs(int region, double p, double t);  // regions 1, 2 and 5
Helmholtz helmholtz(double r, double t);

// (dv/dT) at constant p in region 1 or 2, for the Jacobian of a two-variable Newton step.
double dvdt(int region, double p, double t);

// Region of (p, T) as the exports decide it (1, 2, 3 or 5), with their range step.
Code regionPT(double p, double t, const Config& c, int& region);

// Region 3 density at (p, T): the exports' Newton iteration from r0 with the settings' cap
// and pressure tolerance; from the exports' start density when r0 is not given.
Code density3(double p, double t, const Config& c, double r0, double& r);
Code density3(double p, double t, const Config& c, double& r);

// Region 1's backward equations (the other regions' are in properties/backward.hpp).
double t1PH(double p, double h);
double t1PS(double p, double s);

double pSat(double t);
double tSat(double p);
double p23(double t);
double t23(double p);

double conductivity(double r, double t);
double viscosity(double r, double t);
double surfaceTension(double t);

}  // namespace vlm::state
