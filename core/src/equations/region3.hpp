// Region 3 (near-critical): the IAPWS-IF97 Helmholtz equation of density r (kg/m3) and
// temperature t (K).  Plain evaluation for any arguments.
#pragma once

#include <array>

#include "equations/caloric.hpp"

namespace vlm::region3 {

double p(double r, double t);
double u(double r, double t);
double s(double r, double t);
double h(double r, double t);
double cp(double r, double t);
double cv(double r, double t);
double w(double r, double t);
CaloricSet all(double r, double t);

// Every property with the pressure and its derivatives in density and in temperature, from
// one evaluation: one step of a Newton iteration in (density, T).
struct Full : CaloricSet {
  double p, dpdr, dpdt;
};
Full full(double r, double t);

// The pressure and its slope in density: one step of the density solver.
struct PressureAndSlope {
  double p, dpdr;
};

// The equation along one isotherm, for the density solver.  At a fixed temperature the
// pressure and its slope are polynomials in the reduced density (with the logarithm's
// constant); their coefficients are formed once, and each density then costs two short
// polynomials.  p(r, t) is this pressure.
class Isotherm {
 public:
  static constexpr int kDegree = 11;  // the table's largest power of density

  explicit Isotherm(double t);
  PressureAndSlope at(double r) const;

 private:
  double rt_;  // R t
  std::array<double, kDegree + 1> pressure_{}, slope_{};
};

}  // namespace vlm::region3
