#include "equations/iapws95.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace vlm::iapws95 {
namespace {

namespace constants {
#include "tables/iapws95_constants.inc"
}
namespace ideal0 {
#include "tables/iapws95_ideal.inc"
}
namespace idealExp {
#include "tables/iapws95_ideal_exp.inc"
}
namespace poly {
#include "tables/iapws95_poly.inc"
}
namespace expo {
#include "tables/iapws95_exp.inc"
}
namespace gauss {
#include "tables/iapws95_gauss.inc"
}
namespace nonanalytic {
#include "tables/iapws95_nonanalytic.inc"
}
namespace aux {
#include "tables/iapws95_saturation_aux.inc"
}

// sum n theta^(num/den) over the auxiliary equation `name`.
double auxiliarySum(const char* name, double t) {
  const double theta = 1.0 - t / criticalTemperature();
  double sum = 0.0;
  for (int i = 0; i < aux::rowCount; ++i) {
    if (std::strcmp(aux::equation[i], name) == 0)
      sum += aux::n[i] * std::pow(theta, static_cast<double>(aux::exp_num[i]) / aux::exp_den[i]);
  }
  return sum;
}

void add(Phi& sum, const Phi& term) {
  sum.f += term.f;
  sum.d += term.d;
  sum.dd += term.dd;
  sum.t += term.t;
  sum.tt += term.tt;
  sum.dt += term.dt;
}

template <class T, int N>
constexpr T largest(const T (&v)[N]) {
  T m = v[0];
  for (T x : v) m = x > m ? x : m;
  return m;
}
constexpr int kMaxD = std::max({largest(poly::d), largest(expo::d), largest(gauss::d)});
constexpr int kMaxT = std::max(largest(expo::t), largest(gauss::t));
constexpr int kMaxC = largest(expo::c);

// The exponents c the exponential terms use.
constexpr std::array<bool, kMaxC + 1> kUsed = [] {
  std::array<bool, kMaxC + 1> used{};
  for (int c : expo::c) used[c] = true;
  return used;
}();

// The powers of delta and tau every term takes, found once per evaluation by multiplication
// (pow costs far more, and the terms need 110 of them).
struct Powers {
  double delta, tau, invDelta, invTau;
  double d[kMaxD + 1], t[kMaxT + 1], decay[kMaxC + 1];  // delta^i, tau^i, exp(-delta^c)
  double eighths[9];                                    // tau^(i/8), for the fractional exponents

  Powers(double dl, double ta) : delta(dl), tau(ta), invDelta(1.0 / dl), invTau(1.0 / ta) {
    // Each power from two halves, so rounding grows with log2 of the exponent, not with it:
    // tau^50 by 49 products would carry some 25 units of the last bit, enough to move the
    // sum's 15th digit.
    d[0] = t[0] = 1.0;
    d[1] = dl;
    t[1] = ta;
    for (int i = 2; i <= kMaxD; ++i) d[i] = d[i / 2] * d[i - i / 2];
    for (int i = 2; i <= kMaxT; ++i) t[i] = t[i / 2] * t[i - i / 2];
    // exp of an argument below -708 is 0 but takes the library's slow underflow path (and
    // sets errno): dense liquid reaches delta^6 near 900.
    for (int c = 1; c <= kMaxC; ++c) decay[c] = kUsed[c] && d[c] < 700.0 ? std::exp(-d[c]) : 0.0;
    eighths[0] = 1.0;
    eighths[8] = ta;
    eighths[4] = std::sqrt(ta);
    eighths[2] = std::sqrt(eighths[4]);
    eighths[1] = std::sqrt(eighths[2]);
    eighths[3] = eighths[2] * eighths[1];
    eighths[5] = eighths[4] * eighths[1];
    eighths[6] = eighths[4] * eighths[2];
    eighths[7] = eighths[4] * eighths[3];
  }
  // tau^(k/8), -8 <= k <= 8.
  double tauEighths(int k) const { return k >= 0 ? eighths[k] : 1.0 / eighths[-k]; }
};

// The polynomial terms' exponents of tau in eighths: each is a multiple of 1/8 within [-1, 1]
// (a table that is not fails to compile here).
constexpr std::array<int, poly::rowCount> kPolyEighths = [] {
  std::array<int, poly::rowCount> k{};
  for (int i = 0; i < poly::rowCount; ++i) {
    k[i] = static_cast<int>(poly::t[i] * 8.0);
    if (k[i] != poly::t[i] * 8.0 || k[i] < -8 || k[i] > 8) throw "a polynomial exponent not in eighths";
  }
  return k;
}();

// The power terms n delta^d tau^t exp(-delta^c), c = 0 meaning no exponential, summed a
// group of equal c at a time: with k = d - c delta^c (delta times the delta-derivative of
// the term's logarithm, the same c delta^c across the group), every derivative of the group
// follows from the sums of its terms' values v weighted by 1, d, d (d - 1), t, t (t - 1) and
// d t: half the products of taking each term's derivatives on its own.
struct Moments {
  double v = 0.0, vd = 0.0, vdd = 0.0, vt = 0.0, vtt = 0.0, vdt = 0.0;
};

// Each term's coefficient times those weights, from the tables once.
struct Weights {
  double n, nd, ndd, nt, ntt, ndt;
};
constexpr Weights weights(double n, double d, double t) {
  return {n, n * d, n * d * (d - 1.0), n * t, n * t * (t - 1.0), n * d * t};
}
template <int N, class D, class T>
constexpr std::array<Weights, N> weightsOf(const double (&n)[N], const D (&d)[N], const T (&t)[N]) {
  std::array<Weights, N> w{};
  for (int i = 0; i < N; ++i) w[i] = weights(n[i], d[i], t[i]);
  return w;
}
constexpr auto kPolyWeights = weightsOf(poly::n, poly::d, poly::t);
constexpr auto kExpWeights = weightsOf(expo::n, expo::d, expo::t);

// kTau: the moments in t too (a pressure and its slope need only those in d).
template <bool kTau>
void take(Moments& m, const Weights& w, double powers) {
  m.v += w.n * powers;
  m.vd += w.nd * powers;
  m.vdd += w.ndd * powers;
  if constexpr (kTau) {
    m.vt += w.nt * powers;
    m.vtt += w.ntt * powers;
    m.vdt += w.ndt * powers;
  }
}

// The moments of terms [i, end) of a table into two sets taken in turn, then joined: one
// chain of additions would wait on each addition before the next.
template <bool kTau, class Term>
Moments moments(int i, int end, Term powersOf, const Weights* w) {
  Moments a, b;
  for (; i + 1 < end; i += 2) {
    take<kTau>(a, w[i], powersOf(i));
    take<kTau>(b, w[i + 1], powersOf(i + 1));
  }
  if (i < end) take<kTau>(a, w[i], powersOf(i));
  return {a.v + b.v, a.vd + b.vd, a.vdd + b.vdd, a.vt + b.vt, a.vtt + b.vtt, a.vdt + b.vdt};
}

// The group's part of phi and its derivatives: decay = exp(-delta^c), k0 = c delta^c.
template <bool kTau>
void addGroup(Phi& sum, const Moments& m, int c, double decay, double k0, const Powers& w) {
  const double vk = m.vd - k0 * m.v;  // sum v k
  // sum v (k (k - 1) - c^2 delta^c) = sum v d (d - 1) - 2 k0 sum v d + (k0^2 + k0 - c k0) sum v
  const double vkk = m.vdd - 2.0 * k0 * m.vd + (k0 * k0 + k0 - c * k0) * m.v;
  sum.f += decay * m.v;
  sum.d += decay * vk * w.invDelta;
  sum.dd += decay * vkk * w.invDelta * w.invDelta;
  if constexpr (kTau) {
    sum.t += decay * m.vt * w.invTau;
    sum.tt += decay * m.vtt * w.invTau * w.invTau;
    sum.dt += decay * (m.vdt - k0 * m.vt) * w.invDelta * w.invTau;
  }
}

// n delta^d tau^t exp(-alpha (delta - epsilon)^2 - beta (tau - gamma)^2).
Phi gaussTerm(int i, const Powers& w) {
  using namespace gauss;
  const double de = w.delta - epsilon[i], tg = w.tau - gamma[i];
  const double base = n[i] * w.d[d[i]] * w.t[t[i]] * std::exp(-alpha[i] * de * de - beta[i] * tg * tg);
  const double a = d[i] * w.invDelta - 2.0 * alpha[i] * de, b = t[i] * w.invTau - 2.0 * beta[i] * tg;
  return {base,
          base * a,
          base * (a * a - d[i] * w.invDelta * w.invDelta - 2.0 * alpha[i]),
          base * b,
          base * (b * b - t[i] * w.invTau * w.invTau - 2.0 * beta[i]),
          base * a * b};
}

// n Delta^b delta psi, the terms that shape the critical region.
// What the non-analytic terms share when their exponents and coefficients agree (they do in
// the release): q^e, q^a and ln Delta, found for the first and reused by the next.
struct Shared {
  double e = NAN, a = NAN, A = NAN, B = NAN;
  double qe = 0.0, qa = 0.0, logDelta = 0.0;
};

Phi nonanalyticTerm(int i, double delta, double tau, double logQ, Shared& shared) {
  using namespace nonanalytic;
  const double dm = delta - 1.0, q = dm * dm;
  if (q == 0.0 && tau == 1.0) {
    // The critical point, Delta = 0: the term and its derivatives vanish there except the
    // second in tau, which diverges like Delta^(b - 1); the term of the smaller b diverges
    // faster and sets the sign of the sum (cv is infinite at the critical point).
    static_assert(rowCount == 2);
    const double tt = b[i] < b[1 - i] ? n[i] * HUGE_VAL : 0.0;
    return {0.0, 0.0, 0.0, 0.0, tt, 0.0};
  }
  // Away from the critical point the term fades below 1e-43 of the others (at 300 K from
  // tau - 1 alone): it no longer moves any sum, and its powers cost more than the rest.
  const double fade = C[i] * q + D[i] * (tau - 1.0) * (tau - 1.0);
  if (fade > 100.0) return {};
  const double psi = std::exp(-fade);
  const double psiD = -2.0 * C[i] * dm * psi, psiDD = (2.0 * C[i] * q - 1.0) * 2.0 * C[i] * psi;
  const double psiT = -2.0 * D[i] * (tau - 1.0) * psi;
  const double psiTT = (2.0 * D[i] * (tau - 1.0) * (tau - 1.0) - 1.0) * 2.0 * D[i] * psi;
  const double psiDT = 4.0 * C[i] * D[i] * dm * (tau - 1.0) * psi;
  // The powers of q = (delta - 1)^2: at delta = 1 (q = 0) those with a negative exponent
  // would be infinite, but each enters multiplied by q or delta - 1 into a positive power,
  // whose limit 0 the products below take.
  // Powers as exponentials of the logarithms, ln q shared by both terms: pow costs three
  // times as much, and these are most of the terms' cost.
  const double e = 1.0 / (2.0 * beta[i]);
  const bool samePowers = e == shared.e && a[i] == shared.a;
  if (!samePowers) {
    shared = {e, a[i], NAN, NAN, q > 0.0 ? std::exp(e * logQ) : 0.0, q > 0.0 ? std::exp(a[i] * logQ) : 0.0, 0.0};
  }
  const double qe = shared.qe, qa = shared.qa;
  const double qe1 = q > 0.0 ? qe / q : 0.0, qa1 = q > 0.0 ? qa / q : 0.0;  // q^(e-1), q^(a-1)
  const double theta = (1.0 - tau) + A[i] * qe;
  const double Delta = theta * theta + B[i] * qa;
  const double dDelta = dm * (A[i] * theta * 2.0 / beta[i] * qe1 + 2.0 * B[i] * a[i] * qa1);
  // (dDelta/dm) / dm, plus q times the second derivative's remaining terms.
  const double ddDelta =
      A[i] * theta * 2.0 / beta[i] * qe1 + 2.0 * B[i] * a[i] * qa1 + 4.0 * B[i] * a[i] * (a[i] - 1.0) * qa1 +
      2.0 * A[i] * A[i] / (beta[i] * beta[i]) * qe1 * qe1 * q + A[i] * theta * 4.0 / beta[i] * (e - 1.0) * qe1;
  if (!(A[i] == shared.A && B[i] == shared.B)) {
    shared.A = A[i];
    shared.B = B[i];
    shared.logDelta = std::log(Delta);
  }
  const double Db = std::exp(b[i] * shared.logDelta);
  const double Db1 = b[i] * Db / Delta;  // d(Delta^b)/d(Delta)
  const double Db2 = b[i] * (b[i] - 1.0) * Db / (Delta * Delta);
  const double DbD = Db1 * dDelta;
  const double DbDD = Db1 * ddDelta + Db2 * dDelta * dDelta;
  const double DbT = -2.0 * theta * Db1;
  const double DbTT = 2.0 * Db1 + 4.0 * theta * theta * Db2;
  const double DbDT = -A[i] * 2.0 / beta[i] * Db1 * dm * qe1 - 2.0 * theta * Db2 * dDelta;
  const double nn = n[i];
  return {nn * Db * delta * psi,
          nn * (Db * (psi + delta * psiD) + DbD * delta * psi),
          nn * (Db * (2.0 * psiD + delta * psiDD) + 2.0 * DbD * (psi + delta * psiD) + DbDD * delta * psi),
          nn * delta * (DbT * psi + Db * psiT),
          nn * delta * (DbTT * psi + 2.0 * DbT * psiT + Db * psiTT),
          nn * (Db * (psiT + delta * psiDT) + delta * DbD * psiT + DbT * (psi + delta * psiD) + DbDT * delta * psi)};
}

}  // namespace

double criticalTemperature() { return constants::value[0]; }
double criticalDensity() { return constants::value[1]; }
double gasConstant() { return constants::value[2] * 1000.0; }

Phi ideal(double delta, double tau) {
  using ideal0::n;
  Phi p{std::log(delta) + n[0] + n[1] * tau + n[2] * std::log(tau),
        1.0 / delta,
        -1.0 / (delta * delta),
        n[1] + n[2] / tau,
        -n[2] / (tau * tau),
        0.0};
  for (int i = 0; i < idealExp::rowCount; ++i) {
    const double g = idealExp::gamma[i], e = std::exp(-g * tau);
    p.f += idealExp::n[i] * std::log(1.0 - e);
    p.t += idealExp::n[i] * g * (1.0 / (1.0 - e) - 1.0);
    p.tt -= idealExp::n[i] * g * g * e / ((1.0 - e) * (1.0 - e));
  }
  return p;
}

namespace {

// phi^r and its derivatives; without kTau those in tau are left 0.
template <bool kTau>
Phi residualOf(double delta, double tau) {
  const Powers w(delta, tau);
  Phi sum{};
  const Moments polynomial = moments<kTau>(
      0, poly::rowCount, [&](int i) { return w.d[poly::d[i]] * w.tauEighths(kPolyEighths[i]); }, kPolyWeights.data());
  addGroup<kTau>(sum, polynomial, 0, 1.0, 0.0, w);
  // The exponential terms come in groups of equal c.
  for (int i = 0; i < expo::rowCount;) {
    const int c = expo::c[i];
    int end = i;
    while (end < expo::rowCount && expo::c[end] == c) ++end;
    if (w.decay[c] != 0.0) {
      const Moments group = moments<kTau>(
          i, end, [&](int k) { return w.d[expo::d[k]] * w.t[expo::t[k]]; }, kExpWeights.data());
      addGroup<kTau>(sum, group, c, w.decay[c], c * w.d[c], w);
    }
    i = end;
  }
  for (int i = 0; i < gauss::rowCount; ++i) add(sum, gaussTerm(i, w));
  const double q = (delta - 1.0) * (delta - 1.0), logQ = q > 0.0 ? std::log(q) : 0.0;
  Shared shared;
  for (int i = 0; i < nonanalytic::rowCount; ++i) add(sum, nonanalyticTerm(i, delta, tau, logQ, shared));
  if constexpr (!kTau) sum.t = sum.tt = sum.dt = 0.0;
  return sum;
}

}  // namespace

Phi residual(double delta, double tau) { return residualOf<true>(delta, tau); }

Properties properties(double rho, double t) {
  const double delta = rho / criticalDensity(), tau = criticalTemperature() / t, R = gasConstant();
  const Phi o = ideal(delta, tau), r = residual(delta, tau);
  const double pr = 1.0 + delta * r.d;  // p / (rho R T)
  const double cv = -R * tau * tau * (o.tt + r.tt);
  const double slope = 1.0 + delta * r.d - delta * tau * r.dt;             // (dp/dT)_rho / (rho R)
  const double compress = 1.0 + 2.0 * delta * r.d + delta * delta * r.dd;  // (dp/drho)_T / (R T)
  Properties out;
  out.p = rho * R * t * pr;
  out.u = R * t * tau * (o.t + r.t);
  out.s = R * (tau * (o.t + r.t) - o.f - r.f);
  out.h = R * t * (tau * (o.t + r.t) + pr);
  out.cv = cv;
  out.cp = cv + R * slope * slope / compress;
  out.w = std::sqrt(R * t * (compress - slope * slope / (tau * tau * (o.tt + r.tt))));
  return out;
}

PressureAndGibbs pressureAndGibbs(double rho, double t) {
  const double delta = rho / criticalDensity(), tau = criticalTemperature() / t, rt = gasConstant() * t;
  const Phi o = ideal(delta, tau), r = residual(delta, tau);
  const double pr = 1.0 + delta * r.d;
  return {rho * rt * pr, rt * (1.0 + 2.0 * delta * r.d + delta * delta * r.dd), rt * (o.f + r.f + pr)};
}

PressureSlope pressure(double rho, double t) {
  const double delta = rho / criticalDensity(), rt = gasConstant() * t;
  const Phi r = residualOf<false>(delta, criticalTemperature() / t);
  return {rho * rt * (1.0 + delta * r.d), rt * (1.0 + 2.0 * delta * r.d + delta * delta * r.dd)};
}

double density(double p, double t, double start) {
  double rho = start, previous = HUGE_VAL;
  for (int k = 0; k < 100; ++k) {
    const PressureSlope e = pressure(rho, t);
    const double step = (e.p - p) / e.dpdr;
    if (!std::isfinite(step) || !(e.dpdr > 0.0)) return NAN;
    rho -= step;
    if (!(rho > 0.0)) return NAN;
    // Done: a step that Newton's square law shows leaves an error below the rounding (the
    // one evaluation saved is most of the cost of a state); or at the pressure's rounding,
    // where in a liquid 1 + delta phir_d is a small difference of large terms, so steps stall
    // near 1e-14 rho instead of shrinking further, and next to the critical point the flat
    // isotherm magnifies that to some 1e-11 rho.
    const double size = std::fabs(step) / rho;
    if (size <= 1e-15 || (size <= 1e-9 && size <= 100.0 * previous * previous)) return rho;
    if (size >= 0.5 * previous && size <= 1e-9) return rho;
    previous = size;
  }
  return previous <= 1e-9 ? rho : NAN;
}

namespace {
constexpr double kScalingBelow = 1e-5;  // K below the critical temperature
}  // namespace

double auxiliaryLiquidDensity(double t) { return criticalDensity() * (1.0 + auxiliarySum("rho_liq", t)); }
double auxiliaryVapourDensity(double t) { return criticalDensity() * std::exp(auxiliarySum("rho_vap", t)); }

namespace {

// The phase equilibrium at T by Newton (T up to kScalingBelow below the critical point), from
// the given densities or, where they are not on their sides, the auxiliary equations'.
Saturation equilibrium(double t, double liquidStart, double vapourStart) {
  const double tc = criticalTemperature(), rc = criticalDensity();
  if (t == tc) return {pressureAndGibbs(rc, tc).p, rc, rc};
  if (!(t < tc)) return {NAN, NAN, NAN};
  double liquid = std::fmax(liquidStart > rc ? liquidStart : auxiliaryLiquidDensity(t), rc * (1.0 + 1e-6));
  double vapour =
      std::fmin(vapourStart > 0.0 && vapourStart < rc ? vapourStart : auxiliaryVapourDensity(t), rc * (1.0 - 1e-6));
  PressureAndGibbs l = pressureAndGibbs(liquid, t), v = pressureAndGibbs(vapour, t);
  double previous = HUGE_VAL;
  int wandering = 0;
  for (int k = 0; k < 200; ++k) {
    // Equal pressures and Gibbs energies; dg/drho = (dp/drho) / rho.
    const double fp = l.p - v.p, fg = l.g - v.g;
    const double a = l.dpdr, b = -v.dpdr, c = l.dpdr / liquid, d = -v.dpdr / vapour;
    const double det = a * d - b * c;
    const double dl = (fp * d - b * fg) / det, dv = (a * fg - c * fp) / det;
    if (!std::isfinite(dl) || !std::isfinite(dv)) break;
    // Near the critical point a full step can cross to the other phase or into the unstable
    // part of the isotherm, where Newton finds the trivial solution of two equal phases:
    // halve it until both phases stay on their own stable sides.
    double scale = 1.0;
    PressureAndGibbs nl{}, nv{};
    for (; scale > 1e-12; scale *= 0.5) {
      if (!(liquid - scale * dl > rc && vapour - scale * dv < rc && vapour - scale * dv > 0.0)) continue;
      nl = pressureAndGibbs(liquid - scale * dl, t);
      nv = pressureAndGibbs(vapour - scale * dv, t);
      if (nl.dpdr > 0.0 && nv.dpdr > 0.0) break;
    }
    if (!(scale > 1e-12)) break;
    liquid -= scale * dl;
    vapour -= scale * dv;
    l = nl;
    v = nv;
    // Done, or at the rounding of the Gibbs energies: a few units in the 14th digit of g,
    // which the flat isotherms next to the critical point magnify into the densities (some
    // 1e-9 at 0.01 K below it, 1e-6 at 1e-4 K) while the pressure stays exact.
    const double size = std::fmax(std::fabs(dl) / liquid, std::fabs(dv) / vapour) * scale;
    if (size <= 1e-16 || (scale == 1.0 && size >= 0.5 * previous && size <= 1e-5)) return {v.p, liquid, vapour};
    // Wandering there: full steps that stay this small no longer converge but follow the rounding.
    if (scale == 1.0 && size <= 1e-5 && ++wandering >= 4) return {v.p, liquid, vapour};
    previous = scale == 1.0 ? size : HUGE_VAL;
  }
  return {NAN, NAN, NAN};
}

// The saturated phases within kScalingBelow of the critical temperature: the rounding of the
// Gibbs energies (a few units in their 14th digit) leaves the equilibrium undetermined there
// beyond some 1e-5 of the densities, and Newton no longer finds it.  The densities follow the
// scaling law |rho - rho_c| ~ (T_c - T)^beta, its exponent and amplitude from the equilibria
// at kScalingBelow and ten times that below T_c; the pressure is the mean of the phases'
// (their isotherm is flat there: they agree to some 1e-12).
Saturation scalingLaw(double t) {
  const double tc = criticalTemperature(), rc = criticalDensity();
  const Saturation near = equilibrium(tc - kScalingBelow, 0.0, 0.0),
                   far = equilibrium(tc - 10.0 * kScalingBelow, 0.0, 0.0);
  const double ratio = (tc - t) / kScalingBelow;
  const auto law = [&](double atNear, double atFar) {
    const double beta = std::log10((atFar - rc) / (atNear - rc));
    return rc + (atNear - rc) * std::pow(ratio, beta);
  };
  const double liquid = law(near.liquid, far.liquid), vapour = law(near.vapour, far.vapour);
  const double p = 0.5 * (pressureAndGibbs(liquid, t).p + pressureAndGibbs(vapour, t).p);
  return {p, liquid, vapour};
}

}  // namespace

Saturation saturation(double t, double liquidStart, double vapourStart) {
  const double tc = criticalTemperature();
  if (t < tc && tc - t < kScalingBelow) return scalingLaw(t);
  return equilibrium(t, liquidStart, vapourStart);
}

}  // namespace vlm::iapws95
