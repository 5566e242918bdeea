// Wet steam from its dryness and h or s: a search along the saturation line in T, from the
// coldest state up, so that where two states have the value (h near the maximum of h'',
// for x close to 1) the colder one, at the lower pressure, is found.
#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "equations/constants.hpp"
#include "equations/saturation.hpp"
#include "properties/limits.hpp"
#include "solvers/fill.hpp"
#include "solvers/further.hpp"
#include "solvers/line_search.hpp"
#include "solvers/solve.hpp"

namespace vlm::state {
namespace {

// Both phases' h, s, v and u with their slopes along the line at T (index 0 the liquid).
struct Phases {
  Sample h[2], s[2], v[2], u[2];
};
Code phasesAt(double t, const Config& cfg, Phases& out, Saturation& sat) {
  if (const Code code = saturation(t, cfg, sat)) return code;
  const CaloricSet* c[2] = {&sat.liquid, &sat.vapour};
  const double dpdt = saturation::slope(t);
  for (int k = 0; k < 2; ++k) {
    const LineSlopes along = lineSlopes(t, sat, k);
    out.h[k] = {c[k]->h, along.h};
    out.s[k] = {c[k]->s, along.s};
    out.v[k] = {c[k]->v, along.v};
    out.u[k] = {c[k]->u, along.h - sat.ps * along.v - c[k]->v * dpdt};  // u = h - p v
  }
  return kNoError;
}

// The line from the lowest saturation temperature the (p, x) states reach, in stretches of
// 5 K (short enough that each holds at most one turning point: the mixture's s has two for x
// around 0.5, near 390 K and next to the critical point), the last two meeting where the
// equations' two phases become one, a few 1e-5 K below the critical point, and every
// quantity jumps.  The phases at the knots are computed once, with the library's default
// settings: they only place the search, which runs with the caller's.
struct Knots {
  static constexpr double kFirst = 275.0, kStep = 5.0;
  static constexpr int kRegular = 75;          // 275 K to 645 K
  static constexpr int kCount = kRegular + 6;  // the lowest, then 647, 647.09 and the jump's
  static constexpr int kJump = kRegular + 3;   // the stretch from this knot crosses the jump
  double t[kCount];
  Phases at[kCount];
};

const Knots& knots() {
  static const Knots k = [] {
    const Config defaults{};
    Knots out{};
    double distinct = 647.09, one = constants::Tcritical;
    for (int n = 0; n < 60; ++n) {
      const double t = 0.5 * (distinct + one);
      Saturation sat;
      if (saturation(t, defaults, sat) != kNoError) break;
      (sat.liquid.v < sat.vapour.v ? distinct : one) = t;
    }
    int i = 0;
    out.t[i++] = tSat(constants::pMin);
    for (int n = 0; n < Knots::kRegular; ++n) out.t[i++] = Knots::kFirst + Knots::kStep * n;
    for (const double t : {647.0, 647.09, distinct, one, constants::Tcritical}) out.t[i++] = t;
    Saturation sat;
    for (i = 0; i < Knots::kCount; ++i) phasesAt(out.t[i], defaults, out.at[i], sat);
    return out;
  }();
  return k;
}

// The cubic through both ends' values and slopes over a stretch of length h, at the fraction
// u of it.
double cubic(const Sample& a, const Sample& b, double h, double u) {
  const double u2 = u * u, u3 = u2 * u;
  return (2 * u3 - 3 * u2 + 1) * a.f + (u3 - 2 * u2 + u) * h * a.df + (3 * u2 - 2 * u3) * b.f + (u3 - u2) * h * b.df;
}

// The same cubic between t0 and t1, at t.
double hermite(double t0, const Sample& a, double t1, const Sample& b, double t) {
  const double h = t1 - t0;
  return cubic(a, b, h, (t - t0) / h);
}

// Where the cubic through both ends' values and slopes meets the target: over 5 K a start
// that Newton finishes in a step or two.
double hermiteStart(double t0, const Sample& a, double t1, const Sample& b, double target) {
  const double h = t1 - t0;
  double u = a.f == b.f ? 0.5 : (target - a.f) / (b.f - a.f);
  for (int k = 0; k < 6; ++k) {
    const double u2 = u * u;
    const double f = cubic(a, b, h, u);
    const double df = (6 * u2 - 6 * u) * (a.f - b.f) + (3 * u2 - 4 * u + 1) * h * a.df + (3 * u2 - 2 * u) * h * b.df;
    const double next = u - (f - target) / df;
    if (!std::isfinite(next)) break;
    u = std::fmin(std::fmax(next, 0.0), 1.0);
  }
  return t0 + u * h;
}

}  // namespace

Code stateOnSaturationLine(double target, double x, Along given, const Config& cfg, vlm_state& out) {
  if (limits::brokenDryness(x) || !std::isfinite(target)) return kOutOfRange;
  const Knots& line = knots();
  const auto mixed = [&](const Phases& ph) {
    const Sample* q = given == Along::H ? ph.h : ph.s;
    return Sample{(1 - x) * q[0].f + x * q[1].f, (1 - x) * q[0].df + x * q[1].df};
  };
  Code failed = kNoError;
  Saturation last;  // the line at the last temperature evaluated
  double lastT = NAN;
  int k = 0;
  const auto at = [&](double t) {
    if (t == line.t[k]) return mixed(line.at[k]);
    if (t == line.t[k + 1]) return mixed(line.at[k + 1]);
    Phases ph;
    lastT = NAN;
    if (const Code code = phasesAt(t, cfg, ph, last)) {
      failed = code;
      return Sample{NAN, NAN};
    }
    lastT = t;
    return mixed(ph);
  };
  double t = 0;
  bool found = false;
  Sample b = mixed(line.at[0]);
  for (; k + 1 < Knots::kCount && !found && !failed; ++k) {
    const Sample a = b;
    b = mixed(line.at[k + 1]);
    if (k == Knots::kJump) continue;
    // A stretch without a turning point holds the target only between its ends' values.
    if (!(std::islessequal(std::fmin(a.f, b.f), target) && std::isgreaterequal(std::fmax(a.f, b.f), target)) &&
        !std::isless(a.df * b.df, 0.0))
      continue;
    const bool between = std::isless((a.f - target) * (b.f - target), 0.0);
    const double start = between ? hermiteStart(line.t[k], a, line.t[k + 1], b, target) : NAN;
    found = firstOnStretch(at, line.t[k], line.t[k + 1], target, true, t, start);
  }
  if (failed) return failed;
  if (!found) return kOutOfRange;
  // Newton's last step, below the rounding of T, needs no new line.
  if (std::islessequal(std::fabs(t - lastT), 1e-15 * t)) {
    fillWet(lastT, x, last, cfg, out);
    return kNoError;
  }
  return stateTX(t, x, cfg, out, false);
}

// Wet steam of internal energy u and volume v.  Along an isochore u rises with T inside the
// saturation dome too, so the temperature of the line where the mixture of volume v has
// internal energy u is the state, if its dryness lies in (0, 1).  Single phases are turned
// away after a few comparisons.  Up to 645 K, clear of the
// dome's edges by 1e-9 in x; false leaves the state to the search.
bool wetUV(double u, double v, const Config& cfg, vlm_state& out) {
  const Knots& line = knots();
  const auto mixed = [v](const Phases& ph, double& x) {
    const double span = ph.v[1].f - ph.v[0].f;
    x = (v - ph.v[0].f) / span;
    const double dx = -(ph.v[0].df + x * (ph.v[1].df - ph.v[0].df)) / span;
    return Sample{(1 - x) * ph.u[0].f + x * ph.u[1].f,
                  (1 - x) * ph.u[0].df + x * ph.u[1].df + (ph.u[1].f - ph.u[0].f) * dx};
  };
  Saturation last;
  double lastT = NAN, x = NAN;
  bool failed = false;
  const auto at = [&](double t) {
    Phases ph;
    lastT = NAN;
    if (phasesAt(t, cfg, ph, last) != kNoError) {
      failed = true;
      return Sample{NAN, NAN};
    }
    lastT = t;
    return mixed(ph, x);
  };
  // The mixture's u at volume v rises with T from knot to knot (inside the dome it is the
  // isochore's u; outside, where x leaves [0, 1], its extension does too): the stretch that
  // holds the target is found by halving, and holds the state if x there reaches into [0, 1].
  int k = 0, top = Knots::kRegular;  // up to the knot at 645 K
  double xa = 0, xb = 0;
  Sample a = mixed(line.at[k], xa), b = mixed(line.at[top], xb);
  if (!(std::islessequal(a.f, u) && std::islessequal(u, b.f))) return false;
  while (top - k > 1) {
    const int mid = (k + top) / 2;
    double xm = 0;
    const Sample m = mixed(line.at[mid], xm);
    if (std::islessequal(m.f, u)) {
      k = mid, a = m, xa = xm;
    } else {
      top = mid, b = m, xb = xm;
    }
  }
  if (!(std::islessequal(std::fmin(xa, xb), 1.0) && std::isgreaterequal(std::fmax(xa, xb), 0.0))) return false;
  const double lo = line.t[k], hi = line.t[top];
  // The dryness at the cubic's estimate of the root, from the knots' volumes: a compressed
  // liquid or a superheated steam next to the line is turned away here, before Newton.
  const double start = hermiteStart(lo, a, hi, b, u);
  const Phases &pa = line.at[k], &pb = line.at[top];
  const double liquid = hermite(lo, pa.v[0], hi, pb.v[0], start), vapour = hermite(lo, pa.v[1], hi, pb.v[1], start);
  const double estimate = (v - liquid) / (vapour - liquid);
  if (!(std::isgreaterequal(estimate, 0.9e-9) && std::islessequal(estimate, 1.0 - 0.9e-9))) return false;
  // A knot whose value lies within a Newton step below T's rounding is the state (Newton,
  // stepping onto the bracket's end, would hand over to bisection there).
  const auto onKnot = [u](double tk, const Sample& s) { return std::fabs(s.f - u) <= 1e-15 * tk * std::fabs(s.df); };
  const double t = onKnot(lo, a) ? lo : onKnot(hi, b) ? hi : line::bracketed(at, lo, a.f, hi, b.f, u, start);
  if (failed) return false;
  if (!std::islessequal(std::fabs(t - lastT), 1e-15 * t)) {
    at(t);  // the line at the root itself
    if (failed) return false;
  }
  if (!(std::isgreaterequal(x, 1e-9) && std::islessequal(x, 1.0 - 1e-9))) return false;
  fillWet(lastT, x, last, cfg, out);
  return true;
}

bool maybeWet(double t, Along given, double target) {
  const Knots& line = knots();
  if (!(t >= line.t[0] && t <= Knots::kFirst + Knots::kStep * (Knots::kRegular - 1))) return true;
  const int k = t < Knots::kFirst ? 0 : std::min(1 + int((t - Knots::kFirst) / Knots::kStep), Knots::kRegular - 1);
  const Phases &a = line.at[k], &b = line.at[k + 1];
  const Sample* qa = given == Along::V ? a.v : given == Along::H ? a.h : a.s;
  const Sample* qb = given == Along::V ? b.v : given == Along::H ? b.h : b.s;
  const double liquid = hermite(line.t[k], qa[0], line.t[k + 1], qb[0], t);
  const double vapour = hermite(line.t[k], qa[1], line.t[k + 1], qb[1], t);
  // The cubic stands within some 1e-8 of the line's values over 5 K; 1e-6 leaves room.
  const double lo = std::fmin(liquid, vapour), hi = std::fmax(liquid, vapour);
  return !(target < lo - 1e-6 * std::fabs(lo) || target > hi + 1e-6 * std::fabs(hi));
}

}  // namespace vlm::state
