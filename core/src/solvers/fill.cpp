#include "solvers/fill.hpp"

#include <cmath>
#include <limits>

#include "equations/constants.hpp"
#include "equations/region3.hpp"
#include "properties/derived.hpp"
#include "properties/limits.hpp"
#include "properties/single_phase.hpp"
#include "properties/transport.hpp"

namespace vlm::state {
namespace {

using namespace constants;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

double tension(double t) { return !limits::brokenSaturation(t) ? surfaceTension(t) : kNaN; }

void withoutTransport(vlm_state& out) { out.lambda = out.eta = out.nu = out.prandtl = out.sigma = kNaN; }

}  // namespace

void fillCaloric(int region, double p, double t, const CaloricSet& c, vlm_state& out) {
  out.region = region;
  out.p = p;
  out.T = t;
  out.v = c.v;
  out.rho = 1.0 / c.v;
  out.u = c.u;
  out.h = c.h;
  out.s = c.s;
  out.cp = c.cp;
  out.cv = c.cv;
  out.w = c.w;
  out.x = -1.0;
  out.kappa = derived::isentropicExponent(c.w, c.v, p);
  withoutTransport(out);
}

void fillSingle(int region, double p, double t, const CaloricSet& c, const Config& cfg, vlm_state& out) {
  fillCaloric(region, p, t, c, out);
  if (!cfg.transport) return;
  out.lambda = !cfg.checkRange || props::conductivityRange(p, t) ? conductivity(out.rho, t) : kNaN;
  out.eta = !cfg.checkRange || props::viscosityRange(p, t) ? viscosity(out.rho, t) : kNaN;
  out.nu = derived::kinematicViscosity(c.v, out.eta);
  out.prandtl = derived::prandtl(c.cp, out.eta, out.lambda);
  out.sigma = tension(t);
}

Code statePT(int region, double p, double t, const Config& cfg, vlm_state& out) {
  const Outcome<CaloricSet> caloric = props::PointPT(cfg, region, p, t).all();
  if (caloric.failed()) return static_cast<Code>(caloric.code);
  fillSingle(region, p, t, caloric.value, cfg, out);
  return kNoError;
}

Code checkSolved(const Config& cfg, vlm_state& out, int& region) {
  if (cfg.checkRange) {
    const auto snap = [](double x, double lo, double hi) {
      if (x < lo && x >= lo * (1 - 1e-9)) return lo;
      if (x > hi && x <= hi * (1 + 1e-9)) return hi;
      return x;
    };
    const double p = snap(out.p, pMin, pMax), t = snap(out.T, Ttriple, out.p > p5Max ? T5 : Tmax);
    if (p != out.p || t != out.T) {
      if (const Code code = statePT(out.region, p, t, cfg, out)) return code;
    }
  }
  region = out.region;
  return regionPT(out.p, out.T, cfg, region);
}

double densityOnBranch(double p, double t, bool liquid) {
  const region3::Isotherm isotherm(t);
  // The densities of region 3 and of the saturated phases above 623.15 K lie well inside.
  constexpr double rc = 322.0, rLow = 20.0, rHigh = 1000.0;
  const auto slope = [&](double r) { return isotherm.at(r).dpdr; };
  // A turning point: where the slope changes sign from `below` to above zero, by bisection
  // (it only bounds the brackets of the roots).
  const auto turning = [&](double a, double b, double sign) {
    for (int k = 0; k < 45; ++k) {
      const double m = 0.5 * (a + b);
      (sign * slope(m) <= 0 ? a : b) = m;
    }
    return 0.5 * (a + b);
  };
  // The root of p(r) = p where p rises from a to b: Newton kept inside the bracket it
  // narrows, to the last bit, which a pressure tolerance cannot give where p is flat.
  const auto root = [&](double a, double b) {
    double r = 0.5 * (a + b);
    for (int k = 0; k < 200; ++k) {
      const region3::PressureAndSlope at = isotherm.at(r);
      const double excess = at.p - p;
      if (excess == 0) break;
      (excess < 0 ? a : b) = r;
      double next = r - excess / at.dpdr;
      if (!(std::isfinite(next) && next > a && next < b)) next = 0.5 * (a + b);
      if (!(next > a && next < b) || next == r) break;
      r = next;
    }
    return r;
  };
  // The isotherm's flattest density (near the critical one), by golden-section search: a
  // loop below the critical temperature has its turning points on either side.
  double a = rc - 80.0, b = rc + 80.0;
  for (int k = 0; k < 50; ++k) {
    const double m1 = b - 0.618033988749895 * (b - a), m2 = a + 0.618033988749895 * (b - a);
    if (slope(m1) < slope(m2)) {
      b = m2;
    } else {
      a = m1;
    }
  }
  const double flattest = 0.5 * (a + b);
  if (!(slope(flattest) < 0)) return root(rLow, rHigh);  // no loop: one root
  // A loop: p rises below its first turning point and above its second.
  const double turnLow = turning(rLow, flattest, -1.0), turnHigh = turning(flattest, rHigh, 1.0);
  const bool vapourRoot = isotherm.at(turnLow).p >= p, liquidRoot = isotherm.at(turnHigh).p <= p;
  if (liquidRoot && (liquid || !vapourRoot)) return root(turnHigh, rHigh);
  return root(rLow, turnLow);
}

Code saturation(double t, const Config& cfg, Saturation& out) {
  out.ps = pSat(t);
  if (t <= T13) {
    out.vapour = gibbs(2, out.ps, t);
    out.liquid = gibbs(1, out.ps, t);
    return kNoError;
  }
  double liquid = 0, vapour = 0;
  if (t < Tcritical - 0.5) {
    // The exports' densities, then Newton to the last bit on the same branch.
    if (const Code code = density3(out.ps, t, cfg, cfg.initSteamDensity, vapour)) return code;
    if (const Code code = density3(out.ps, t, cfg, cfg.initWaterDensity, liquid)) return code;
    const region3::Isotherm isotherm(t);
    for (double* r : {&vapour, &liquid}) {
      for (int k = 0; k < 8; ++k) {
        const region3::PressureAndSlope at = isotherm.at(*r);
        const double step = (at.p - out.ps) / at.dpdr;
        if (!std::isfinite(step) || std::fabs(step) > 1e-6 * *r) break;
        *r -= step;
        if (std::fabs(step) <= 1e-15 * *r) break;
      }
    }
  }
  // Near the critical point, or where Newton crossed to the other phase's root.
  if (!(liquid > vapour)) {
    liquid = densityOnBranch(out.ps, t, true);
    vapour = densityOnBranch(out.ps, t, false);
  }
  out.vapour = helmholtz(vapour, t);
  out.liquid = helmholtz(liquid, t);
  return kNoError;
}

Code saturationWithoutSlopes(double t, const Config& cfg, Saturation& out) {
  if (t > T13) return saturation(t, cfg, out);
  out.ps = pSat(t);
  out.vapour = gibbsFirstDerivatives(2, out.ps, t);
  out.liquid = gibbsFirstDerivatives(1, out.ps, t);
  return kNoError;
}

namespace {

PhaseFields phase(const CaloricSet& c, double t, double ps, bool transport) {
  PhaseFields f{c.v, c.u, c.s, c.h, c.cp, c.cv, c.w, kNaN, kNaN, kNaN, kNaN, 0};
  f.kappa = derived::isentropicExponent(c.w, c.v, ps);
  if (!transport) return f;
  const double rho = 1.0 / c.v;
  f.lambda = conductivity(rho, t);
  f.eta = viscosity(rho, t);
  f.nu = derived::kinematicViscosity(c.v, f.eta);
  f.prandtl = derived::prandtl(c.cp, f.eta, f.lambda);
  return f;
}

}  // namespace

void fillMixed(double t, double p, double x, const PhaseFields& liquid, const PhaseFields& vapour, double sigma,
               vlm_state& out) {
  const auto mix = [x](double l, double v) { return (1.0 - x) * l + x * v; };
  out.region = 4;
  out.p = p;
  out.T = t;
  out.v = mix(liquid.v, vapour.v);
  out.rho = 1.0 / out.v;
  out.u = mix(liquid.u, vapour.u);
  out.h = mix(liquid.h, vapour.h);
  out.s = mix(liquid.s, vapour.s);
  out.cp = mix(liquid.cp, vapour.cp);
  out.cv = mix(liquid.cv, vapour.cv);
  out.w = mix(liquid.w, vapour.w);
  out.x = x;
  out.lambda = mix(liquid.lambda, vapour.lambda);
  out.eta = mix(liquid.eta, vapour.eta);
  out.nu = mix(liquid.nu, vapour.nu);
  out.prandtl = mix(liquid.prandtl, vapour.prandtl);
  out.kappa = mix(liquid.kappa, vapour.kappa);
  out.sigma = sigma;
}

void fillWet(double t, double x, const Saturation& sat, const Config& cfg, vlm_state& out) {
  fillMixed(t, sat.ps, x, phase(sat.liquid, t, sat.ps, cfg.transport), phase(sat.vapour, t, sat.ps, cfg.transport),
            cfg.transport ? tension(t) : kNaN, out);
}

Code stateTX(double t, double x, const Config& cfg, vlm_state& out, bool checkT) {
  if (cfg.checkRange && ((checkT && limits::brokenSaturation(t)) || limits::brokenDryness(x))) return kOutOfRange;
  Saturation sat;
  if (const Code code = saturation(t, cfg, sat)) return code;
  fillWet(t, x, sat, cfg, out);
  return kNoError;
}

}  // namespace vlm::state
