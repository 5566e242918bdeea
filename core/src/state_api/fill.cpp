#include "state_api/fill.hpp"

#include <cmath>
#include <limits>

#include "constants.hpp"

namespace vlm::state {
namespace {

using namespace constants;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double T500C = 773.15, T650C = 923.15;

bool between(double x, double lo, double hi) { return x >= lo && x <= hi; }

// The validity ranges of the transport equations for a (p, T) state, as the exports check them.
bool conductivityRange(double p, double t) {
  if (!between(t, Ttriple, T5) || !between(p, pMin, pMax)) return false;
  if (t > T500C && p > 70.0 * MPa) return false;
  if (t > T650C && p > 40.0 * MPa) return false;
  return true;
}
bool viscosityRange(double p, double t) { return between(t, Ttriple, T5) && between(p, pMin, pMax); }

double tension(double t) { return between(t, Ttriple, Tcritical) ? surfaceTension(t) : kNaN; }

}  // namespace

void fillSingle(int region, double p, double t, const CaloricSet& c, const Config& cfg, vlm_state& out) {
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
  out.lambda = !cfg.checkRange || conductivityRange(p, t) ? conductivity(out.rho, t) : kNaN;
  out.eta = !cfg.checkRange || viscosityRange(p, t) ? viscosity(out.rho, t) : kNaN;
  out.nu = c.v * out.eta;
  out.prandtl = c.cp * out.eta / out.lambda;
  out.kappa = c.w * c.w / (c.v * p);
  out.sigma = tension(t);
}

Code statePT(int region, double p, double t, const Config& cfg, vlm_state& out) {
  if (region != 3) {
    fillSingle(region, p, t, gibbs(region, p, t), cfg, out);
    return kNoError;
  }
  double r = 0;
  if (const Code code = density3(p, t, cfg, r)) return code;
  fillSingle(3, p, t, helmholtz(r, t), cfg, out);
  return kNoError;
}

Code checkSolved(const Config& cfg, vlm_state& out) {
  if (!cfg.checkRange) return kNoError;
  const auto snap = [](double x, double lo, double hi) {
    if (x < lo && x >= lo * (1 - 1e-9)) return lo;
    if (x > hi && x <= hi * (1 + 1e-9)) return hi;
    return x;
  };
  const double p = snap(out.p, pMin, pMax), t = snap(out.T, Ttriple, out.p > p5Max ? T5 : Tmax);
  if (p != out.p || t != out.T) {
    if (const Code code = statePT(out.region, p, t, cfg, out)) return code;
  }
  int region = out.region;
  return regionPT(out.p, out.T, cfg, region);
}

Code saturated(bool vapour, double t, const Config& cfg, CaloricSet& out) {
  const double ps = pSat(t);
  if (t <= T13) {
    out = gibbs(vapour ? 2 : 1, ps, t);
    return kNoError;
  }
  double r = 0;
  if (const Code code = density3(ps, t, cfg, vapour ? cfg.initSteamDensity : cfg.initWaterDensity, r)) return code;
  out = helmholtz(r, t);
  return kNoError;
}

namespace {

// The saturated-phase fields the wet-steam exports mix.
struct Phase {
  double v, u, s, h, cp, cv, w, lambda, eta, nu, prandtl, kappa;
};

Phase phase(const CaloricSet& c, double t, double ps) {
  const double rho = 1.0 / c.v;
  Phase f{c.v, c.u, c.s, c.h, c.cp, c.cv, c.w, conductivity(rho, t), viscosity(rho, t), 0, 0, 0};
  f.nu = c.v * f.eta;
  f.prandtl = c.cp * f.eta / f.lambda;
  f.kappa = c.w * c.w / (ps * c.v);
  return f;
}

}  // namespace

void fillWet(double t, double x, const CaloricSet& boiling, const CaloricSet& dry, vlm_state& out) {
  const double ps = pSat(t);
  const Phase liquid = phase(boiling, t, ps), vapour = phase(dry, t, ps);
  const auto mix = [x](double l, double v) { return (1.0 - x) * l + x * v; };
  out.region = 4;
  out.p = ps;
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
  out.sigma = tension(t);
}

Code stateTX(double t, double x, const Config& cfg, vlm_state& out, bool checkT) {
  if (cfg.checkRange && !((!checkT || between(t, Ttriple, Tcritical)) && between(x, 0.0, 1.0))) return kOutOfRange;
  CaloricSet liquid, vapour;
  if (const Code code = saturated(true, t, cfg, vapour)) return code;
  if (const Code code = saturated(false, t, cfg, liquid)) return code;
  fillWet(t, x, liquid, vapour, out);
  return kNoError;
}

}  // namespace vlm::state
