#include <cmath>

#include "equations/constants.hpp"
#include "properties/backward.hpp"
#include "properties/limits.hpp"
#include "solvers/fill.hpp"
#include "solvers/solve.hpp"

namespace vlm::state {
namespace {

using namespace constants;
namespace bw = backward;

constexpr int kNewtonCap = 100;  // steps of a bracketed polish, bisections included
// A step of at most this many kelvin leaves an error of about its square times cp'/(2 cp):
// far below 1e-12 K.
constexpr double kStepDone = 1e-6;
// The backward equations are within 0.03 K of the forward ones: a start this far inside a
// stretch, and a state found this far inside, belong to it alone.
constexpr double kClear = 0.1;

template <class Set>
double value(const Set& c, Given g) {
  return g == Given::H ? c.h : c.s;
}
template <class Set>
double slope(const Set& c, double t, Given g) {
  return g == Given::H ? c.cp : c.cp / t;
}

// One end of a stretch of the isobar: its temperature, the given quantity there and, in
// region 3, the density.
struct End {
  double t, g, rho;
};

// A stretch of the isobar that one equation covers: region 1, 2, 3 or 5 between two
// temperatures, or wet steam (region 4) at the saturation temperature.
struct Stretch {
  int region;
  End lo, hi;
};

// The isobar's stretches in order of temperature, each end evaluated with the equation of
// its own stretch: where two equations meet their values differ by a little, and a target
// between them is placed on the nearer end.
class Isobar {
 public:
  Isobar(double p, Given g, const Config& cfg)
      : p_(p), g_(g), cfg_(cfg), tLow_(cfg.checkRange ? Ttriple : 250.0), tHigh_(cfg.checkRange ? Tmax : 5000.0) {
    if (p < pCritical) ts_ = tSat(p);
    if (p <= p23Min) {
      add(1, tLow_, ts_);
      addWet();
      add(2, ts_, T5);
      if (p <= p5Max || !cfg.checkRange) add(5, T5, tHigh_);
    } else {
      add(1, tLow_, T13);
      if (p < pCritical) {
        add(3, T13, ts_);
        addWet();
        add(3, ts_, t23(p));
      } else {
        add(3, T13, t23(p));
      }
      add(2, t23(p), cfg.checkRange ? T5 : tHigh_);
    }
  }

  // Where the backward equation of region 1, 2 or (above the critical pressure) 3 puts the
  // state clear inside that region's stretch, and Newton from there stays clear inside it,
  // the state without evaluating any stretch's ends: true when it gave one.
  bool quick(double target, vlm_state& out) {
    for (int k = 0; k < count_; ++k) {
      const Stretch& st = stretch_[k];
      if (st.region == 4 || st.region == 5 || (st.region == 3 && p_ < pCritical)) continue;
      const double t0 = backwardT(st.region, target);
      if (!(std::isgreater(t0, st.lo.t + kClear) && std::isless(t0, st.hi.t - kClear))) continue;
      double t = t0;
      if (st.region == 3) {
        double r = 1.0 / (g_ == Given::H ? bw::v3PH(p_, target) : bw::v3PS(p_, target));
        if (!newton3(st, target, r, t, 0.0, HUGE_VAL) || !clearInside(st, t)) return false;
        fillSingle(3, p_, t, helmholtz(r, t), cfg_, out);
        return true;
      }
      for (int n = 0;; ++n) {
        if (n == 20 || !clearInside(st, t)) return false;
        const AlongIsobar c = along(st.region, t);
        const double step = (value(c, g_) - target) / slope(c, t, g_);
        t -= step;
        if (std::fabs(step) <= kStepDone) break;
      }
      if (!clearInside(st, t)) return false;
      fillSingle(st.region, p_, t, gibbs(st.region, p_, t), cfg_, out);
      return true;
    }
    return false;
  }

  // The state whose quantity is `target`; side -1 or 1 when it lies below or above every
  // state of the isobar (code 2).
  Code solve(double target, vlm_state& out, int& side) {
    side = 0;
    if (count_ == 0) return kOutOfRange;
    // On the saturation line itself, or between its phases: wet steam, whatever a
    // neighbouring equation's end says of the same value.
    for (int k = 0; k < count_; ++k) {
      const Stretch& wet = stretch_[k];
      if (wet.region != 4) continue;
      if (const Code code = evaluate(k)) return code;
      if (target >= wet.lo.g && target <= wet.hi.g) return within(wet, target, out);
    }
    if (const Code code = evaluate(0)) return code;
    const double band = 1e-12 * std::fmax(std::fabs(target), 1.0);
    if (target < stretch_[0].lo.g - band) {
      side = -1;
      return kOutOfRange;
    }
    for (int k = 0; k < count_; ++k) {
      if (k > 0) {
        if (const Code code = evaluate(k)) return code;
      }
      Stretch& here = stretch_[k];
      if (target > here.hi.g) continue;
      if (target < here.lo.g && k > 0) {  // between two equations' ends: the nearer one
        const Stretch& before = stretch_[k - 1];
        if (target - before.hi.g < here.lo.g - target) return at(before, before.hi, out);
        return at(here, here.lo, out);
      }
      return within(here, target, out);
    }
    const Stretch& last = stretch_[count_ - 1];
    if (target <= last.hi.g + band) return at(last, last.hi, out);
    side = 1;
    return kOutOfRange;
  }

 private:
  void add(int region, double lo, double hi) {
    lo = std::fmax(lo, tLow_);
    hi = std::fmin(hi, tHigh_);
    if (!(lo < hi)) return;
    stretch_[count_++] = {region, {lo, NAN, NAN}, {hi, NAN, NAN}};
  }
  void addWet() { stretch_[count_++] = {4, {ts_, NAN, NAN}, {ts_, NAN, NAN}}; }

  // The saturated phases, once.
  Code saturated() {
    if (!haveSat_) {
      satCode_ = saturation(ts_, cfg_, sat_);
      haveSat_ = true;
    }
    return satCode_;
  }

  // The ends of stretch k: a region 3 end next to wet steam is that saturated phase.
  Code evaluate(int k) {
    Stretch& st = stretch_[k];
    if (st.region == 4) {
      if (!std::isnan(st.lo.g)) return kNoError;
      if (const Code code = saturated()) return code;
      st.lo = {ts_, value(sat_.liquid, g_), 1.0 / sat_.liquid.v};
      st.hi = {ts_, value(sat_.vapour, g_), 1.0 / sat_.vapour.v};
      return kNoError;
    }
    for (End* end : {&st.lo, &st.hi}) {
      if (!std::isnan(end->g)) continue;
      if (st.region != 3) {
        end->g = value(along(st.region, end->t), g_);
        continue;
      }
      const bool nextToWet = end->t == ts_;
      if (nextToWet) {
        if (const Code code = saturated()) return code;
        const CaloricSet& phase = end == &st.lo ? sat_.vapour : sat_.liquid;
        end->g = value(phase, g_);
        end->rho = 1.0 / phase.v;
        continue;
      }
      // From the neighbouring equation's density, which is within a few tenths of a percent.
      const double r0 = 1.0 / gibbs(end->t <= T13 ? 1 : 2, p_, end->t).v;
      double r = 0;
      if (const Code code = density3(p_, end->t, cfg_, r0, r)) return code;
      end->rho = r;
      end->g = value(helmholtz(r, end->t), g_);
    }
    return kNoError;
  }

  // The state at one end of a stretch.
  Code at(const Stretch& st, const End& end, vlm_state& out) {
    if (st.region == 4) {
      fillWet(ts_, &end == &st.lo ? 0.0 : 1.0, sat_, cfg_, out);
      out.p = p_;
      return kNoError;
    }
    if (st.region == 3) {
      fillSingle(3, p_, end.t, helmholtz(end.rho, end.t), cfg_, out);
    } else {
      fillSingle(st.region, p_, end.t, gibbs(st.region, p_, end.t), cfg_, out);
    }
    return kNoError;
  }

  Code within(const Stretch& st, double target, vlm_state& out) {
    // A target within rounding of an end is that end's state (next to the critical point no
    // search along the flat isotherms would place it as well).
    const double band = 1e-13 * std::fabs(target);
    if (st.region != 4) {
      if (target - st.lo.g <= band) return at(st, st.lo, out);
      if (st.hi.g - target <= band) return at(st, st.hi, out);
    }
    if (st.region == 4) {
      const double x = st.hi.g > st.lo.g ? (target - st.lo.g) / (st.hi.g - st.lo.g) : 0.0;
      fillWet(ts_, std::fmin(std::fmax(x, 0.0), 1.0), sat_, cfg_, out);
      out.p = p_;
      return kNoError;
    }
    if (st.region == 3) return within3(st, target, out);
    double lo = st.lo.t, hi = st.hi.t;
    double t = start(st, target);
    for (int k = 0; k < kNewtonCap; ++k) {
      const AlongIsobar c = along(st.region, t);
      const double f = value(c, g_) - target;
      if (f == 0) break;
      (f < 0 ? lo : hi) = t;
      double next = t - f / slope(c, t, g_);
      // Newton where it stays inside the bracket (a root at its very end included), else
      // bisection, which stops only on a bracket of a few ulp.
      const bool newton = std::isfinite(next) && next >= lo && next <= hi;
      if (!newton) next = 0.5 * (lo + hi);
      const bool done = newton ? std::fabs(next - t) <= kStepDone : hi - lo <= 1e-14 * hi;
      t = next;
      if (done) break;
    }
    fillSingle(st.region, p_, t, gibbs(st.region, p_, t), cfg_, out);
    return kNoError;
  }

  static bool clearInside(const Stretch& st, double t) {
    return std::isfinite(t) && t > st.lo.t + kClear && t < st.hi.t - kClear;
  }

  // What a step along the isobar needs of region 1, 2 or 5 at t: s only where s is given.
  AlongIsobar along(int region, double t) const {
    return g_ == Given::H ? enthalpyAlongIsobar(region, p_, t) : isobar(region, p_, t);
  }

  // The backward equation's temperature of region 1, 2 or 3 (NaN for 5).
  double backwardT(int region, double target) const {
    const bool h = g_ == Given::H;
    if (region == 1) return h ? bw::t1PH(p_, target) : bw::t1PS(p_, target);
    if (region == 2) return h ? bw::t2PH(p_, target) : bw::t2PS(p_, target);
    if (region == 3) return h ? bw::t3PH(p_, target) : bw::t3PS(p_, target);
    return NAN;
  }

  // A start inside the stretch: the backward equation's temperature where it falls inside,
  // else the linear interpolation between the ends.
  double start(const Stretch& st, double target) const {
    const double t = backwardT(st.region, target);
    if (std::isgreater(t, st.lo.t) && std::isless(t, st.hi.t)) return t;
    const double span = st.hi.g - st.lo.g;
    const double f = span > 0 ? (target - st.lo.g) / span : 0.5;
    return st.lo.t + std::fmin(std::fmax(f, 0.0), 1.0) * (st.hi.t - st.lo.t);
  }

  // Region 3: Newton on (density, T) from a start inside the stretch; where it does not stay
  // inside, a bracketed search along the isobar with the density solved at each temperature.
  Code within3(const Stretch& st, double target, vlm_state& out) {
    double t = start(st, target);
    // The backward equation's density where it lies between the ends' densities, else
    // the interpolation between them.
    const double f = (t - st.lo.t) / (st.hi.t - st.lo.t);
    double r = 1.0 / (g_ == Given::H ? bw::v3PH(p_, target) : bw::v3PS(p_, target));
    if (!(std::isgreater(r, std::fmin(st.lo.rho, st.hi.rho)) && std::isless(r, std::fmax(st.lo.rho, st.hi.rho))))
      r = st.lo.rho + f * (st.hi.rho - st.lo.rho);
    if (newton3(st, target, r, t, std::fmin(st.lo.rho, st.hi.rho), std::fmax(st.lo.rho, st.hi.rho))) {
      fillSingle(3, p_, t, helmholtz(r, t), cfg_, out);
      return kNoError;
    }
    // Next to the critical point the density to the last bit, on the stretch's side of
    // the loop; elsewhere the density solver from the density of the nearer end.
    const bool liquid = st.lo.rho + st.hi.rho > 2 * 322.0;
    const bool nearCritical = std::fabs(p_ - pCritical) < 0.1 * MPa;
    double lo = st.lo.t, hi = st.hi.t, rLo = st.lo.rho, rHi = st.hi.rho;
    for (int k = 0; k < kNewtonCap && hi - lo > 1e-14 * hi; ++k) {
      t = 0.5 * (lo + hi);
      if (nearCritical) {
        r = densityOnBranch(p_, t, liquid);
      } else if (const Code code = density3(p_, t, cfg_, 0.5 * (rLo + rHi), r)) {
        return code;
      }
      (value(helmholtz(r, t), g_) < target ? lo : hi) = t;
      (t == lo ? rLo : rHi) = r;
    }
    fillSingle(3, p_, t, helmholtz(r, t), cfg_, out);
    return kNoError;
  }

  // Newton on (density, T) while it stays inside the stretch and between the densities.
  bool newton3(const Stretch& st, double target, double& r, double& t, double rMin, double rMax) const {
    NewtonStop stop;
    for (int k = 0; k < 50; ++k) {
      if (!(std::isfinite(r) && r > 0 && r < 1500)) return false;  // a start far from region 3
      const Helmholtz e = helmholtz(r, t);
      const double gr = g_ == Given::H ? (e.dpdr - t * e.dpdt / r) / r : -e.dpdt / (r * r);
      const double gt = g_ == Given::H ? e.cv + e.dpdt / r : e.cv / t;
      const double fp = e.p - p_, fg = value(e, g_) - target;
      const double det = e.dpdr * gt - e.dpdt * gr;
      const double dr = (fp * gt - e.dpdt * fg) / det, dt = (e.dpdr * fg - gr * fp) / det;
      r -= dr;
      t -= dt;
      // Outside the stretch (a metastable state or a wild step): the bracketed search.
      if (!std::isfinite(r) || !std::isfinite(t)) return false;
      if (!(t >= st.lo.t && t <= st.hi.t && r >= rMin * (1 - 1e-9) && r <= rMax * (1 + 1e-9))) return false;
      if (stop.done(dt, kStepDone, dr, 1e-9 * r)) return true;
    }
    return false;
  }

  double p_;
  Given g_;
  const Config& cfg_;
  double tLow_, tHigh_;  // the range's temperatures, or a wider stretch where it is not checked
  double ts_ = NAN;
  bool haveSat_ = false;
  Code satCode_ = kNoError;
  Saturation sat_{};
  Stretch stretch_[6];
  int count_ = 0;
};

}  // namespace

Code solveOnIsobar(double p, double target, Given g, const Config& cfg, vlm_state& out, int& side) {
  side = 0;
  if (cfg.checkRange && (limits::brokenPressure(p) || !std::isfinite(target))) return kOutOfRange;
  if (!(p > 0) || !std::isfinite(p) || !std::isfinite(target)) return kFloatFault;
  Isobar isobar(p, g, cfg);
  if (isobar.quick(target, out)) return kNoError;
  return isobar.solve(target, out, side);
}

Code statePT(double p, double t, const Config& cfg, vlm_state& out) {
  int region = 0;
  if (const Code code = regionPT(p, t, cfg, region)) return code;
  return statePT(region, p, t, cfg, out);
}

bool isobarLimit(double p, double target, Given g, const Config& cfg, limits::Limit& limit) {
  vlm_state end;
  int side = 0;
  if (solveOnIsobar(p, target, g, cfg, end, side) != kOutOfRange || side == 0) return false;
  // The coldest state of the isobar, or its hottest: above 10 MPa region 5 is not offered.
  const double t = side < 0 ? Ttriple : (p > p5Max ? T5 : Tmax);
  if (statePT(p, t, cfg, end) != kNoError) return false;
  limit = g == Given::H ? limits::Limit{"h", end.h, side > 0, "kJ/kg", 1e3, " on this isobar"}
                        : limits::Limit{"s", end.s, side > 0, "kJ/(kg K)", 1e3, " on this isobar"};
  return true;
}

Code statePX(double p, double x, const Config& cfg, vlm_state& out) {
  // Up to the saturation pressure the line itself gives at the critical temperature, which
  // the state of (T_c, x) carries: a few ulp above the rounded constant.
  static const double pTop = std::fmax(pCritical, pSat(Tcritical));
  if (cfg.checkRange && limits::brokenSaturationPressure(p, pTop)) return kOutOfRange;
  const Code code = stateTX(tSat(p), x, cfg, out, false);
  if (code == kNoError) out.p = p;  // the pressure given, not the one its saturation temperature gives back
  return code;
}

Code statePH(double p, double h, const Config& cfg, vlm_state& out) {
  int side = 0;
  return solveOnIsobar(p, h, Given::H, cfg, out, side);
}
Code statePS(double p, double s, const Config& cfg, vlm_state& out) {
  int side = 0;
  return solveOnIsobar(p, s, Given::S, cfg, out, side);
}

}  // namespace vlm::state
