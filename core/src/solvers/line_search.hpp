// The search along one stretch of a line of states (an isotherm, an isobar, the saturation
// line) that one equation covers: q runs from lo to hi, and the quantity given varies along
// it with at most one turning point (the density maximum of cold water, the enthalpy minimum
// of hot compressed liquid, the maximum of h'').
#pragma once

#include <cmath>

namespace vlm::state {

// The quantity at q and its slope in q.
struct Sample {
  double f, df;
};

namespace line {

// The root of f = target between two ends that bracket it: Newton where it stays inside the
// bracket and at least halves f, else bisection, down to a bracket of a few ulp (a kink in f,
// as where an isochore leaves the saturation dome, would keep bare Newton swinging across it).
// A Newton step that comes out negligible while f is not (a slope that is not f's own, as
// where the equations' saturated phases merge next to the critical point) hands over to
// bisection.  No comparison meets a NaN.
template <class At>
double bracketed(const At& at, double lo, double flo, double hi, double fhi, double target, double start = NAN) {
  const bool rising = std::isless(flo, fhi);
  const double small = 1e-12 * std::fmax(std::fabs(target), std::fmax(std::fabs(flo), std::fabs(fhi)));
  double q = std::isgreater(start, lo) && std::isless(start, hi) ? start
             : flo == fhi                                        ? 0.5 * (lo + hi)
                                                                 : lo + (target - flo) / (fhi - flo) * (hi - lo);
  if (!(std::isgreater(q, lo) && std::isless(q, hi))) q = 0.5 * (lo + hi);
  bool trustSlope = true;
  double previous = HUGE_VAL;  // |f| of the step before
  for (int k = 0; k < 200; ++k) {
    const Sample s = at(q);
    const double f = s.f - target;
    // At the quantity's own rounding: no q does better.
    if (std::islessequal(std::fabs(f), 4e-16 * std::fabs(target))) break;
    if (std::isless(f, 0.0) == rising) {
      lo = q;
    } else {
      hi = q;
    }
    double next = q - f / s.df;
    bool newton = trustSlope && std::isfinite(next) && std::isgreaterequal(next, lo) && std::islessequal(next, hi) &&
                  std::islessequal(std::fabs(f), 0.5 * previous);
    previous = std::fabs(f);
    double step = std::fabs(next - q);
    if (newton && step <= 1e-15 * std::fabs(q) && std::isgreater(std::fabs(f), small)) newton = trustSlope = false;
    if (!newton) next = 0.5 * (lo + hi);
    step = std::fabs(next - q);
    q = next;
    if (newton ? step <= 1e-15 * std::fabs(q) : hi - lo <= 4e-16 * std::fmax(std::fabs(lo), std::fabs(hi))) break;
  }
  return q;
}

// Where the slope changes sign between lo and hi (false position with the Illinois rule), or
// the first point found whose value passes `target` on the extremum's side (which splits the
// stretch as well as the turning point itself).
template <class At>
double turningPoint(const At& at, double lo, double dlo, double hi, double dhi, double target = NAN) {
  const bool maximum = std::isgreater(dlo, 0.0);
  double q = 0.5 * (lo + hi);
  int side = 0;
  for (int k = 0; k < 100 && hi - lo > 1e-13 * std::fmax(std::fabs(lo), std::fabs(hi)); ++k) {
    q = dlo == dhi ? 0.5 * (lo + hi) : lo - dlo * (hi - lo) / (dhi - dlo);
    if (!(std::isgreater(q, lo) && std::isless(q, hi))) q = 0.5 * (lo + hi);
    const Sample s = at(q);
    if (maximum ? std::isgreaterequal(s.f, target) : std::islessequal(s.f, target)) break;
    const double d = s.df;
    if (d == 0) break;
    if (std::isless(d, 0.0) == std::isless(dlo, 0.0)) {
      lo = q;
      dlo = d;
      if (side == -1) dhi *= 0.5;
      side = -1;
    } else {
      hi = q;
      dhi = d;
      if (side == 1) dlo *= 0.5;
      side = 1;
    }
  }
  return q;
}

// Whether Newton, having just taken a step of relative size `size` after one of `previous`,
// has reached the rounding: a step at it, one shrinking no more (the rounding of the values
// moves the root), or a small one taken in the quadratic regime (the size below 100 times the
// square of the one before), after which the error is some 100 size^2, below 1e-16.
inline bool newtonDone(double size, double previous) {
  return size <= 1e-14 || (size <= 1e-9 && size <= 100.0 * previous * previous) ||
         (size <= 1e-10 && size >= 0.5 * previous);
}

}  // namespace line

// The first q of the stretch where the quantity is `target`, searching from lo (fromLo) or
// from hi: where the slopes at the ends differ in sign the stretch is split at its turning
// point and each monotone piece tried in that order.  False when no state of the stretch has
// the target.  `start`, where it lies inside, is where the search of a monotone stretch begins.
template <class At>
bool firstOnStretch(const At& at, double lo, double hi, double target, bool fromLo, double& q, double start = NAN) {
  const Sample a = at(lo), b = at(hi);
  double ends[3] = {lo, hi, hi};
  Sample values[3] = {a, b, b};
  int pieces = 1;
  // A target strictly between the ends' values is met once even across a turning point (the
  // quantity passes it on the way to or from its extremum, never twice), and one beyond both
  // on the far side from the extremum not at all: only a target beyond both on the
  // extremum's side needs the stretch split, at the turning point or at any point past the
  // target.
  const bool maximum = std::isgreater(a.df, 0.0);
  const bool towardExtremum =
      maximum ? std::isgreaterequal(target, std::fmax(a.f, b.f)) : std::islessequal(target, std::fmin(a.f, b.f));
  if (std::isless(a.df * b.df, 0.0) && towardExtremum) {
    const double turn = line::turningPoint(at, lo, a.df, hi, b.df, target);
    ends[1] = turn;
    values[1] = at(turn);
    ends[2] = hi;
    values[2] = b;
    pieces = 2;
  }
  for (int n = 0; n < pieces; ++n) {
    const int k = fromLo ? n : pieces - 1 - n;
    const double flo = values[k].f, fhi = values[k + 1].f;
    if (!(std::islessequal(std::fmin(flo, fhi), target) && std::isgreaterequal(std::fmax(flo, fhi), target))) continue;
    if (target == flo) {
      q = ends[k];
    } else if (target == fhi) {
      q = ends[k + 1];
    } else {
      q = line::bracketed(at, ends[k], flo, ends[k + 1], fhi, target, pieces == 1 ? start : NAN);
    }
    return true;
  }
  return false;
}

}  // namespace vlm::state
