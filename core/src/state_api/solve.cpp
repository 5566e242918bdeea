#include "state_api/solve.hpp"

#include <cmath>

#include "constants.hpp"
#include "properties/backward.hpp"
#include "state_api/fill.hpp"

namespace vlm::state {
namespace {

using namespace constants;
namespace bw = backward;

constexpr int kNewtonCap = 50;  // steps of a polish; a start is within 0.1 K or a few of them
// A step of at most this many kelvin leaves an error of about its square times cp'/(2 cp):
// far below 1e-12 K.
constexpr double kStepDone = 1e-6;
// The backward equations are within 0.03 K of the forward ones: a start this far from a
// boundary tells the region by itself.
constexpr double kClear = 0.1;

// The quantity given beside the pressure, and its derivative in T along the isobar.
enum class Given { H, S };
template <class Set>
double value(const Set& c, Given g) {
  return g == Given::H ? c.h : c.s;
}
template <class Set>
double slope(const Set& c, double t, Given g) {
  return g == Given::H ? c.cp : c.cp / t;
}

// Newton on T along the isobar p in region 1, 2 or 5, from t.
Code polishGibbs(int region, double p, double target, Given g, double& t) {
  for (int k = 0; k < kNewtonCap; ++k) {
    const AlongIsobar c = isobar(region, p, t);
    const double step = (value(c, g) - target) / slope(c, t, g);
    t -= step;
    if (!std::isfinite(t)) return kFloatFault;
    if (std::fabs(step) <= kStepDone) return kNoError;
  }
  return kNoRoot;
}

// Newton on (density, T) in region 3 for the pressure p and the given quantity.
Code polishHelmholtz(double p, double target, Given g, double& r, double& t) {
  NewtonStop stop;
  for (int k = 0; k < kNewtonCap; ++k) {
    const Helmholtz e = helmholtz(r, t);
    const double gr = g == Given::H ? (e.dpdr - t * e.dpdt / r) / r : -e.dpdt / (r * r);
    const double gt = g == Given::H ? e.cv + e.dpdt / r : e.cv / t;
    const double fp = e.p - p, fg = value(e, g) - target;
    const double det = e.dpdr * gt - e.dpdt * gr;
    const double dr = (fp * gt - e.dpdt * fg) / det, dt = (e.dpdr * fg - gr * fp) / det;
    r -= dr;
    t -= dt;
    if (!std::isfinite(r) || !std::isfinite(t)) return kFloatFault;
    if (stop.done(dt, kStepDone, dr, 1e-9 * r)) return kNoError;
  }
  return kNoRoot;
}

// The backward equation's temperature in region 1, 2 or 3.
double start(int region, double p, double target, Given g) {
  const bool h = g == Given::H;
  if (region == 1) return h ? t1PH(p, target) : t1PS(p, target);
  if (region == 2) return h ? bw::t2PH(p, target) : bw::t2PS(p, target);
  return h ? bw::t3PH(p, target) : bw::t3PS(p, target);
}

// The state at p in `region` whose h (or s) is the target, from the backward equations (or
// from t0 where given); `consistent` tells whether its temperature lies in that region.
Code solveIn(int region, double p, double target, Given g, const Config& cfg, vlm_state& out, bool& consistent,
             double t0 = NAN) {
  double t = std::isnan(t0) ? start(region, p, target, g) : t0;
  if (region == 3) {
    const bool h = g == Given::H;
    double r = 1.0 / (h ? bw::v3PH(p, target) : bw::v3PS(p, target));
    if (const Code code = polishHelmholtz(p, target, g, r, t)) return code;
    fillSingle(3, p, t, helmholtz(r, t), cfg, out);
  } else {
    if (region == 5) {  // region 5 has no backward equation: one step from its lower end
      const AlongIsobar c = isobar(5, p, T5);
      t = T5 + (target - value(c, g)) / slope(c, T5, g);
    }
    if (const Code code = polishGibbs(region, p, target, g, t)) return code;
    fillSingle(region, p, t, gibbs(region, p, t), cfg, out);
  }
  int found = 0;
  const Code code = checkSolved(cfg, out, found);
  consistent = code == kNoError && found == region;
  return code;
}

// The single-phase region holding the state of pressure p and the target value, from the
// region's ends along the isobar; and the state itself.  Where two regions' equations
// overlap across a boundary, the solve moves to the neighbour when the temperature found
// belongs to it, so (p, T) -> h -> (p, h) keeps the region of (p, T).
Code solveSingle(double p, double target, Given g, const Config& cfg, vlm_state& out, bool& consistent) {
  int region;
  if (p <= p23Min) {
    region = target <= value(isobar(2, p, T5), g) ? (target < value(isobar(2, p, tSat(p)), g) ? 1 : 2) : 5;
  } else if (target <= value(isobar(1, p, T13), g)) {
    region = 1;
  } else {
    region = target < value(isobar(2, p, t23(p)), g) ? 3 : 2;
  }
  const Code code = solveIn(region, p, target, g, cfg, out, consistent);
  if (consistent || (code != kNoError && code != kOutOfRange)) return code;
  Config decide = cfg;
  decide.checkRange = false;
  int found = region;
  regionPT(p, out.T, decide, found);
  vlm_state other;
  bool otherConsistent = false;
  if (found != region && solveIn(found, p, target, g, cfg, other, otherConsistent) == kNoError && otherConsistent) {
    out = other;
    consistent = true;
    return kNoError;
  }
  return code;
}

// Where the backward equation puts the state clear of every boundary of its region, that
// region's solve alone; true when it gave a consistent state.  (Far outside its region a
// backward equation gives any number, e.g. region 1's a large negative one for steam.)
bool solveClear(double p, double target, Given g, const Config& cfg, vlm_state& out, Code& code) {
  int region = 0;
  double t = NAN;
  if (p <= p23Min) {
    const double ts = tSat(p);
    if (const double t1 = start(1, p, target, g); t1 > Ttriple - 1.0 && t1 < ts - kClear) {
      region = 1;
      t = t1;
    } else if (const double t2 = start(2, p, target, g); t2 > ts + kClear && t2 < T5 - kClear) {
      region = 2;
      t = t2;
    }
  } else if (p >= pCritical) {
    const double tb = t23(p);
    if (const double t3 = start(3, p, target, g); t3 > T13 + kClear && t3 < tb - kClear) {
      region = 3;
      t = t3;
    } else if (const double t2 = start(2, p, target, g); t2 > tb + kClear && t2 < T5 - kClear) {
      region = 2;
      t = t2;
    } else if (const double t1 = start(1, p, target, g); t1 > Ttriple - 1.0 && t1 < T13 - kClear) {
      region = 1;
      t = t1;
    }
  }
  if (region == 0) return false;
  bool consistent = false;
  code = solveIn(region, p, target, g, cfg, out, consistent, t);
  return consistent;
}

Code solvePG(double p, double target, Given g, const Config& cfg, vlm_state& out) {
  Code code = kNoError;
  if (solveClear(p, target, g, cfg, out, code)) return code;
  if (p < pCritical) {
    const double ts = tSat(p);
    Saturation sat;
    if (const Code c = saturation(ts, cfg, sat)) return c;
    const double low = value(sat.liquid, g), high = value(sat.vapour, g);
    if (target >= low && target <= high) {
      // Just above 16.53 MPa the saturated phases come from region 3's equation, which
      // overlaps region 2's by a little: a state region 2 gives there stays its own.
      const double edge = 1e-4 * (high - low);
      if (p > p23Min && (target - low < edge || high - target < edge)) {
        bool consistent = false;
        if (solveSingle(p, target, g, cfg, out, consistent) == kNoError && consistent && out.region != 3)
          return kNoError;
      }
      fillWet(ts, (target - low) / (high - low), sat, out);
      out.p = p;
      return kNoError;
    }
  }
  bool consistent = false;
  return solveSingle(p, target, g, cfg, out, consistent);
}

Code statePG(double p, double target, Given g, const Config& cfg, vlm_state& out) {
  if (cfg.checkRange && !(p >= pMin && p <= pMax && std::isfinite(target))) return kOutOfRange;
  return placedOrOutside(cfg, out, [&](const Config& c, vlm_state& o) { return solvePG(p, target, g, c, o); });
}

}  // namespace

Code statePT(double p, double t, const Config& cfg, vlm_state& out) {
  int region = 0;
  if (const Code code = regionPT(p, t, cfg, region)) return code;
  return statePT(region, p, t, cfg, out);
}

Code statePX(double p, double x, const Config& cfg, vlm_state& out) {
  if (cfg.checkRange && !(p >= pMin && p <= pCritical)) return kOutOfRange;
  const Code code = stateTX(tSat(p), x, cfg, out, false);
  if (code == kNoError) out.p = p;  // the pressure given, not the one its saturation temperature gives back
  return code;
}

Code statePH(double p, double h, const Config& cfg, vlm_state& out) { return statePG(p, h, Given::H, cfg, out); }
Code statePS(double p, double s, const Config& cfg, vlm_state& out) { return statePG(p, s, Given::S, cfg, out); }

}  // namespace vlm::state
