// The state from the pressure and the specific volume: wet steam where v lies between the
// saturated phases' volumes, else a search along the isobar from the hottest state down
// (so that of the two liquid states around the density maximum near 277 K the warmer one is
// found), regions 1, 2 and 5 in T, region 3 at the given density.
#include <cmath>
#include <initializer_list>

#include "equations/constants.hpp"
#include "properties/limits.hpp"
#include "solvers/fill.hpp"
#include "solvers/line_search.hpp"
#include "solvers/physics.hpp"
#include "solvers/solve.hpp"

namespace vlm::state {
namespace {

using namespace constants;

struct Stretch {
  int region;
  double lo, hi;  // temperatures
};

Sample volume(int region, double p, double t) {
  const VolumeSlopes sl = volumeAlongIsobar(region, p, t);
  return {sl.v, sl.dvdt};
}

// Region 3's density at an end of its stretch: a saturated phase next to wet steam, else the
// density solver from the neighbouring equation's density.
Code endDensity(double p, double t, const Saturation* sat, bool liquid, const Config& cfg, double& r) {
  if (sat) {
    r = 1.0 / (liquid ? sat->liquid.v : sat->vapour.v);
    return kNoError;
  }
  return density3(p, t, cfg, 1.0 / gibbs(t <= T13 ? 1 : 2, p, t).v, r);
}

// The liquid or steam state by Newton in T on region 1's or 2's equation, where it is the
// hottest of the isobar with that volume: v rises with T from the state found on (dv/dT > 0
// there puts a liquid above its density maximum, the only stretch where it falls), so no
// warmer state shares it, nor wet steam.  It stands only clear of the saturation line (by
// rounding) and of region 3's and region 5's boundaries (by 0.1 %, where the neighbouring
// equation's values differ a little); anything else is left to the search.
bool newtonPV(int region, double p, double v, double ts, const Config& cfg, vlm_state& out) {
  if (region == 2 && !(p <= pMax)) return false;
  const bool besideLine = p <= p23Min;
  double lo = region == 1 ? Ttriple : besideLine ? ts : t23(p);
  double hi = region == 1 ? (besideLine ? ts : T13) : T5;
  const double margin = 1e-3, lineMargin = 1e-6;
  lo *= region == 1 ? 1.0 : 1.0 + (besideLine ? lineMargin : margin);
  hi *= 1.0 - (region == 1 && besideLine ? lineMargin : margin);
  // A liquid from a rough density curve of water (1000 kg/m3 at 277 K, falling with the square
  // of the distance); steam from an ideal gas.
  const double rho = 1.0 / v;
  double t = region == 1 ? 277.0 + std::sqrt(std::fmax(1000.0 - rho, 0.0) / 0.0036) : p * v / R;
  t = std::fmin(std::fmax(t, lo), hi);
  double previous = HUGE_VAL;
  for (int k = 0; k < 12; ++k) {
    const Sample s = volume(region, p, t);
    double next = t - (s.f - v) / s.df;
    if (!std::isfinite(next)) return false;
    if (next < lo || next > hi) {
      if (t == lo || t == hi) return false;
      next = next < lo ? lo : hi;
    }
    const double size = std::fabs(next - t) / next;
    t = next;
    // Done, or at the rounding (a liquid's T moves some 1e-12 of itself with the last bit of v).
    if (line::newtonDone(size, previous)) {
      if (!(volume(region, p, t).df > 0.0)) return false;
      fillSingle(region, p, t, gibbs(region, p, t), cfg, out);
      return true;
    }
    previous = size;
  }
  return false;
}

}  // namespace

Code statePV(double p, double v, const Config& cfg, vlm_state& out) {
  if (limits::brokenPressure(p) || !std::isfinite(v) || !(v > 0)) return kOutOfRange;
  const bool wet = p < pCritical;
  const double ts = wet ? tSat(p) : NAN;
  // Steam first where the volume is a gas's, else liquid first.
  const bool gas = v > 0.0031;
  // Wet steam, or volumes within reach of the line, are the search's.
  const bool maybeInDome = wet && maybeWet(ts, Along::V, v);
  for (const int region : {gas ? 2 : 1, gas ? 1 : 2})
    if (!maybeInDome && newtonPV(region, p, v, ts, cfg, out)) return kNoError;
  // Region 3: the pressure rises with T along the isochore, and so does v along the isobar,
  // so its state of (p, v) is the only one.
  if (onRegion3Isochore(1.0 / v, Isochore::P, p, cfg, out)) return kNoError;
  Saturation sat{};
  if (wet) {
    if (const Code code = saturation(ts, cfg, sat)) return code;
    if (v >= sat.liquid.v && v <= sat.vapour.v) {
      // Within a few pascals of the critical pressure the two phases are one.
      const double span = sat.vapour.v - sat.liquid.v;
      fillWet(ts, span > 0 ? (v - sat.liquid.v) / span : 0.0, sat, cfg, out);
      out.p = p;
      return kNoError;
    }
  }
  Stretch stretches[5];
  int count = 0;
  const auto add = [&](int region, double lo, double hi) {
    lo = std::fmax(lo, Ttriple);
    if (lo < hi) stretches[count++] = {region, lo, hi};
  };
  if (p <= p23Min) {
    add(1, Ttriple, ts);
    add(2, ts, T5);
    if (p <= p5Max) add(5, T5, Tmax);
  } else {
    add(1, Ttriple, T13);
    if (wet) {
      add(3, T13, ts);
      add(3, ts, t23(p));
    } else {
      add(3, T13, t23(p));
    }
    add(2, t23(p), T5);
  }
  // Each stretch's ends: their temperature, density and (in region 3) state.
  double rEnd[5][2] = {};
  for (int k = 0; k < count; ++k) {
    const Stretch& st = stretches[k];
    if (st.region != 3) continue;
    const bool loWet = wet && st.lo == ts, hiWet = wet && st.hi == ts;
    if (const Code code = endDensity(p, st.lo, loWet ? &sat : nullptr, false, cfg, rEnd[k][0])) return code;
    if (const Code code = endDensity(p, st.hi, hiWet ? &sat : nullptr, true, cfg, rEnd[k][1])) return code;
  }
  const auto endVolume = [&](int k, int end) {
    const Stretch& st = stretches[k];
    return st.region == 3 ? 1.0 / rEnd[k][end] : volume(st.region, p, end ? st.hi : st.lo).f;
  };
  const auto fillAt = [&](int k, double t, double r) {
    const Stretch& st = stretches[k];
    fillSingle(st.region, p, t, st.region == 3 ? CaloricSet(helmholtz(r, t)) : gibbs(st.region, p, t), cfg, out);
    return kNoError;
  };
  for (int k = count - 1; k >= 0; --k) {
    const Stretch& st = stretches[k];
    if (st.region != 3) {
      double t = 0;
      const auto at = [&](double x) { return volume(st.region, p, x); };
      if (firstOnStretch(at, st.lo, st.hi, v, false, t)) return fillAt(k, t, 0);
      continue;
    }
    // Region 3 at the density 1 / v (which falls as T rises): the temperature whose pressure is p.
    const double r = 1.0 / v;
    if (!(r <= rEnd[k][0] && r >= rEnd[k][1])) continue;
    const auto at = [&](double x) {
      const Helmholtz e = helmholtz(r, x);
      return Sample{e.p, e.dpdt};
    };
    const double pLo = at(st.lo).f, pHi = at(st.hi).f;
    if (p <= pLo) return fillAt(k, st.lo, r);
    if (p >= pHi) return fillAt(k, st.hi, r);
    return fillAt(k, line::bracketed(at, st.lo, pLo, st.hi, pHi, p), r);
  }
  // Between two equations' ends where they meet: the nearer end.
  for (int k = 1; k < count; ++k) {
    const double a = endVolume(k - 1, 1), b = endVolume(k, 0);
    if (!(v >= std::fmin(a, b) && v <= std::fmax(a, b))) continue;
    if (std::fabs(v - a) <= std::fabs(v - b)) return fillAt(k - 1, stretches[k - 1].hi, rEnd[k - 1][1]);
    return fillAt(k, stretches[k].lo, rEnd[k][0]);
  }
  return kOutOfRange;
}

}  // namespace vlm::state
