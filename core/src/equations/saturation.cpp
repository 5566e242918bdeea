#include "equations/saturation.hpp"

#include <cmath>

#include "equations/constants.hpp"
#include "kernels/lanes.hpp"

namespace vlm {
namespace {

namespace sat {
#include "tables/saturation.inc"
}
namespace boundary {
#include "tables/b23.inc"
}

using constants::MPa;

}  // namespace

namespace saturation {
namespace {

// The saturation equation is a quadratic in x = (p / 1 MPa)^(1/4) whose coefficients are
// quadratics in theta = T + n9 / (T - n10); each direction solves it for the other variable.
// For a double or for lanes of doubles (kernels/lanes.hpp).
template <class V>
struct Root {
  V theta, a, b, x;
};
template <class V>
[[gnu::always_inline]] inline Root<V> rootAt(V t) {
  using sat::n;
  const V theta = t + n[8] / (t - n[9]);
  const V theta2 = theta * theta;
  const V a = theta2 + n[0] * theta + n[1];
  const V b = n[2] * theta2 + n[3] * theta + n[4];
  const V c = n[5] * theta2 + n[6] * theta + n[7];
  return {theta, a, b, 2.0 * c / (-b + kernels::squareRoot(b * b - 4.0 * a * c))};
}

template <class V>
[[gnu::always_inline]] inline V pressureOf(V t) {
  const V x = rootAt(t).x;
  const V x2 = x * x;
  return MPa * x2 * x2;
}

}  // namespace

double pressure(double t) { return pressureOf(t); }

void pressureLanes(std::size_t n, const double* t, double* out) {
  kernels::inLanes(n, [&]<class V>(kernels::LaneType<V>, std::size_t i) {
    kernels::store(out + i, pressureOf(kernels::load<V>(t + i)));
  });
}

// dp/dT of the same line: the quadratic's root moves with theta by -(dF/dtheta) / (dF/dx).
double slope(double t) {
  using sat::n;
  const Root<double> r = rootAt(t);
  const double x = r.x, theta = r.theta;
  const double dFdtheta = (2.0 * theta + n[0]) * x * x + (2.0 * n[2] * theta + n[3]) * x + 2.0 * n[5] * theta + n[6];
  const double dxdtheta = -dFdtheta / (2.0 * r.a * x + r.b);
  const double dthetadt = 1.0 - n[8] / ((t - n[9]) * (t - n[9]));
  return 4.0 * MPa * x * x * x * dxdtheta * dthetadt;
}

double temperature(double p) {
  using sat::n;
  const double beta = std::sqrt(std::sqrt(p / MPa));
  const double beta2 = beta * beta;
  const double e = beta2 + n[2] * beta + n[5];
  const double f = n[0] * beta2 + n[3] * beta + n[6];
  const double g = n[1] * beta2 + n[4] * beta + n[7];
  const double d = 2.0 * g / (-f - std::sqrt(f * f - 4.0 * e * g));
  const double sum = n[9] + d;
  return (sum - std::sqrt(sum * sum - 4.0 * (n[8] + n[9] * d))) / 2.0;
}

}  // namespace saturation

namespace b23 {

double pressure(double t) {
  using boundary::n;
  return (n[0] + n[1] * t + n[2] * t * t) * MPa;
}

double temperature(double p) {
  using boundary::n;
  return n[3] + std::sqrt((p / MPa - n[4]) / n[2]);
}

}  // namespace b23
}  // namespace vlm
