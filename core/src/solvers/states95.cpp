#include "solvers/states95.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "equations/iapws95.hpp"
#include "equations/transport95.hpp"
#include "properties/derived.hpp"
#include "solvers/pairs.hpp"

namespace vlm::state95 {
namespace {

namespace f = vlm::iapws95;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kTmin = 273.16, kTmax = 1273.0, kPmax = 1000e6;
constexpr double kRhoMax = 1300.0;  // kg/m3: above 1000 MPa at every temperature of the range

enum class Q { P, T, V, U, H, S, X };

struct Slope {
  double r, t;  // in density and in T
};

// A single-phase point: its properties, and the slopes of p, u, h, s and v in (rho, T).
struct Point {
  double rho, t, p, u, h, s, cv, cp, w;
  double pr, pt, ur;  // dp/drho, dp/dT, du/drho

  double value(Q q) const {
    switch (q) {
      case Q::P:
        return p;
      case Q::T:
        return t;
      case Q::V:
        return 1.0 / rho;
      case Q::U:
        return u;
      case Q::H:
        return h;
      case Q::S:
        return s;
      default:
        return kNaN;
    }
  }
  Slope slope(Q q) const {
    switch (q) {
      case Q::P:
        return {pr, pt};
      case Q::T:
        return {0.0, 1.0};
      case Q::V:
        return {-1.0 / (rho * rho), 0.0};
      case Q::U:
        return {ur, cv};
      case Q::H:
        return {ur + pr / rho - p / (rho * rho), cv + pt / rho};
      case Q::S:
        return {-pt / (rho * rho), cv / t};  // Maxwell: (ds/drho)_T = -(dp/dT)_rho / rho^2
      default:
        return {kNaN, kNaN};
    }
  }
};

Point at(double rho, double t) {
  const double delta = rho / f::criticalDensity(), tau = f::criticalTemperature() / t, R = f::gasConstant();
  const f::Phi o = f::ideal(delta, tau), r = f::residual(delta, tau);
  Point x{};
  x.rho = rho;
  x.t = t;
  x.p = rho * R * t * (1.0 + delta * r.d);
  x.u = R * t * tau * (o.t + r.t);
  x.h = x.u + x.p / rho;
  x.s = R * (tau * (o.t + r.t) - o.f - r.f);
  x.cv = -R * tau * tau * (o.tt + r.tt);
  x.pr = R * t * (1.0 + 2.0 * delta * r.d + delta * delta * r.dd);
  x.pt = rho * R * (1.0 + delta * r.d - delta * tau * r.dt);
  x.ur = R * t * tau * delta * r.dt / rho;
  const double lift = t * x.pt * x.pt / (rho * rho);
  x.cp = x.cv + lift / x.pr;
  x.w = std::sqrt(x.pr + lift / x.cv);
  return x;
}

// Both saturated phases at T with the line's dp/dT and each phase's density slope along it.
struct Line {
  double t = kNaN, p, dpdt, liquidSlope, vapourSlope;
  Point liquid, vapour;

  double value(Q q, double x) const {
    if (q == Q::P) return p;
    if (q == Q::T) return t;
    if (q == Q::X) return x;
    return (1.0 - x) * liquid.value(q) + x * vapour.value(q);
  }
  // The slope of a phase's quantity along the line.
  static double along(const Point& ph, double densitySlope, Q q) {
    const Slope s = ph.slope(q);
    return s.t + s.r * densitySlope;
  }
  Slope slope(Q q, double x) const {  // here r is the slope in x
    if (q == Q::P) return {0.0, dpdt};
    if (q == Q::T) return {0.0, 1.0};
    if (q == Q::X) return {1.0, 0.0};
    return {vapour.value(q) - liquid.value(q),
            (1.0 - x) * along(liquid, liquidSlope, q) + x * along(vapour, vapourSlope, q)};
  }
};

bool lineAt(double t, Line& line) {
  if (t == line.t) return true;
  // From the line at the last temperature, where there is one, moved along its slopes: the
  // equilibrium then takes a step or two instead of five (not next to the critical point,
  // where the slopes are steep and the auxiliary equations' start is the safer one).
  const bool near = std::isfinite(line.t) && std::fabs(t - line.t) < 1.0 && t < f::criticalTemperature() - 1.0;
  const f::Saturation sat = near ? f::saturation(t, line.liquid.rho + line.liquidSlope * (t - line.t),
                                                 line.vapour.rho + line.vapourSlope * (t - line.t))
                                 : f::saturation(t);
  if (!std::isfinite(sat.p)) return false;
  line.t = t;
  line.p = sat.p;
  line.liquid = at(sat.liquid, t);
  line.vapour = at(sat.vapour, t);
  // Clapeyron from the formulation's own phases; at the critical point, where both are one,
  // the line continues the critical isochore.
  line.dpdt = t < f::criticalTemperature() ? (line.vapour.s - line.liquid.s) / (1.0 / sat.vapour - 1.0 / sat.liquid)
                                           : line.liquid.pt;
  line.liquidSlope = (line.dpdt - line.liquid.pt) / line.liquid.pr;
  line.vapourSlope = (line.dpdt - line.vapour.pt) / line.vapour.pr;
  return true;
}

// Newton in two unknowns until the step reaches the rounding: the relative step below 1e-15,
// or once below `stall` no longer halving, or (with `wander`) that many steps there (the
// rounding of the saturated phases next to the critical point moves each step at random).
template <class Step>
bool converge(Step step, double stall, int wander = 0) {
  double previous = HUGE_VAL;
  int small = 0;
  for (int k = 0; k < 100; ++k) {
    const double size = step();
    if (!(size >= 0.0)) return false;
    if (size <= 1e-15 || (size >= 0.5 * previous && size <= stall)) return true;
    if (wander > 0 && size <= stall && ++small >= wander) return true;
    previous = size;
  }
  return previous <= stall;
}

// How far a value lies from its target, on the quantity's own scale.
double miss(Q q, double value, double target) {
  switch (q) {
    case Q::T:
      return (value - target) / 10.0;
    case Q::S:
      return (value - target) / 100.0;
    case Q::H:
    case Q::U:
      return (value - target) / 1e5;
    default:
      return (value - target) / (std::fabs(target) * 0.1);  // p, v
  }
}
double miss(const Point& x, Q qa, double a, Q qb, double b) {
  return std::hypot(miss(qa, x.value(qa), a), miss(qb, x.value(qb), b));
}

// The single-phase state where qa = a and qb = b, from `x`'s density and T.
bool singlePhase(Q qa, double a, Q qb, double b, Point& x) {
  return converge(
      [&] {
        const Slope sa = x.slope(qa), sb = x.slope(qb);
        const double fa = x.value(qa) - a, fb = x.value(qb) - b, det = sa.r * sb.t - sa.t * sb.r;
        const double dr = (fa * sb.t - sa.t * fb) / det, dt = (sa.r * fb - fa * sb.r) / det;
        if (!std::isfinite(dr) || !std::isfinite(dt)) return kNaN;
        // A step that lands outside the plausible states, or (far from the solution, where the
        // equations bend) misses more than where it started, is halved.
        const double before = miss(x, qa, a, qb, b);
        double scale = 1.0;
        for (;; scale *= 0.5) {
          if (scale < 1e-12) return kNaN;
          const double r = x.rho - scale * dr, t = x.t - scale * dt;
          if (!(r > 0.0 && t > 200.0 && t < 2000.0)) continue;
          const Point next = at(r, t);
          if (before > 1e-3 && !(miss(next, qa, a, qb, b) < before) && scale > 1.0 / 64.0) continue;
          x = next;
          break;
        }
        return std::fmax(std::fabs(dr) / x.rho, std::fabs(dt) / x.t) * scale;
      },
      1e-9);
}

// The saturated densities near the critical point carry the rounding of the Gibbs energies
// (1e-9 of them at 0.01 K below it), and x and T with them.  Elsewhere Newton converges to
// the last bits except for (h, s) next to the saturated liquid at low T, where a wet isotherm
// runs almost along the line (dh = T ds on both) and only v dp tells them apart: the
// rounding of h' leaves T uncertain by some 1e-9 of itself there.
double wetStall(double t) { return t > f::criticalTemperature() - 1.0 ? 1e-6 : 1e-8; }

// Wet steam where qa = a and qb = b, from T and x; x may end outside [0, 1] (a single phase).
bool wet(Q qa, double a, Q qb, double b, double& t, double& x, Line& line) {
  const double tc = f::criticalTemperature();
  return converge(
      [&] {
        if (!lineAt(t, line)) return kNaN;
        const Slope sa = line.slope(qa, x), sb = line.slope(qb, x);  // r: in x, t: in T
        const double fa = line.value(qa, x) - a, fb = line.value(qb, x) - b, det = sa.t * sb.r - sa.r * sb.t;
        const double dt = (fa * sb.r - sa.r * fb) / det, dx = (sa.t * fb - fa * sb.t) / det;
        if (!std::isfinite(dt) || !std::isfinite(dx)) return kNaN;
        double scale = 1.0;
        while (!(t - scale * dt >= kTmin - 1.0 && t - scale * dt <= tc)) {
          scale *= 0.5;
          if (scale < 1e-12) return kNaN;
        }
        t -= scale * dt;
        x -= scale * dx;
        if (!lineAt(t, line)) return kNaN;
        return std::fmax(std::fabs(dt) / t, std::fabs(dx)) * scale;
      },
      wetStall(t), 4);
}

// The density of pressure p at T between lo and hi (p rising with density there): Newton,
// falling back on bisection where a step leaves the bracket.
double densityBetween(double p, double t, double lo, double hi, double start) {
  double rho = start > lo && start < hi ? start : 0.5 * (lo + hi), previous = HUGE_VAL;
  for (int k = 0; k < 200; ++k) {
    const f::PressureAndGibbs e = f::pressureAndGibbs(rho, t);
    (e.p < p ? lo : hi) = rho;
    double next = rho - (e.p - p) / e.dpdr;
    const bool newton = e.dpdr > 0.0 && next > lo && next < hi;
    if (!newton) next = 0.5 * (lo + hi);
    const double size = std::fabs(next - rho);
    rho = next;
    if (size <= 1e-15 * rho || hi - lo <= 1e-15 * rho) return rho;
    // Newton at the pressure's rounding (halving bisection steps say nothing of it).
    if (newton && size >= 0.5 * previous && size <= 1e-9 * rho) return rho;
    previous = newton ? size : HUGE_VAL;
  }
  return kNaN;
}

// A start for a single phase where the industrial formulation has none (above its 100 MPa, or
// values just beyond its limits): the point of a coarse grid over the range whose values lie
// nearest, each measured on its own scale (along a given isotherm, the first crossing).
bool fromGrid(Q qa, double a, Q qb, double b, Point& x) {
  // Densities by ratio up to 100 kg/m3, by steps of 25 kg/m3 beyond; a given T or (above the
  // critical pressure) p stays as given, the other variable runs over the grid.
  constexpr double kRhoLow = 1e-6, kRhoDense = 100.0;
  constexpr int kSparse = 24, kDense = 48, kTemperatures = 40;
  double best = HUGE_VAL, previousMiss = 0.0;
  const auto consider = [&](double rho, double t) {
    const Point y = at(rho, t);
    const double m = std::fabs(miss(y, qa, a, qb, b));
    if (m < best) {
      best = m;
      x = y;
    }
  };
  if (qa == Q::P && a > f::pressureAndGibbs(f::criticalDensity(), f::criticalTemperature()).p) {
    for (int j = 0; j <= kTemperatures; ++j) {
      const double t = kTmin + (kTmax - kTmin) * j / kTemperatures;
      // Below the critical temperature the isotherm turns back between the phases: the root
      // above the critical pressure is the liquid's, denser than the saturated liquid.
      const double lo = t < f::criticalTemperature() ? f::auxiliaryLiquidDensity(t) : 0.0;
      const double rho = densityBetween(a, t, lo, kRhoMax, kNaN);
      if (std::isfinite(rho)) consider(rho, t);
    }
    return std::isfinite(best);
  }
  for (int i = 0; i <= kSparse + kDense; ++i) {
    const double rho = i <= kSparse ? kRhoLow * std::pow(kRhoDense / kRhoLow, double(i) / kSparse)
                                    : kRhoDense + (kRhoMax - kRhoDense) * (i - kSparse) / kDense;
    if (qa == Q::T) {
      // Along the isotherm from low density: the first crossing is the state of lowest pressure
      // (passing over the saturation dome, whose states are not single phases).
      if (a < f::criticalTemperature() && rho > f::auxiliaryVapourDensity(a) && rho < f::auxiliaryLiquidDensity(a))
        continue;
      const Point y = at(rho, a);
      const double m = miss(qb, y.value(qb), b);
      if (i > 0 && (m > 0.0) != (previousMiss > 0.0)) {
        if (std::fabs(m) < std::fabs(previousMiss)) x = y;
        return true;
      }
      previousMiss = m;
      x = y;
      continue;
    }
    for (int j = 0; j <= kTemperatures; ++j) consider(rho, kTmin + (kTmax - kTmin) * j / kTemperatures);
  }
  return std::isfinite(best);
}

// Whether a single-phase point below the critical temperature is stable: not between the
// saturated densities.
bool stable(const Point& x, Line& line) {
  const double tc = f::criticalTemperature();
  if (x.t >= tc) return true;
  // Clear of the auxiliary equations' saturated densities the answer needs no equilibrium:
  // they lie within 6e-6 (liquid) and 1.5e-4 (vapour) of the formulation's below 400 K, 3e-4
  // below 600 K and 1.7e-3 up to 1 K below the critical point, and these margins double that.
  const double liquidMargin = x.t < 400.0 ? 2e-5 : x.t < 600.0 ? 6e-4 : 3.5e-3;
  const double vapourMargin = x.t < 600.0 ? 6e-4 : 3.5e-3;
  if (x.t < tc - 1.0 && (x.rho > f::auxiliaryLiquidDensity(x.t) * (1.0 + liquidMargin) ||
                         x.rho < f::auxiliaryVapourDensity(x.t) * (1.0 - vapourMargin)))
    return true;
  if (!lineAt(x.t, line)) return false;
  return x.rho >= line.liquid.rho || x.rho <= line.vapour.rho;
}

// Within 1 K of the critical point the saturated densities carry the rounding of the Gibbs
// energies (some 1e-8 of them 0.001 K below it, more between calls started differently): a
// single phase found within that much of them counts as on the line.
bool onLineNearCritical(const Point& x, Line& line) {
  constexpr double kRounding = 1e-6;
  if (!(x.t > f::criticalTemperature() - 1.0) || !lineAt(x.t, line)) return false;
  return x.rho >= line.liquid.rho * (1.0 - kRounding) || x.rho <= line.vapour.rho * (1.0 + kRounding);
}

bool inRange(double p, double t) { return p > 0.0 && p <= kPmax && t >= kTmin && t <= kTmax; }

// A solved state lands within rounding of a range limit it lies on, on either side.
bool solvedInRange(double p, double t) {
  constexpr double kRounding = 1e-8;  // (h, s) at the saturated liquid settles T to some 1e-9
  return p > 0.0 && p <= kPmax * (1.0 + kRounding) && t >= kTmin * (1.0 - kRounding) && t <= kTmax * (1.0 + kRounding);
}

Config withoutChecks(const Config& cfg) {
  Config c = cfg;
  c.checkRange = 0;
  c.transport = false;
  return c;
}

void transport(const Point& x, double& lambda, double& eta, double& nu, double& prandtl) {
  const f::Transport both = f::transport(x.rho, x.t, x.cp, x.cv, x.pr);
  lambda = both.conductivity;
  eta = both.viscosity;
  nu = derived::kinematicViscosity(1.0 / x.rho, eta);
  prandtl = derived::prandtl(x.cp, eta, lambda);
}

// The derivatives of a single phase (v's slopes in (T, p) from p's in (rho, T)), and of wet
// steam from its line.
void differentialsOf(const Point& x, const vlm_state& st, state::Differentials& d) {
  const double v = 1.0 / x.rho;
  state::singlePhaseDifferentials(st, {v, v * v * x.pt / x.pr, -v * v / x.pr}, d);
}
void differentialsOf(const Line& line, const vlm_state& st, state::Differentials& d) {
  const auto phase = [&](const Point& ph, double densitySlope) {
    return state::PhaseOnLine{1.0 / ph.rho,
                              ph.h,
                              ph.s,
                              {Line::along(ph, densitySlope, Q::V), Line::along(ph, densitySlope, Q::H),
                               Line::along(ph, densitySlope, Q::S)}};
  };
  state::wetDifferentials(st, line.dpdt, phase(line.liquid, line.liquidSlope), phase(line.vapour, line.vapourSlope), d);
}

void fillSingle(const Point& x, const Config& cfg, vlm_state& out, state::Differentials* d) {
  int region = 0;
  if (state::regionPT(x.p, x.t, withoutChecks(cfg), region) != kNoError) region = x.t <= 623.15 ? 1 : 3;
  state::fillCaloric(region, x.p, x.t, {1.0 / x.rho, x.u, x.s, x.h, x.cp, x.cv, x.w}, out);
  out.rho = x.rho;  // the density solved, not its rounding through v
  if (d) differentialsOf(x, out, *d);
  if (!cfg.transport) return;
  transport(x, out.lambda, out.eta, out.nu, out.prandtl);
  out.sigma = f::surfaceTension(x.t);
}

void fillWet(const Line& line, double x, const Config& cfg, vlm_state& out, state::Differentials* d) {
  const auto phase = [&](const Point& ph) {
    const double v = 1.0 / ph.rho;
    state::PhaseFields f{v, ph.u, ph.s, ph.h, ph.cp, ph.cv, ph.w, kNaN, kNaN, kNaN, kNaN, 0.0};
    f.kappa = derived::isentropicExponent(ph.w, v, line.p);
    if (cfg.transport) transport(ph, f.lambda, f.eta, f.nu, f.prandtl);
    return f;
  };
  state::fillMixed(line.t, line.p, x, phase(line.liquid), phase(line.vapour),
                   cfg.transport ? f::surfaceTension(line.t) : kNaN, out);
  if (d) differentialsOf(line, out, *d);
}

Code solvePT(double p, double t, const Config& cfg, vlm_state& out, state::Differentials* d) {
  if (cfg.checkRange ? !inRange(p, t) : !(p > 0.0 && t > 0.0)) return kOutOfRange;
  const double tc = f::criticalTemperature();
  const double rc = f::criticalDensity();
  double lo = 0.0, hi = kRhoMax;
  bool near = false;
  if (t < tc) {
    // The phase from the formulation's saturation pressure, found where the industrial
    // formulation's is near (they differ by far less than 1e-3); the other side's bracket
    // from the saturated densities, else from the critical density (the saturated liquid is
    // denser, the vapour lighter).
    const double ps = state::pSat(t);
    bool liquid = p > ps;
    near = std::fabs(p - ps) <= 1e-3 * ps || t > tc - 1.0;
    Line line;
    if (near) {
      if (!lineAt(t, line)) return kNoRoot;
      liquid = p >= line.p;
    }
    (liquid ? lo : hi) = near ? (liquid ? line.liquid.rho : line.vapour.rho) : rc;
  }
  // The industrial formulation's density at (p, T): its volume alone, or region 3's Newton.
  const Config unchecked = withoutChecks(cfg);
  int region = 0;
  double guess = kNaN;
  if (state::regionPT(p, t, unchecked, region) == kNoError) {
    if (region != 3)
      guess = 1.0 / state::specificVolume(region, p, t);
    else if (state::density3(p, t, unchecked, guess) != kNoError)
      guess = kNaN;
  }
  // Newton from the industrial formulation's density, which lies within some 1e-4 of it;
  // its root is the phase's when it lies on the phase's side of the critical density (or
  // of the saturated density) where the pressure rises with density: each phase's branch
  // of the isotherm reaches the given pressure once.  Else a bracketed search on that side,
  // from the auxiliary saturated density.
  double rho = std::isfinite(guess) ? f::density(p, t, guess) : kNaN;
  if (!(rho > lo && rho < hi)) {
    if (!near && t < tc)
      (lo > 0.0 ? lo : hi) = lo > 0.0 ? f::auxiliaryLiquidDensity(t) * 0.99 : f::auxiliaryVapourDensity(t) * 1.01;
    rho = densityBetween(p, t, lo, hi, guess);
  }
  if (!std::isfinite(rho)) return kNoRoot;
  Point x = at(rho, t);
  x.p = p;  // the given pressure, not its rounding back from the density
  fillSingle(x, cfg, out, d);
  return kNoError;
}

Code solveTX(double t, double x, const Config& cfg, vlm_state& out, state::Differentials* d) {
  const bool known = cfg.checkRange ? t >= kTmin && t <= f::criticalTemperature() && x >= 0.0 && x <= 1.0
                                    : t > 0.0 && t <= f::criticalTemperature() && std::isfinite(x);
  if (!known) return kOutOfRange;
  Line line;
  if (!lineAt(t, line)) return kNoRoot;
  fillWet(line, x, cfg, out, d);
  return kNoError;
}

// The quantities of each pair, as vlm_pair numbers them.
struct PairQuantities {
  int pair;
  Q a, b;
};
constexpr PairQuantities kPairs[] = {
    {VLM_PAIR_PH, Q::P, Q::H}, {VLM_PAIR_PS, Q::P, Q::S}, {VLM_PAIR_HS, Q::H, Q::S}, {VLM_PAIR_PX, Q::P, Q::X},
    {VLM_PAIR_PV, Q::P, Q::V}, {VLM_PAIR_TV, Q::T, Q::V}, {VLM_PAIR_TH, Q::T, Q::H}, {VLM_PAIR_TS, Q::T, Q::S},
    {VLM_PAIR_UV, Q::U, Q::V}, {VLM_PAIR_HX, Q::H, Q::X}, {VLM_PAIR_SX, Q::S, Q::X},
};

// (T, v), the formulation's own variables: the state at (1 / v, T) directly, or wet steam
// where that density lies inside the saturation dome.
Code solveTV(double t, double v, const Config& cfg, vlm_state& out, state::Differentials* d) {
  if (!(t > 0.0 && v > 0.0) || (cfg.checkRange && !(t >= kTmin && t <= kTmax))) return kOutOfRange;
  Line line;
  const Point x = at(1.0 / v, t);
  if (stable(x, line)) {
    if (cfg.checkRange && !solvedInRange(x.p, x.t)) return kOutOfRange;
    fillSingle(x, cfg, out, d);
    return kNoError;
  }
  if (!lineAt(t, line)) return kNoRoot;
  const double dryness = (v - 1.0 / line.liquid.rho) / (1.0 / line.vapour.rho - 1.0 / line.liquid.rho);
  fillWet(line, std::clamp(dryness, 0.0, 1.0), cfg, out, d);
  return kNoError;
}

// Every other pair: from the industrial formulation's state of the same values, polished by
// Newton in the phase it found; a single phase that turns out inside the saturation dome
// becomes wet steam, wet steam whose dryness leaves [0, 1] the phase on that side.
Code solveFrom(const PairQuantities& q, double a, double b, const Config& cfg, vlm_state& out,
               state::Differentials* d) {
  if (q.b == Q::X && cfg.checkRange && !(b >= 0.0 && b <= 1.0)) return kOutOfRange;
  if (q.a == Q::T && q.b == Q::V) return solveTV(a, b, cfg, out, d);
  vlm_state start{};
  const Code industrial = state::pairSolve(q.pair)(a, b, withoutChecks(cfg), start);
  Line line;
  Point x{};
  bool single = q.b != Q::X && (industrial != kNoError || start.region != 4);
  if (single) {
    // The industrial formulation's state, else (beyond its range, or where its extrapolation
    // leads Newton astray) the grid's.
    bool found = false;
    if (industrial == kNoError) {
      x = at(start.rho, start.T);
      found = singlePhase(q.a, a, q.b, b, x);
    }
    if (!found) found = fromGrid(q.a, a, q.b, b, x) && singlePhase(q.a, a, q.b, b, x);
    // Not found, or inside the saturation dome: wet steam, if below the critical temperature
    // (from the given T, the industrial formulation's, or the grid's).
    single = found && stable(x, line);
    if (!single) start.T = q.a == Q::T ? a : industrial == kNoError ? start.T : x.t;
    if (!single && !(start.T < f::criticalTemperature())) return industrial != kNoError ? industrial : kNoRoot;
  } else if (industrial != kNoError) {
    return industrial;
  }
  if (!single) {
    double t = start.T, dryness = start.region == 4 ? start.x : 0.5;
    if (q.b == Q::X) dryness = b;
    const double startDryness = dryness;
    if (!wet(q.a, a, q.b, b, t, dryness, line)) {
      // Next to a saturated phase (h, s) can leave Newton on wet steam swinging across x = 0 or
      // 1 (its Jacobian changes sign with x there): the single phase on the start's side.
      if (q.b == Q::X || !lineAt(start.T, line)) return kNoRoot;
      x = startDryness < 0.5 ? line.liquid : line.vapour;
      Line near;
      if (!singlePhase(q.a, a, q.b, b, x) || !stable(x, near)) return kNoRoot;
      if (cfg.checkRange && !solvedInRange(x.p, x.t)) return kOutOfRange;
      fillSingle(x, cfg, out, d);
      return kNoError;
    }
    if (q.b != Q::X && (dryness < 0.0 || dryness > 1.0)) {
      Line near;
      x = dryness < 0.0 ? line.liquid : line.vapour;
      // Next to the critical point both answers lie within rounding of the saturated phase:
      // the single phase, which has the pair's values, is taken.
      single = singlePhase(q.a, a, q.b, b, x) && (stable(x, near) || onLineNearCritical(x, near));
      // A saturated phase solved as wet steam lands within rounding of its dryness.
      const double rounding = line.t > f::criticalTemperature() - 1.0 ? 1e-6 : 1e-9;
      if (!single && dryness >= -rounding && dryness <= 1.0 + rounding) dryness = std::clamp(dryness, 0.0, 1.0);
      if (!single && (dryness < 0.0 || dryness > 1.0)) return kNoRoot;
    }
    if (!single) {
      if (cfg.checkRange && !solvedInRange(line.p, line.t)) return kOutOfRange;
      fillWet(line, dryness, cfg, out, d);
      return kNoError;
    }
  }
  if (cfg.checkRange && !solvedInRange(x.p, x.t)) return kOutOfRange;
  fillSingle(x, cfg, out, d);
  return kNoError;
}

}  // namespace

double gasConstant() { return f::gasConstant(); }

Code solve(int pair, double a, double b, const Config& cfg, vlm_state& out, state::Differentials* d) {
  if (pair == VLM_PAIR_PT) return solvePT(a, b, cfg, out, d);
  if (pair == VLM_PAIR_TX) return solveTX(a, b, cfg, out, d);
  for (const PairQuantities& q : kPairs)
    if (q.pair == pair) return solveFrom(q, a, b, cfg, out, d);
  return kOutOfRange;
}

}  // namespace vlm::state95
