// The state from (h, s), the pair of the Mollier chart: wet steam below the critical point,
// regions 1, 2 and 3.  The boundary lines in the (h, s) plane choose where to start, the
// backward equations give the start, Newton on the forward equations the state; a solve that
// lands outside its region moves to the region it landed in.
#include <cmath>

#include "equations/constants.hpp"
#include "properties/backward.hpp"
#include "solvers/fill.hpp"
#include "solvers/solve.hpp"

namespace vlm::state {
namespace {

using namespace constants;
namespace bw = backward;

constexpr int kNewtonCap = 50;
constexpr double kStepDone = 1e-6;  // K, as for (p, h): the error left is of the step squared

// Entropies where the boundary lines of the (h, s) plane meet, J/(kg K).
constexpr double sLiquid273 = -0.1545495919;  // saturated liquid at 273.15 K
constexpr double sLiquid13 = 3778.28134;      // saturated liquid at 623.15 K
constexpr double sB13Low = 3397.782955;       // the 623.15 K isotherm at 100 MPa
constexpr double sVapour2bc = 5850.0;         // where h''2c3b meets h''2ab
constexpr double sVapour273 = 9155.759395;    // saturated vapour at 273.15 K
constexpr double sB23Low = 5048.096828, sB23High = 5260.578707;
constexpr double hB23Low = 2563592.004, hB23High = 2812942.061;  // J/kg

// The saturation line as a function of s, or infinity where every state is single-phase.
double hSaturation(double s) {
  if (s < sLiquid273) return -HUGE_VAL;
  if (s <= sLiquid13) return bw::hLiquid1(s);
  if (s <= bw::sCritical) return bw::hLiquid3a(s);
  if (s <= sVapour2bc) return bw::hVapour2c3b(s);
  if (s <= sVapour273) return bw::hVapour2ab(s);
  return -HUGE_VAL;
}

int singlePhaseRegion(double h, double s) {
  if (s <= sLiquid13) return s >= sB13Low && h > bw::hB13(s) ? 3 : 1;
  if (s <= sB23Low) return 3;
  if (s <= sB23High && h >= hB23Low && h <= hB23High) return bw::p2HS(h, s) > p23(bw::tB23HS(h, s)) ? 3 : 2;
  return 2;
}

bool sane(double p, double t) { return std::isfinite(p) && std::isfinite(t) && p > 0 && p < 1e9 && t > 100 && t < 1e4; }

// Newton on (p, T) in region 1 or 2.
Code polishGibbs(int region, double h, double s, double& p, double& t) {
  NewtonStop stop;
  for (int k = 0; k < kNewtonCap; ++k) {
    // A start or a step far out of every region (a start from the wrong region's backward
    // equation): no state there, and no evaluation where the equations have no numbers.
    if (!sane(p, t)) return kNoRoot;
    const InPT c = inPT(region, p, t);
    const double fh = c.h - h, fs = c.s - s, a = c.dvdt;
    // Jacobian [[v - T a, cp], [-a, cp / T]], whose determinant is v cp / T.
    const double dp = (fh - t * fs) / c.v;
    const double dt = t * fs / c.cp + a * t * dp / c.cp;
    p -= dp;
    t -= dt;
    // At low pressure a liquid's h and s hardly depend on p: the step in p counts by its
    // effect on h.
    if (stop.done(dt, kStepDone, dp, 1e-12 * c.cp * t / c.v)) return kNoError;
  }
  return kNoRoot;
}

// Newton on (density, T) in region 3.
Code polishHelmholtz(double h, double s, double& r, double& t) {
  NewtonStop stop;
  for (int k = 0; k < kNewtonCap; ++k) {
    if (!sane(1e5 * r, t)) return kNoRoot;  // densities from 0 to 10000 kg/m3
    const Helmholtz e = helmholtz(r, t);
    const double hr = (e.dpdr - t * e.dpdt / r) / r, ht = e.cv + e.dpdt / r;
    const double sr = -e.dpdt / (r * r), st = e.cv / t;
    const double fh = e.h - h, fs = e.s - s;
    const double det = hr * st - ht * sr;
    const double dr = (fh * st - ht * fs) / det, dt = (hr * fs - sr * fh) / det;
    r -= dr;
    t -= dt;
    if (stop.done(dt, kStepDone, dr, 1e-9 * r)) return kNoError;
  }
  return kNoRoot;
}

Code solveIn(int region, double h, double s, const Config& cfg, vlm_state& out) {
  if (region == 3) {
    const double p = bw::p3HS(h, s);
    if (!sane(p, Tcritical)) return kNoRoot;  // (h, s) far from region 3
    double t = bw::t3PH(p, h), r = 1.0 / bw::v3PH(p, h);
    if (const Code code = polishHelmholtz(h, s, r, t)) return code;
    const Helmholtz e = helmholtz(r, t);
    if (!(e.p > 0.9 * p23Min && e.p < 2 * pMax && t > T13 - 1.0 && t < T25 + 1.0)) return kNoRoot;  // not region 3
    // Below the critical pressure the equation also has states inside the saturation dome
    // (metastable and unstable ones): only the density (p, T) itself gives is a state.
    if (e.p < pCritical) {
      double stable = 0;
      if (density3(e.p, t, cfg, stable) != kNoError || std::fabs(stable - r) > 1e-6 * r) return kNoRoot;
    }
    fillSingle(3, e.p, t, e, cfg, out);
    return kNoError;
  }
  double p = region == 1 ? bw::p1HS(h, s) : bw::p2HS(h, s);
  if (!sane(p, Tcritical)) return kNoRoot;  // (h, s) far from the region
  double t = region == 1 ? bw::t1PH(p, h) : bw::t2PH(p, h);
  if (const Code code = polishGibbs(region, h, s, p, t)) return code;
  fillSingle(region, p, t, gibbs(region, p, t), cfg, out);
  return kNoError;
}

// One region's solve: `consistent` tells whether the temperature found lies in the region
// whose equations found it.
Code attempt(int region, double h, double s, const Config& cfg, vlm_state& out, bool& consistent) {
  if (const Code code = solveIn(region, h, s, cfg, out)) return code;
  // A state solved at one of its region's isotherm limits lands within rounding of it, on
  // either side: on the far side it is moved onto the limit (and recomputed there).
  if (region == 1 || region == 2) {
    for (double limit : {T13, T5}) {
      if (out.T != limit && std::fabs(out.T - limit) <= 1e-9 * limit) {
        fillSingle(region, out.p, limit, gibbs(region, out.p, limit), cfg, out);
        int at = 0;
        if (regionPT(out.p, limit, cfg, at) != kNoError || at != region) return kNoRoot;
      }
    }
  }
  int found = region;
  const Code code = checkSolved(cfg, out, found);
  if (code == kOutOfRange) {
    Config decide = cfg;
    decide.checkRange = false;
    regionPT(out.p, out.T, decide, found);
  }
  consistent = found == region;
  if (code) return code;
  return out.region == 5 ? kOutOfRange : kNoError;  // no (h, s) equations for region 5
}

// The region the boundary lines give first, then the one its solve landed in, then the
// third: next to a boundary the lines place a little off, and where two regions' equations
// overlap, the first consistent state found.  None consistent: no single-phase state (the
// caller tries wet steam).
Code solveSingle(double h, double s, const Config& cfg, vlm_state& out) {
  int order[3] = {singlePhaseRegion(h, s), 0, 0};
  Code first = kNoRoot;
  for (int k = 0; k < 3; ++k) {
    vlm_state candidate;
    bool consistent = false;
    const Code code = attempt(order[k], h, s, cfg, candidate, consistent);
    if (code == kNoError && consistent) {
      out = candidate;
      return kNoError;
    }
    if (k == 0) {
      if (code != kNoError) first = code;
      Config decide = cfg;
      decide.checkRange = false;
      int found = 0;
      const bool landed = (code == kNoError || code == kOutOfRange) &&
                          regionPT(candidate.p, candidate.T, decide, found) == kNoError && found != order[0] &&
                          found != 5;
      order[1] = landed ? found : order[0] == 3 ? (candidate.T < T13 + 1.0 ? 1 : 2) : 3;
      order[2] = 6 - order[0] - order[1];
    }
  }
  return first;
}

// Wet steam: the saturation temperature at which (h, s) lies on the line between the
// saturated phases.  Where x taken from s lies in [0, 1], f(T) = h - h_mix(T) falls with T:
// along a line of constant s, dh = v dp, and dp/dT on saturation is (s'' - s') / (v'' - v').
// Newton from the backward equation's start, kept inside the bracket it narrows, bisecting
// where a step would leave it.
Code solveWet(double h, double s, const Config& cfg, vlm_state& out) {
  double lo = tSat(pMin), hi = Tcritical - 1e-6;  // the saturation line from 273.15 K
  double t = std::fmin(std::fmax(bw::tSatHS(h, s), lo), hi);
  Saturation sat;
  for (int k = 0;; ++k) {
    if (k == 2 * kNewtonCap) return kNoRoot;
    if (const Code code = saturationWithoutSlopes(t, cfg, sat)) return code;
    const CaloricSet &liquid = sat.liquid, &vapour = sat.vapour;
    if (!(vapour.s > liquid.s)) {  // the phases have met: the root lies at a lower temperature
      hi = t;
      t = 0.5 * (lo + hi);
      continue;
    }
    const double x = (s - liquid.s) / (vapour.s - liquid.s);
    const double f = h - (liquid.h + x * (vapour.h - liquid.h));
    const double vMix = liquid.v + x * (vapour.v - liquid.v);
    // s' rises and s'' falls with T: an x outside [0, 1] alone tells the side of the root.
    (x < 0 ? hi : x > 1 ? lo : f > 0 ? lo : hi) = t;
    double next = t + f / (vMix * (vapour.s - liquid.s) / (vapour.v - liquid.v));
    if (!(x >= 0 && x <= 1 && next > lo && next < hi)) next = 0.5 * (lo + hi);
    const bool done = std::fabs(next - t) <= kStepDone || hi - lo <= kStepDone;
    t = next;
    if (done) break;
  }
  if (const Code code = saturation(t, cfg, sat)) return code;
  const CaloricSet &liquid = sat.liquid, &vapour = sat.vapour;
  if (!(vapour.s > liquid.s)) return kOutOfRange;
  // Outside the dome the bracket closes on the dome's edge without a root there: x from h
  // and x from s then disagree.
  const double x = (h - liquid.h) / (vapour.h - liquid.h), xs = (s - liquid.s) / (vapour.s - liquid.s);
  if (!(x >= 0.0 && x <= 1.0 && std::fabs(x - xs) <= 1e-9)) return kOutOfRange;
  fillWet(t, x, sat, cfg, out);
  return kNoError;
}

}  // namespace

namespace {

Code solveHS(double h, double s, const Config& cfg, vlm_state& out) {
  // The saturation line's equations in s are a few J/kg off.  Within that band a
  // single-phase state on its own side of the line comes first (a liquid a microkelvin
  // below saturation and wet steam of x = 1e-11 have the same h and s to 1e-10); elsewhere
  // the side the line gives; where that fails, the other kind.
  const double line = hSaturation(s);
  if (h < line - 20.0) {
    if (solveWet(h, s, cfg, out) == kNoError) return kNoError;
    return solveSingle(h, s, cfg, out);
  }
  const Code single = solveSingle(h, s, cfg, out);
  if (single == kNoError) return kNoError;
  return solveWet(h, s, cfg, out) == kNoError ? kNoError : single;
}

}  // namespace

// Along the isentrope s the enthalpy rises with the pressure (dh = v dp): a bracketed
// Newton search in ln p over the range, each pressure's state from (p, s).  It takes every
// state of the range, the lines, region 5 and wet steam up to x = 1 included, where the
// boundary lines of the (h, s) plane place a state on the wrong side.
Code solveOnIsentrope(double h, double s, const Config& cfg, vlm_state& out, double p0, bool placedByH) {
  const auto tolerance = [](double value) { return 1e-9 * std::fmax(std::fabs(value), 1000.0); };
  double lo = std::log(pMin), hi = std::log(pMax);
  double x = std::isgreater(p0, pMin) && std::isless(p0, pMax) ? std::log(p0) : 0.5 * (lo + hi);
  // The closest state met: where two equations meet with a step between them h jumps, and
  // the search closes on the jump from both sides.
  vlm_state best{};
  double bestMiss = HUGE_VAL;
  for (int k = 0; k < 200 && hi - lo > 1e-15; ++k) {
    const double p = std::fmin(std::fmax(std::exp(x), pMin), pMax);
    int side = 0;
    vlm_state st{};
    const Code code = solveOnIsobar(p, s, Given::S, cfg, st, side);
    double next = NAN;
    if (side != 0) {
      (side < 0 ? lo : hi) = x;  // s below every state of the isobar: a higher pressure
    } else if (code != kNoError) {
      return code;
    } else if (std::fabs(st.s - s) > 1e-12 * std::fmax(std::fabs(s), 1000.0)) {
      // Placed on the end of an equation's stretch, short of s.  Where two equations meet
      // with a step between them the isentrope passes at a lower pressure if short from
      // below, at a higher one if from above; within a pascal of the critical point, where
      // the liquid's density jumps between roots of the near-critical equation, h tells.
      if (placedByH) {
        (st.h < h ? lo : hi) = x;
      } else {
        (st.s < s ? hi : lo) = x;
      }
    } else {
      const double f = st.h - h;
      if (std::fabs(f) < bestMiss) {
        bestMiss = std::fabs(f);
        best = st;
      }
      if (f == 0) break;
      (f < 0 ? lo : hi) = x;
      next = x - f / (st.v * p);
    }
    const bool newton = std::isfinite(next) && next >= lo && next <= hi;
    if (!newton) next = 0.5 * (lo + hi);
    const double step = next - x;
    x = next;
    if (newton && std::fabs(step) <= 1e-14 && bestMiss <= tolerance(h)) break;
  }
  if (!(bestMiss <= tolerance(h)) || std::fabs(best.s - s) > tolerance(s)) return kOutOfRange;
  out = best;
  return kNoError;
}

Code solveHSWithFallbacks(double h, double s, const Config& cfg, vlm_state& out) {
  // The boundary lines' answer where it gives h and s back; else the search along the
  // isentrope, and at the range's lowest pressure, where the isentrope can leave the range
  // and come back (wet steam at 273.15 K).
  vlm_state fast{};
  const Code code = solveHS(h, s, cfg, fast);
  const auto givesBack = [&](const vlm_state& st) {
    return std::fabs(st.h - h) <= 1e-9 * std::fmax(std::fabs(h), 1000.0) &&
           std::fabs(st.s - s) <= 1e-9 * std::fmax(std::fabs(s), 1000.0);
  };
  if (code == kNoError && givesBack(fast)) {
    out = fast;
    return kNoError;
  }
  if (code == kNoRoot && !cfg.checkRange) return code;
  const double p0 = code == kNoError ? fast.p : NAN;
  if (solveOnIsentrope(h, s, cfg, out, p0, false) == kNoError) return kNoError;
  if (solveOnIsentrope(h, s, cfg, out, p0, true) == kNoError) return kNoError;
  int side = 0;
  if (solveOnIsobar(pMin, s, Given::S, cfg, fast, side) == kNoError && givesBack(fast)) {
    out = fast;
    return kNoError;
  }
  return code == kNoError ? kOutOfRange : code;
}

Code stateHS(double h, double s, const Config& cfg, vlm_state& out) {
  if (!std::isfinite(h) || !std::isfinite(s)) return cfg.checkRange ? kOutOfRange : kFloatFault;
  return placedOrOutside(cfg, out, [&](const Config& c, vlm_state& o) { return solveHSWithFallbacks(h, s, c, o); });
}

}  // namespace vlm::state
