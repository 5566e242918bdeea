// The state from the internal energy and the specific volume, the pair of a flow solver's
// conservation equations: along the isochore u rises with T in every phase (its slope is cv,
// or wet steam's along the line), so a search in T over the temperatures at which some state
// of the ranges has that volume, each step the state of (T, v).
#include <cmath>

#include "equations/constants.hpp"
#include "solvers/fill.hpp"
#include "solvers/further.hpp"
#include "solvers/line_search.hpp"
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

}  // namespace

Code stateUV(double u, double v, const Config& cfg, vlm_state& out) {
  if (!std::isfinite(u) || !std::isfinite(v) || !(v > 0)) return kOutOfRange;
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
