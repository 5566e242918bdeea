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
// a start such states resemble (u about linear in T, steam about an ideal gas): most states
// at a few evaluations instead of a search in T whose every step is a search in p.  It stands
// only well inside its region, clear of the saturation line, region 3 and the range's ends,
// where no other state can share the values; anything else is left to the search.
bool newtonUV(int region, double u, double v, const Config& cfg, vlm_state& out, int steps) {
  // Steam from van der Waals' gas (a and b of water per kilogram): dense steam's u lies well
  // below an ideal gas's at its temperature.
  constexpr double a = 1705.0, b = 0.00169;
  double t = region == 1 ? Ttriple + u / 4180.0 : Ttriple + (u + a / v - 2.375e6) / 1450.0;
  t = std::fmin(std::fmax(t, Ttriple), region == 1 ? T13 : T25);
  const double vdw = v > b ? R * t / (v - b) - a / (v * v) : 0.0;
  double p = region == 1 ? 10e6 : std::fmin(vdw > 0.0 ? vdw : R * t / v, pMax);
  bool converged = false;
  double previous = HUGE_VAL;
  for (int k = 0; k < steps && !converged; ++k) {
    const InPTWithSlopes a = inPTWithSlopes(region, p, t);
    const VolumeSlopes& sl = a.volume;
    const double fu = a.h - p * sl.v - u, fv = sl.v - v;
    // du = (cp - p dv/dT) dT - (T dv/dT + p dv/dp) dp at constant composition.
    const double uT = a.cp - p * sl.dvdt, uP = -t * sl.dvdt - p * sl.dvdp;
    const double det = uT * sl.dvdp - uP * sl.dvdt;
    const double dt = (fu * sl.dvdp - uP * fv) / det, dp = (uT * fv - fu * sl.dvdt) / det;
    if (!std::isfinite(dt) || !std::isfinite(dp)) return false;
    double scale = 1.0;
    while (!(p - scale * dp > 0.0 && t - scale * dt > 200.0 && t - scale * dt < 2500.0)) {
      scale *= 0.5;
      if (scale < 1e-6) return false;
    }
    t -= scale * dt;
    p -= scale * dp;
    // Done, or at the rounding: a liquid's p moves some 1e-13 of itself with the last bit of v.
    const double size = std::fmax(std::fabs(dt) / t, std::fabs(dp) / p);
    converged = scale == 1.0 && line::newtonDone(size, previous);
    previous = scale == 1.0 ? size : HUGE_VAL;
  }
  // Inside the range (a state just beyond an end by rounding is the search's to place).
  if (!converged || !(p >= pMin && p <= pMax && t >= Ttriple + 0.1)) return false;
  // Clear of the saturation line by rounding: up to 623.15 K the saturated phases are regions
  // 1's and 2's own states, so u and v run on into wet steam without a step.  Clear of region 3
  // by 1 % of the pressure (the equations differ a little where they meet), and of region 5.
  constexpr double line = 1e-6, b23 = 1e-2;
  if (region == 1 && !(t <= T13 - 0.1 && p >= pSat(t) * (1.0 + line))) return false;
  if (region == 2 && !(t <= T25 ? p <= (t <= T13 ? pSat(t) * (1.0 - line) : p23(t) * (1.0 - b23)) : t <= T5 - 0.1))
    return false;
  int placed = 0;
  if (regionPT(p, t, cfg, placed) != kNoError || placed != region) return false;
  return statePT(region, p, t, cfg, out) == kNoError;
}

}  // namespace

Code stateUV(double u, double v, const Config& cfg, vlm_state& out) {
  if (!std::isfinite(u) || !std::isfinite(v) || !(v > 0)) return kOutOfRange;
  // Steam first where the volume is a gas's, else liquid first.
  const bool gas = v > 0.0031;
  // Most single phases converge within 10 steps, the phase of their volume first; then wet
  // steam, the other phase, region 3, and Newton given the rest of its 40 steps.
  if (newtonUV(gas ? 2 : 1, u, v, cfg, out, 10) || wetUV(u, v, cfg, out) || newtonUV(gas ? 1 : 2, u, v, cfg, out, 10) ||
      onRegion3Isochore(1.0 / v, Isochore::U, u, cfg, out) || newtonUV(gas ? 2 : 1, u, v, cfg, out, 40) ||
      newtonUV(gas ? 1 : 2, u, v, cfg, out, 40))
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
