#include "solvers/further.hpp"

#include <cmath>
#include <cstring>
#include <limits>

#include "equations/constants.hpp"
#include "equations/region1.hpp"
#include "equations/region2.hpp"
#include "equations/region3.hpp"
#include "equations/region5.hpp"
#include "equations/saturation.hpp"
#include "solvers/fill.hpp"

namespace vlm::state {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Row {
  double a, b;
};

// v, s and h of a single-phase state as rows in (T, p), from v's slopes and cp.
struct Phase {
  Row v, s, h;
};
Phase phaseRows(const VolumeSlopes& sl, double t, double cp) {
  return {{sl.dvdt, sl.dvdp}, {cp / t, -sl.dvdt}, {cp, sl.v - t * sl.dvdt}};
}

VolumeSlopes slopesOf(int region, double p, double t, double rho) {
  switch (region) {
    case 1:
      return region1::slopes(p, t);
    case 2:
      return region2::slopes(p, t);
    case 5:
      return region5::slopes(p, t);
    default: {
      // dv/dp = -v^2 / (dp/drho), dv/dT = v^2 (dp/dT) / (dp/drho).
      const region3::Full f = region3::full(rho, t);
      const double v = 1.0 / rho;
      return {v, v * v * f.dpdt / f.dpdr, -v * v / f.dpdr};
    }
  }
}

void set(Differentials& d, Quantity q, Row r) {
  d.d[static_cast<int>(q)][0] = r.a;
  d.d[static_cast<int>(q)][1] = r.b;
}
Row row(const Differentials& d, Quantity q) { return {d[q][0], d[q][1]}; }

// u, g, f and rho from p, T, v, s and h: du = dh - p dv - v dp, dg = dh - T ds - s dT,
// df = du - T ds - s dT, drho = -rho^2 dv.
void derive(const vlm_state& st, Differentials& d) {
  const Row p = row(d, Quantity::P), t = row(d, Quantity::T), v = row(d, Quantity::V), s = row(d, Quantity::S),
            h = row(d, Quantity::H);
  const Row u{h.a - st.p * v.a - st.v * p.a, h.b - st.p * v.b - st.v * p.b};
  set(d, Quantity::U, u);
  set(d, Quantity::G, {h.a - st.T * s.a - st.s * t.a, h.b - st.T * s.b - st.s * t.b});
  set(d, Quantity::F, {u.a - st.T * s.a - st.s * t.a, u.b - st.T * s.b - st.s * t.b});
  const double r2 = st.rho * st.rho;
  set(d, Quantity::Rho, {-r2 * v.a, -r2 * v.b});
}

}  // namespace

bool quantityNamed(const char* name, Quantity& q) {
  static constexpr const char* kNames[kQuantities] = {"p", "T", "v", "rho", "u", "h", "s", "g", "f"};
  if (!name) return false;
  for (int i = 0; i < kQuantities; ++i) {
    if (std::strcmp(name, kNames[i]) == 0) {
      q = static_cast<Quantity>(i);
      return true;
    }
  }
  return false;
}

void singlePhaseDifferentials(const vlm_state& st, const VolumeSlopes& sl, Differentials& d) {
  const Phase ph = phaseRows(sl, st.T, st.cp);
  set(d, Quantity::P, {0.0, 1.0});
  set(d, Quantity::T, {1.0, 0.0});
  set(d, Quantity::V, ph.v);
  set(d, Quantity::S, ph.s);
  set(d, Quantity::H, ph.h);
  derive(st, d);
}

void wetDifferentials(const vlm_state& st, double dpdt, const PhaseOnLine& l, const PhaseOnLine& g, Differentials& d) {
  // The mixture takes x of the vapour's slope along the line, and x's own slope is the
  // difference of the phases.
  const auto mixed = [&](double LineSlopes::*q, double liquid, double vapour) {
    return Row{st.x * (g.along.*q) + (1.0 - st.x) * (l.along.*q), vapour - liquid};
  };
  set(d, Quantity::P, {dpdt, 0.0});
  set(d, Quantity::T, {1.0, 0.0});
  set(d, Quantity::V, mixed(&LineSlopes::v, l.v, g.v));
  set(d, Quantity::S, mixed(&LineSlopes::s, l.s, g.s));
  set(d, Quantity::H, mixed(&LineSlopes::h, l.h, g.h));
  derive(st, d);
}

Code differentials(const vlm_state& st, const Config& cfg, Differentials& d) {
  if (st.region == 1 || st.region == 2 || st.region == 3 || st.region == 5) {
    singlePhaseDifferentials(st, slopesOf(st.region, st.p, st.T, st.rho), d);
    return kNoError;
  }
  if (st.region != 4) return kOutOfRange;
  Saturation sat;
  if (const Code code = saturation(st.T, cfg, sat)) return code;
  const CaloricSet &l = sat.liquid, &g = sat.vapour;
  wetDifferentials(st, saturation::slope(st.T), {l.v, l.h, l.s, lineSlopes(st.T, sat, 0)},
                   {g.v, g.h, g.s, lineSlopes(st.T, sat, 1)}, d);
  return kNoError;
}

LineSlopes lineSlopes(double t, const Saturation& sat, int phase) {
  const CaloricSet& c = phase == 0 ? sat.liquid : sat.vapour;
  const int region = t > constants::T13 ? 3 : phase == 0 ? 1 : 2;
  const Phase rows = phaseRows(slopesOf(region, sat.ps, t, 1.0 / c.v), t, c.cp);
  // dp/dT of the saturation pressure the states carry; the phases' Clapeyron slope
  // (s'' - s') / (v'' - v') agrees with it only to the consistency of the equations (3e-4 at 600 K).
  const double dp = saturation::slope(t);
  return {rows.v.a + rows.v.b * dp, rows.h.a + rows.h.b * dp, rows.s.a + rows.s.b * dp};
}

double partial(const Differentials& d, Quantity of, Quantity wrt, Quantity held) {
  const double* a = d[of];
  const double* b = d[wrt];
  const double* c = d[held];
  const double den = b[0] * c[1] - b[1] * c[0];
  if (den == 0.0) return kNaN;
  return (a[0] * c[1] - a[1] * c[0]) / den;
}

void fillFurther(const vlm_state& st, const Differentials& d, double gasConstant, vlm_state_ex& out) {
  using Q = Quantity;
  out.g = st.h - st.T * st.s;
  out.f = st.u - st.T * st.s;
  out.z = st.p * st.v / (gasConstant * st.T);
  out.alpha_v = partial(d, Q::V, Q::T, Q::P) / st.v;
  out.kappa_t = -partial(d, Q::V, Q::P, Q::T) / st.v;
  out.alpha_p = partial(d, Q::P, Q::T, Q::V) / st.p;
  out.joule_thomson = partial(d, Q::T, Q::P, Q::H);
  out.delta_t = partial(d, Q::H, Q::P, Q::T);
}

}  // namespace vlm::state
