// Thermal conductivity and viscosity from (density, t), and the surface tension: reference
// values, the temperature limits of each function and what happens beyond them.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/digits.hpp"
#include "vlmcore5.h"

namespace {

using vlmtest::agreesTo;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Every test leaves range checking on, as a freshly loaded library has it.
class Transport : public ::testing::Test {
 protected:
  void TearDown() override { vlmSETCHECKRANGEMODE(1); }
};

double surfaceTension(double, double t) { return vlmSURFTENT(t); }

// The three functions with their temperature limits; the surface tension ignores the density.
struct Function {
  const char* name;
  double (*call)(double r, double t);
  double tLow, tHigh;
};

const Function kFunctions[] = {
    {"vlmTHERMCONDRT", [](double r, double t) { return vlmTHERMCONDRT(r, t); }, 273.16, 1073.15},
    {"vlmDYNVISRT", [](double r, double t) { return vlmDYNVISRT(r, t); }, 273.16, 1173.15},
    {"vlmSURFTENT", surfaceTension, 273.16, 647.096},
};

struct Case {
  const char* name;
  double (*call)(double r, double t);
  double r, t, expected;
  int digits;
};

const Case kReference[] = {
    {"eta(1000 kg/m3, 300 K)", [](double r, double t) { return vlmDYNVISRT(r, t); }, 1000, 300, 8.526e-4, 4},
    {"lambda(1000 kg/m3, 300 K)", [](double r, double t) { return vlmTHERMCONDRT(r, t); }, 1000, 300, 0.6144, 4},
    // Near the critical point the enhancement term carries much of the value.
    {"lambda(200 kg/m3, 650 K)", [](double r, double t) { return vlmTHERMCONDRT(r, t); }, 200, 650, 0.2712, 4},
    {"sigma(300 K)", surfaceTension, 0, 300, 0.07169, 4},
    {"sigma(373.15 K)", surfaceTension, 0, 373.15, 0.05891, 4},
    // Values of the table that accompanies the surface tension equation (0.01, 25 and 100 C).
    {"sigma(273.16 K)", surfaceTension, 0, 273.16, 0.07565, 4},
    {"sigma(298.15 K)", surfaceTension, 0, 298.15, 0.07197, 4},
};

TEST_F(Transport, ReferenceValues) {
  for (const auto& c : kReference) {
    vlmSETLASTERROR(4);
    EXPECT_TRUE(agreesTo(c.call(c.r, c.t), c.expected, c.digits)) << c.name;
    EXPECT_EQ(vlmGETLASTERROR(), 0) << c.name;
  }
}

TEST_F(Transport, SurfaceTensionVanishesAtTheCriticalPoint) {
  vlmSETLASTERROR(4);
  EXPECT_EQ(vlmSURFTENT(647.096), 0.0);
  EXPECT_EQ(vlmGETLASTERROR(), 0);
}

// The later, scientific formulations of both properties agree with the industrial equations
// to well within their uncertainty; this checks the dilute-gas parts up to high temperature,
// where the values above do not reach.
TEST_F(Transport, CloseToTheLaterFormulations) {
  struct Point {
    double (*call)(double, double);
    double r, t, expected, tolerance;
  };
  const Point points[] = {
      {[](double r, double t) { return vlmDYNVISRT(r, t); }, 1, 433.15, 14.538324e-6, 0.005},
      {[](double r, double t) { return vlmDYNVISRT(r, t); }, 1, 873.15, 32.619287e-6, 0.005},
      {[](double r, double t) { return vlmDYNVISRT(r, t); }, 100, 873.15, 35.802262e-6, 0.005},
      {[](double r, double t) { return vlmDYNVISRT(r, t); }, 1, 1173.15, 44.217245e-6, 0.005},
      {[](double r, double t) { return vlmTHERMCONDRT(r, t); }, 0, 298.15, 18.4341883e-3, 0.015},
      {[](double r, double t) { return vlmTHERMCONDRT(r, t); }, 0, 873.15, 79.1034659e-3, 0.015},
  };
  for (const auto& p : points) {
    EXPECT_NEAR(p.call(p.r, p.t) / p.expected, 1.0, p.tolerance) << p.r << " kg/m3, " << p.t << " K";
    EXPECT_EQ(vlmGETLASTERROR(), 0);
  }
}

TEST_F(Transport, LimitsAreInclusiveAndOnlyTheTemperatureIsChecked) {
  for (const auto& f : kFunctions) {
    for (double t : {f.tLow, f.tHigh, 0.5 * (f.tLow + f.tHigh)}) {
      vlmSETLASTERROR(4);
      const double value = f.call(500, t);
      EXPECT_EQ(vlmGETLASTERROR(), 0) << f.name << " at " << t;
      EXPECT_GE(value, 0) << f.name << " at " << t;
    }
    for (double t : {std::nextafter(f.tLow, -kInf), std::nextafter(f.tHigh, kInf), kNaN, -kInf, kInf}) {
      vlmSETLASTERROR(0);
      EXPECT_EQ(f.call(500, t), -1.0) << f.name << " at " << t;
      EXPECT_EQ(vlmGETLASTERROR(), 2) << f.name << " at " << t;
    }
  }
}

TEST_F(Transport, SurfaceTensionIsRefusedBelowTheTripleAndAboveTheCriticalPoint) {
  for (double t : {273.15, 647.1}) {
    vlmSETLASTERROR(0);
    EXPECT_EQ(vlmSURFTENT(t), -1.0) << t;
    EXPECT_EQ(vlmGETLASTERROR(), 2) << t;
  }
}

TEST_F(Transport, AnyDensityIsAccepted) {
  // Densities no state at 300 K has, from none at all to far beyond the liquid's.
  for (double r : {0.0, 1e-9, 1500.0}) {
    vlmSETLASTERROR(4);
    EXPECT_GT(vlmTHERMCONDRT(r, 300), 0) << r;
    EXPECT_EQ(vlmGETLASTERROR(), 0) << r;
    vlmSETLASTERROR(4);
    EXPECT_GT(vlmDYNVISRT(r, 300), 0) << r;
    EXPECT_EQ(vlmGETLASTERROR(), 0) << r;
  }
  // A negative density passes the check but has no real conductivity: a fault, not a range error.
  vlmSETLASTERROR(0);
  EXPECT_EQ(vlmTHERMCONDRT(-1, 300), -1.0);
  EXPECT_EQ(vlmGETLASTERROR(), 1);
}

TEST_F(Transport, WithoutRangeCheckingTheEquationsAreEvaluated) {
  vlmSETCHECKRANGEMODE(0);
  for (const auto& f : kFunctions) {
    vlmSETLASTERROR(4);
    EXPECT_GT(f.call(500, std::nextafter(f.tLow, -kInf)), 0) << f.name;
    EXPECT_EQ(vlmGETLASTERROR(), 0) << f.name;
  }
  const double atTriplePoint = vlmSURFTENT(273.16);
  vlmSETLASTERROR(4);
  EXPECT_GT(vlmSURFTENT(273.15), atTriplePoint);  // colder water, higher tension
  EXPECT_EQ(vlmGETLASTERROR(), 0);
  vlmSETLASTERROR(4);
  EXPECT_GT(vlmTHERMCONDRT(100, 1200), 0);
  EXPECT_EQ(vlmGETLASTERROR(), 0);
  vlmSETLASTERROR(4);
  EXPECT_GT(vlmDYNVISRT(100, 1300), 0);
  EXPECT_EQ(vlmGETLASTERROR(), 0);

  // Above the critical temperature the surface tension has no real value; the non-finite
  // result is reported as a fault, never as a success.
  vlmSETLASTERROR(0);
  EXPECT_EQ(vlmSURFTENT(647.1), -1.0);
  EXPECT_EQ(vlmGETLASTERROR(), 1);
  // Nor does a temperature of zero for the transport equations.
  vlmSETLASTERROR(0);
  EXPECT_EQ(vlmDYNVISRT(500, 0), -1.0);
  EXPECT_EQ(vlmGETLASTERROR(), 1);
  vlmSETLASTERROR(0);
  EXPECT_EQ(vlmTHERMCONDRT(500, kNaN), -1.0);
  EXPECT_EQ(vlmGETLASTERROR(), 1);
}

}  // namespace
