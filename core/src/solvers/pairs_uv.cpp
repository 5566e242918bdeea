// The state from the internal energy and the specific volume, the pair of a flow solver's
// conservation equations: along the isochore u rises with T in every phase (its slope is cv,
// or wet steam's along the line), so a search in T over the temperatures at which some state
// of the ranges has that volume, each step the state of (T, v).
#include <cmath>
#include <initializer_list>

#include "equations/constants.hpp"
#include "solvers/fill.hpp"
#include "solvers/further.hpp"
#include "solvers/line_search.hpp"
#include "solvers/physics.hpp"
#include "solvers/real_gas.hpp"
#include "solvers/solve.hpp"

namespace vlm::state {
namespace {

using namespace constants;

struct Span {
  double lo, hi;
};

// The temperature of the isobar p's state of volume v (the warmer where two), or NaN where it
// has none.
double onIsobar(double p, double v, const Config& cfg) {
  vlm_state st;
  return statePV(p, v, cfg, st) == kNoError ? st.T : NAN;
}

// Where some state of the ranges has the volume v: below T5 between the lowest pressure's
// state (the gas expands as T rises) and the highest's, 100 MPa; above T5 the same up to
// 10 MPa.  Each bound falls back to the range's end where every temperature meets it.
int spans(double v, const Config& cfg, Span out[4]) {
  int n = 0;
  double lowest = onIsobar(pMin, v, cfg);
  if (std::isnan(lowest)) lowest = Ttriple;  // denser than every state at the lowest pressure
  vlm_state edge;
  // Below T5, bounded by 100 MPa.
  double top = onIsobar(pMax, v, cfg);
  if (std::isnan(top) && statePT(pMax, T5, cfg, edge) == kNoError && v > edge.v) top = T5;
  // Denser than the densest state by a rounding: that state.
  if (std::isnan(top) && statePT(pMax, Ttriple, cfg, edge) == kNoError && v >= edge.v * (1 - 1e-12)) top = Ttriple;
  if (!std::isnan(top) && lowest <= top) {
    // Split where region 1 (up to T13) and region 2 (above T25) meet region 3: their values
    // differ by a little there, and a u between them belongs to the end nearer it.
    double lo = std::fmax(lowest, Ttriple);
    const double hi = std::fmin(top, T5);
    for (const double cut : {T13, T25}) {
      if (lo < cut && cut < hi) {
        out[n++] = {lo, cut};
        lo = std::nextafter(cut, hi);
      }
    }
    out[n++] = {lo, hi};
  }
  // Above T5, bounded by 10 MPa.
  double top5 = onIsobar(p5Max, v, cfg);
  if (!std::isgreater(top5, T5)) top5 = statePT(p5Max, Tmax, cfg, edge) == kNoError && v > edge.v ? Tmax : NAN;
  const double low5 = std::fmax(lowest, std::nextafter(T5, Tmax));
  if (!std::isnan(top5) && low5 <= top5) out[n++] = {low5, top5};
  return n;
}

// The liquid or steam state of (u, v) by Newton in (p, T) on region 1's or 2's equation, from
// a start such states resemble (u about linear in T, steam about a real gas): most states
// at a few evaluations instead of a search in T whose every step is a search in p.  It stands
// only inside the range and its region, clear of the saturation line by rounding and of
// region 3 by 1 %, where no other state can share the values; anything else is left to the
// search.  Newton
// runs a number of steps in all: asked again for more, it goes on where it stopped.
class NewtonUV {
 public:
  NewtonUV(int region, double u, double v) : region_(region), u_(u), v_(v) {}

  bool run(int steps, const Config& cfg, vlm_state& out) {
    if (taken_ == 0) start();
    for (; taken_ < steps && !converged_ && !failed_; ++taken_) step();
    if (!converged_ || failed_) return false;
    if (!checked_) {
      checked_ = true;
      accepted_ = accept(cfg);
    }
    return accepted_ && statePT(region_, p_, t_, cfg, out) == kNoError;
  }

 private:
  // A liquid from u about linear in T; steam from T where the ideal-gas part's u less the
  // real gas's attraction / v is u (a few Newton steps on the ideal-gas part), then p from van
  // der Waals' equation.
  void start() {
    if (region_ == 1) {
      t_ = std::fmin(std::fmax(Ttriple + u_ / 4180.0, Ttriple), T13);
      p_ = 10e6;
      return;
    }
    double t = Ttriple + (u_ - 2.375e6) / 1450.0;
    for (int k = 0; k < 4; ++k) {
      t = std::fmin(std::fmax(t, Ttriple), T25);
      const ValueAndSlope u0 = region2::idealGasEnergy(t), a = real_gas::attraction(t);
      const double next = t - (u0.value - a.value / v_ - u_) / (u0.slope - a.slope / v_);
      if (!std::isfinite(next)) break;
      t = next;
    }
    t_ = std::fmin(std::fmax(t, Ttriple), T25);
    const double vdw = real_gas::pressure(t_, v_);
    p_ = std::fmin(std::isnan(vdw) ? R * t_ / v_ : vdw, pMax);
  }

  void step() {
    double& p = p_;
    double& t = t_;
    const InPTWithSlopes a = inPTWithSlopes(region_, p, t);
    const VolumeSlopes& sl = a.volume;
    const double fu = a.h - p * sl.v - u_, fv = sl.v - v_;
    // du = (cp - p dv/dT) dT - (T dv/dT + p dv/dp) dp at constant composition.
    const double uT = a.cp - p * sl.dvdt, uP = -t * sl.dvdt - p * sl.dvdp;
    const double det = uT * sl.dvdp - uP * sl.dvdt;
    const double dt = (fu * sl.dvdp - uP * fv) / det, dp = (uT * fv - fu * sl.dvdt) / det;
    if (!std::isfinite(dt) || !std::isfinite(dp)) {
      failed_ = true;
      return;
    }
    double scale = 1.0;
    while (!(p - scale * dp > 0.0 && t - scale * dt > 200.0 && t - scale * dt < 2500.0)) {
      scale *= 0.5;
      if (scale < 1e-6) {
        failed_ = true;
        return;
      }
    }
    t -= scale * dt;
    p -= scale * dp;
    // Done, or at the rounding: a liquid's p moves some 1e-13 of itself with the last bit of v.
    const double size = std::fmax(std::fabs(dt) / t, std::fabs(dp) / p);
    converged_ = scale == 1.0 && line::newtonDone(size, previous_);
    previous_ = scale == 1.0 ? size : HUGE_VAL;
  }

  // Whether the state Newton converged to is one to hand out.
  bool accept(const Config& cfg) const {
    const double p = p_, t = t_;
    // Inside the range (a state just beyond an end by rounding is the search's to place).
    if (!(p >= pMin && p <= pMax && t >= Ttriple + 0.1)) return false;
    // Clear of the saturation line by rounding: up to 623.15 K the saturated phases are
    // regions 1's and 2's own states, so u and v run on into wet steam without a step.  Clear
    // of region 3 by 1 % of the pressure (the equations differ a little where they meet), and
    // of region 5.
    constexpr double line = 1e-6, b23 = 1e-2;
    if (region_ == 1 && !(t <= T13 - 0.1 && p >= pSat(t) * (1.0 + line))) return false;
    if (region_ == 2 && !(t <= T25 ? p <= (t <= T13 ? pSat(t) * (1.0 - line) : p23(t) * (1.0 - b23)) : t <= T5 - 0.1))
      return false;
    int placed = 0;
    return regionPT(p, t, cfg, placed) == kNoError && placed == region_;
  }

  int region_;
  double u_, v_, p_ = 0, t_ = 0;
  double previous_ = HUGE_VAL;
  int taken_ = 0;
  bool converged_ = false, failed_ = false, checked_ = false, accepted_ = false;
};

}  // namespace

Code stateUV(double u, double v, const Config& cfg, vlm_state& out) {
  if (!std::isfinite(u) || !std::isfinite(v) || !(v > 0)) return kOutOfRange;
  // Steam first where the volume is a gas's, else liquid first.
  const bool gas = v > 0.0031;
  // Most single phases converge within 10 steps, the phase of their volume first; then wet
  // steam, the other phase, region 3, and Newton given the rest of its 40 steps.
  NewtonUV first(gas ? 2 : 1, u, v), second(gas ? 1 : 2, u, v);
  if (first.run(10, cfg, out) || wetUV(u, v, cfg, out) || second.run(10, cfg, out) ||
      onRegion3Isochore(1.0 / v, Isochore::U, u, cfg, out) || first.run(40, cfg, out) || second.run(40, cfg, out))
    return kNoError;
  Span found[4];
  const int n = spans(v, cfg, found);
  Code failed = kNoError;
  const auto at = [&](double t) {
    vlm_state st;
    Differentials d;
    Code code = stateOnIsotherm(t, v, Along::V, cfg, st);
    if (code == kNoError) code = differentials(st, cfg, d);
    if (code != kNoError) {
      // Outside the range (an end of a span, within rounding) brackets nothing; any other
      // failure is the answer.
      if (code != kOutOfRange) failed = code;
      return Sample{NAN, NAN};
    }
    return Sample{st.u, partial(d, Quantity::U, Quantity::T, Quantity::V)};
  };
  for (int k = 0; k < n && !failed; ++k) {
    double t = 0;
    if (firstOnStretch(at, found[k].lo, found[k].hi, u, true, t)) return stateOnIsotherm(t, v, Along::V, cfg, out);
  }
  if (failed) return failed;
  // Within rounding of a span's end (where u is near zero, in absolute terms): the state there.
  const double band = 1e-9 * std::fmax(std::fabs(u), 1e3);
  for (int k = 0; k < n; ++k) {
    for (const double t : {found[k].lo, found[k].hi}) {
      if (std::islessequal(std::fabs(at(t).f - u), band)) return stateOnIsotherm(t, v, Along::V, cfg, out);
    }
  }
  return kOutOfRange;
}

}  // namespace vlm::state
