// The state from the temperature and v, h or s: a search along the isotherm, from the lowest
// pressure up, over the stretches that one equation covers (region 1 in p, regions 2 and 5 in
// ln p, region 3 in density), with wet steam at the saturation pressure tried first.
#include <cmath>
#include <initializer_list>

#include "equations/constants.hpp"
#include "equations/region2.hpp"
#include "properties/limits.hpp"
#include "solvers/fill.hpp"
#include "solvers/line_search.hpp"
#include "solvers/physics.hpp"
#include "solvers/real_gas.hpp"
#include "solvers/solve.hpp"

namespace vlm::state {
namespace {

using namespace constants;

double valueOf(const CaloricSet& c, Along given) { return given == Along::V ? c.v : given == Along::H ? c.h : c.s; }

// One stretch of the isotherm: q is p in region 1, ln p in regions 2 and 5, the density in
// region 3.
struct Stretch {
  int region;
  double lo, hi;
};

class Isotherm {
 public:
  Isotherm(double t, Along given, const Config& cfg)
      : t_(t),
        given_(given),
        cfg_(cfg),
        pTop_(t > T5 ? p5Max : pMax),
        lnMin_(std::log(pMin)),
        lnMax_(std::log(pTop_)) {}

  // The liquid or steam state by Newton on region 1's or 2's equation alone, where the
  // quantity runs one way along the isotherm from the lowest pressure to the state found and
  // lies outside the saturated phases' values: v everywhere, s in steam and in liquid above
  // the density maximum's temperatures, h in steam (its Joule-Thomson coefficient is
  // positive all over region 2; a liquid's h lies between h' and h'', wet steam by the pair's
  // rule).  That state is then the one of lowest pressure.  It stands only clear of the
  // saturation line; anything else is left to the search.
  bool newton(int region, double target, vlm_state& out) const {
    if (!(t_ >= Ttriple)) return false;
    if (region == 1 ? !(t_ <= T13 && given_ != Along::H && (given_ != Along::S || t_ >= 280.0)) : !(t_ <= T5))
      return false;
    const double pEdge = region == 1 ? pSat(t_) : t_ <= T13 ? pSat(t_) : t_ <= T25 ? p23(t_) : pMax;
    // In p where the quantity runs nearly straight in it (liquid; steam's h, a real gas's
    // correction), else in ln p (steam's v and s), kept inside the stretch.  Liquid v is
    // convex in p, so Newton from the saturated end approaches it from one side; steam's v
    // and s start from an ideal gas's (the residual part then costs a step or two), steam's h
    // from a thin van der Waals gas's.
    const bool inP = region == 1 || given_ == Along::H;
    const double lo = region == 1 ? pEdge : pMin, hi = region == 1 ? pMax : pEdge;
    const double qLo = inP ? lo : lnMin_, qHi = inP ? hi : std::log(hi);
    double q = given_ == Along::V   ? (region == 1 ? pEdge : std::log(R * t_ / target))
               : given_ == Along::H ? real_gas::pressureOfEnthalpy(t_, target)
               : inP                ? 0.5 * (lo + hi)
                                    : region2::idealGasLogPressure(t_, target);
    if (std::isnan(q)) q = 0.5 * (qLo + qHi);
    q = std::fmin(std::fmax(q, qLo), qHi);
    double previous = HUGE_VAL;
    for (int k = 0; k < 12; ++k) {
      const Sample s = inP ? inPressure(region, q, 1.0) : sample(region, q);
      double next = q - (s.f - target) / s.df;
      if (!std::isfinite(next)) return false;
      // A step beyond an end goes to the end; one from the end itself says the quantity
      // (monotone along the stretch) reaches the target only beyond it.
      if (next < qLo || next > qHi) {
        if (q == qLo || q == qHi) return false;
        next = next < qLo ? qLo : qHi;
      }
      const double step = next - q;
      q = next;
      // Done, or at the rounding (a liquid's p moves some 1e-13 of itself with the last bit of v).
      const double size = inP ? std::fabs(step) / q : std::fabs(step);
      if (line::newtonDone(size, previous)) {
        const double p = inP ? q : std::exp(q);
        // Clear of the saturation line by rounding (wet steam shares the saturated values);
        // of B23 by 1 % where region 3 reaches the line beyond it (between T13 and the
        // critical temperature the two regions' values differ by more than the gap between
        // B23 and the line).
        const double margin = region == 2 && t_ > T13 && t_ < Tcritical ? 1e-2 : 1e-6;
        const bool clear = region == 1 ? p >= lo * (1.0 + margin) && p <= hi
                                       : p >= lo && p <= (t_ < Tcritical ? hi * (1.0 - margin) : hi);
        if (!clear) return false;
        fillSingle(region, p, t_, gibbs(region, p, t_), cfg_, out);
        return true;
      }
      previous = size;
    }
    return false;
  }

  Code solve(double target, vlm_state& out) {
    Stretch stretches[4];
    int count = 0;
    const double lnMin = lnMin_, lnMax = lnMax_;
    if (t_ < Tcritical) {
      if (const Code code = saturation(t_, cfg_, sat_)) return code;
      const double liquid = valueOf(sat_.liquid, given_), vapour = valueOf(sat_.vapour, given_);
      if (target >= std::fmin(liquid, vapour) && target <= std::fmax(liquid, vapour)) {
        const double x = liquid == vapour ? 0.0 : (target - liquid) / (vapour - liquid);
        fillWet(t_, std::fmin(std::fmax(x, 0.0), 1.0), sat_, cfg_, out);
        return kNoError;
      }
    }
    if (t_ <= T13) {
      stretches[count++] = {2, lnMin, std::log(sat_.ps)};
      stretches[count++] = {1, sat_.ps, pMax};
    } else if (t_ <= T25) {
      const double pb = p23(t_);
      double rb = 0, rMax = 0;
      if (const Code code = density3(pb, t_, cfg_, 1.0 / gibbs(2, pb, t_).v, rb)) return code;
      if (const Code code = density3(pMax, t_, cfg_, rMax)) return code;
      stretches[count++] = {2, lnMin, std::log(pb)};
      if (t_ < Tcritical) {
        stretches[count++] = {3, rb, 1.0 / sat_.vapour.v};
        stretches[count++] = {3, 1.0 / sat_.liquid.v, rMax};
      } else {
        stretches[count++] = {3, rb, rMax};
      }
    } else {
      stretches[count++] = {t_ <= T5 ? 2 : 5, lnMin, lnMax};
    }
    for (int k = 0; k < count; ++k) {
      const Stretch& st = stretches[k];
      double q = 0;
      const auto at = [&](double x) { return sample(st.region, x); };
      // A gas's volume is nearly R T / p.
      const double start = given_ == Along::V && (st.region == 2 || st.region == 5) ? std::log(R * t_ / target) : NAN;
      if (firstOnStretch(at, st.lo, st.hi, target, true, q, start)) return fill(st.region, q, out);
    }
    // Between two equations' ends where they meet: the nearer end.
    for (int k = 1; k < count; ++k) {
      const Stretch &before = stretches[k - 1], &after = stretches[k];
      const double a = sample(before.region, before.hi).f, b = sample(after.region, after.lo).f;
      if (target >= std::fmin(a, b) && target <= std::fmax(a, b)) {
        return std::fabs(target - a) <= std::fabs(target - b) ? fill(before.region, before.hi, out)
                                                              : fill(after.region, after.lo, out);
      }
    }
    // Within rounding of the lowest or the highest pressure: the state there.
    const Stretch &first = stretches[0], &last = stretches[count - 1];
    const double band = 1e-9 * std::fabs(target);
    if (std::islessequal(std::fabs(sample(first.region, first.lo).f - target), band))
      return fill(first.region, first.lo, out);
    if (std::islessequal(std::fabs(sample(last.region, last.hi).f - target), band))
      return fill(last.region, last.hi, out);
    return kOutOfRange;
  }

 private:
  // The pressure of ln p, the range's ends exactly.
  double pressure(double q) const { return q == lnMin_ ? pMin : q == lnMax_ ? pTop_ : std::exp(q); }

  // The quantity and its slope along the isotherm: in p or ln p from v's slopes (dh = (v - T
  // dv/dT) dp, ds = -dv/dT dp), in density from the pressure's slopes.
  Sample sample(int region, double q) const {
    if (region == 3) {
      const Helmholtz e = helmholtz(q, t_);
      const double r2 = q * q;
      switch (given_) {
        case Along::V:
          return {e.v, -1.0 / r2};
        case Along::H:
          return {e.h, (e.dpdr - t_ * e.dpdt / q) / q};
        default:
          return {e.s, -e.dpdt / r2};
      }
    }
    // Region 1's liquid varies nearly linearly in p itself, the gases in ln p.
    if (region == 1) return inPressure(region, q, 1.0);
    const double p = pressure(q);
    return inPressure(region, p, p);
  }

  // The quantity at p and its slope in q, where dp/dq is dp.
  Sample inPressure(int region, double p, double dp) const {
    if (given_ == Along::V) {
      const VolumeSlopes sl = volumeAlongIsotherm(region, p, t_);
      return {sl.v, sl.dvdp * dp};
    }
    const InPT c = alongIsotherm(region, p, t_, given_ == Along::S);
    return given_ == Along::H ? Sample{c.h, (c.v - t_ * c.dvdt) * dp} : Sample{c.s, -c.dvdt * dp};
  }

  Code fill(int region, double q, vlm_state& out) const {
    if (region == 3) {
      const Helmholtz e = helmholtz(q, t_);
      fillSingle(3, e.p, t_, e, cfg_, out);
    } else {
      const double p = region == 1 ? q : pressure(q);
      fillSingle(region, p, t_, gibbs(region, p, t_), cfg_, out);
    }
    return kNoError;
  }

  double t_;
  Along given_;
  const Config& cfg_;
  double pTop_, lnMin_, lnMax_;
  Saturation sat_{};
};

}  // namespace

Code stateOnIsotherm(double t, double target, Along given, const Config& cfg, vlm_state& out) {
  if (!std::isfinite(target) || limits::brokenTemperature(t)) return kOutOfRange;
  Isotherm isotherm(t, given, cfg);
  // Steam first where the value is a gas's, else liquid first; h only in steam, whose h lies
  // above 2.5 MJ/kg.
  const bool gas = given == Along::V ? target > 0.0031 : given == Along::S ? target > 5e3 : target > 2.4e6;
  // Wet steam, or values within reach of the line, are the search's.
  const bool wet = t < Tcritical && maybeWet(t, given, target);
  for (const int region : {gas ? 2 : 1, gas ? 1 : 2})
    if (!wet && (given != Along::H || gas) && isotherm.newton(region, target, out)) return kNoError;
  // Region 3 at (1 / v, T) directly, its own variables; at s by Newton in density (s falls
  // with density all along the isotherm, so its state is the only one).
  if (given == Along::V && region3At(1.0 / target, t, cfg, out)) return kNoError;
  if (given == Along::S && onRegion3Isotherm(t, target, cfg, out)) return kNoError;
  return isotherm.solve(target, out);
}

}  // namespace vlm::state
