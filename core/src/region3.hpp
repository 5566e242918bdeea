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

// The equation along one isotherm, for the density solver: the temperature's part of the
// series is formed once, and each density then costs only its own part.  The values are
// those of pressureAndSlope(r, t).
class Isotherm {
 public:
  explicit Isotherm(double t);
  PressureAndSlope at(double r) const;

  static constexpr int kSeriesBytes = 14 * sizeof(double);

 private:
  double t_;
  alignas(double) unsigned char series_[kSeriesBytes];
};

}  // namespace vlm::region3
