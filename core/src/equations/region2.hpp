// Region 2 (steam): the IAPWS-IF97 Gibbs equation, ideal-gas and residual parts.  Plain
// evaluation for any arguments; p in Pa, T in K, SI results.
#pragma once

#include "equations/caloric.hpp"

namespace vlm::region2 {

double v(double p, double t);
double u(double p, double t);
double s(double p, double t);
double h(double p, double t);
double cp(double p, double t);
double cv(double p, double t);
double w(double p, double t);
CaloricSet all(double p, double t);                    // every property from one evaluation
CaloricSet firstDerivatives(double p, double t);       // v, u, s, h (cp, cv, w NaN)
VolumeSlopes slopes(double p, double t);               // v and its slopes in T and in p
VolumeSlopes volumeAlongIsobar(double p, double t);    // v and its slope in T (dv/dp NaN)
VolumeSlopes volumeAlongIsotherm(double p, double t);  // v and its slope in p (dv/dT NaN)
AlongIsobar alongIsobar(double p, double t);           // h, s, cp
AlongIsobar enthalpyAlongIsobar(double p, double t);   // h, cp (s NaN)
double idealGasLogPressure(double t, double s);
ValueAndSlope idealGasEnergy(
    double t);  // the ideal-gas part's u at t and its slope (cv)        // ln p where an ideal gas at t has s
InPT inPT(double p, double t);                      // h, s, cp, v, (dv/dT) at constant p
InPT enthalpyAlongIsotherm(double p, double t);     // h, v, (dv/dT) at constant p (s, cp NaN)
InPT entropyAlongIsotherm(double p, double t);      // the same with s
InPTWithSlopes inPTWithSlopes(double p, double t);  // h, cp, v and its slopes

}  // namespace vlm::region2
