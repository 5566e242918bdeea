// Region 3 (near-critical): the IAPWS-IF97 Helmholtz equation of density r (kg/m3) and
// temperature t (K).  Plain evaluation for any arguments.
#pragma once

#include "caloric.hpp"

namespace vlm::region3 {

double p(double r, double t);
double u(double r, double t);
double s(double r, double t);
double h(double r, double t);
double cp(double r, double t);
double cv(double r, double t);
double w(double r, double t);
double dpdr(double r, double t);  // (dp/dr) at constant t, for the density solver
CaloricSet all(double r, double t);

// The pressure and its slope from one evaluation: one step of the density solver.
struct PressureAndSlope {
  double p, dpdr;
};
PressureAndSlope pressureAndSlope(double r, double t);

}  // namespace vlm::region3
