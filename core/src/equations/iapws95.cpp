#include "equations/iapws95.hpp"

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

// n delta^d tau^t exp(-delta^c) (c = 0: no exponential), with its derivatives.
Phi powerTerm(double n, int c, double d, double t, double delta, double tau) {
  const double dc = c ? std::pow(delta, c) : 0.0;
  const double base = n * std::pow(delta, d) * std::pow(tau, t) * (c ? std::exp(-dc) : 1.0);
  const double k = d - c * dc;  // delta times the delta-derivative of ln(term)
  return {base,
          base * k / delta,
          base * (k * (k - 1.0) - c * c * dc) / (delta * delta),
          base * t / tau,
          base * t * (t - 1.0) / (tau * tau),
          base * k * t / (delta * tau)};
}

// n delta^d tau^t exp(-alpha (delta - epsilon)^2 - beta (tau - gamma)^2).
Phi gaussTerm(int i, double delta, double tau) {
  using namespace gauss;
  const double de = delta - epsilon[i], tg = tau - gamma[i];
  const double base =
      n[i] * std::pow(delta, d[i]) * std::pow(tau, t[i]) * std::exp(-alpha[i] * de * de - beta[i] * tg * tg);
  const double a = d[i] / delta - 2.0 * alpha[i] * de, b = t[i] / tau - 2.0 * beta[i] * tg;
  return {base,
          base * a,
          base * (a * a - d[i] / (delta * delta) - 2.0 * alpha[i]),
          base * b,
          base * (b * b - t[i] / (tau * tau) - 2.0 * beta[i]),
          base * a * b};
}

// n Delta^b delta psi, the terms that shape the critical region.
Phi nonanalyticTerm(int i, double delta, double tau) {
  using namespace nonanalytic;
  const double dm = delta - 1.0, q = dm * dm;
  // At delta = 1 (q = 0) a power of q with a negative exponent is infinite, but it only enters
  // multiplied by q or delta - 1: a tiny q keeps those products at their limit, 0.  (At the
  // critical point itself, Delta = 0 as well, and the terms' limits are not taken here.)
  const double qs = q == 0.0 ? 1e-300 : q;
  const double psi = std::exp(-C[i] * q - D[i] * (tau - 1.0) * (tau - 1.0));
  const double psiD = -2.0 * C[i] * dm * psi, psiDD = (2.0 * C[i] * q - 1.0) * 2.0 * C[i] * psi;
  const double psiT = -2.0 * D[i] * (tau - 1.0) * psi;
  const double psiTT = (2.0 * D[i] * (tau - 1.0) * (tau - 1.0) - 1.0) * 2.0 * D[i] * psi;
  const double psiDT = 4.0 * C[i] * D[i] * dm * (tau - 1.0) * psi;
  const double e = 1.0 / (2.0 * beta[i]);
  const double theta = (1.0 - tau) + A[i] * std::pow(qs, e);
  const double Delta = theta * theta + B[i] * std::pow(qs, a[i]);
  const double dDelta =
      dm * (A[i] * theta * 2.0 / beta[i] * std::pow(qs, e - 1.0) + 2.0 * B[i] * a[i] * std::pow(qs, a[i] - 1.0));
  const double ddDelta = (dm == 0.0 ? 0.0 : dDelta / dm) +
                         q * (4.0 * B[i] * a[i] * (a[i] - 1.0) * std::pow(qs, a[i] - 2.0) +
                              2.0 * A[i] * A[i] / (beta[i] * beta[i]) * std::pow(std::pow(qs, e - 1.0), 2.0) +
                              A[i] * theta * 4.0 / beta[i] * (e - 1.0) * std::pow(qs, e - 2.0));
  const double Db = std::pow(Delta, b[i]);
  const double Db1 = b[i] * std::pow(Delta, b[i] - 1.0);  // d(Delta^b)/d(Delta)
  const double Db2 = b[i] * (b[i] - 1.0) * std::pow(Delta, b[i] - 2.0);
  const double DbD = Db1 * dDelta;
  const double DbDD = Db1 * ddDelta + Db2 * dDelta * dDelta;
  const double DbT = -2.0 * theta * Db1;
  const double DbTT = 2.0 * Db1 + 4.0 * theta * theta * Db2;
  const double DbDT = -A[i] * 2.0 / beta[i] * Db1 * dm * std::pow(qs, e - 1.0) - 2.0 * theta * Db2 * dDelta;
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

Phi residual(double delta, double tau) {
  Phi sum{};
  for (int i = 0; i < poly::rowCount; ++i) add(sum, powerTerm(poly::n[i], 0, poly::d[i], poly::t[i], delta, tau));
  for (int i = 0; i < expo::rowCount; ++i)
    add(sum, powerTerm(expo::n[i], expo::c[i], expo::d[i], expo::t[i], delta, tau));
  for (int i = 0; i < gauss::rowCount; ++i) add(sum, gaussTerm(i, delta, tau));
  for (int i = 0; i < nonanalytic::rowCount; ++i) add(sum, nonanalyticTerm(i, delta, tau));
  return sum;
}

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

double density(double p, double t, double start) {
  double rho = start, previous = HUGE_VAL;
  for (int k = 0; k < 100; ++k) {
    const PressureAndGibbs e = pressureAndGibbs(rho, t);
    const double step = (e.p - p) / e.dpdr;
    if (!std::isfinite(step) || !(e.dpdr > 0.0)) return NAN;
    rho -= step;
    if (!(rho > 0.0)) return NAN;
    // Done, or at the pressure's rounding: in a liquid 1 + delta phir_d is a small difference
    // of large terms, so steps stall near 1e-14 rho instead of shrinking further, and next to
    // the critical point the flat isotherm magnifies that to some 1e-11 rho.
    const double size = std::fabs(step);
    if (size <= 1e-15 * rho || (size >= 0.5 * previous && size <= 1e-9 * rho)) return rho;
    previous = size;
  }
  return previous <= 1e-9 * rho ? rho : NAN;
}

double auxiliaryLiquidDensity(double t) { return criticalDensity() * (1.0 + auxiliarySum("rho_liq", t)); }
double auxiliaryVapourDensity(double t) { return criticalDensity() * std::exp(auxiliarySum("rho_vap", t)); }

Saturation saturation(double t) {
  double liquid = auxiliaryLiquidDensity(t), vapour = auxiliaryVapourDensity(t);
  for (int k = 0; k < 100; ++k) {
    const PressureAndGibbs l = pressureAndGibbs(liquid, t), v = pressureAndGibbs(vapour, t);
    // Equal pressures and Gibbs energies; dg/drho = (dp/drho) / rho.
    const double fp = l.p - v.p, fg = l.g - v.g;
    const double a = l.dpdr, b = -v.dpdr, c = l.dpdr / liquid, d = -v.dpdr / vapour;
    const double det = a * d - b * c;
    const double dl = (fp * d - b * fg) / det, dv = (a * fg - c * fp) / det;
    if (!std::isfinite(dl) || !std::isfinite(dv)) break;
    liquid -= dl;
    vapour -= dv;
    // The pressure from the vapour: the liquid's changes by dp/drho ~ 1e6 Pa per kg/m3.
    if (std::fabs(dl) <= 1e-14 * liquid && std::fabs(dv) <= 1e-14 * vapour)
      return {pressureAndGibbs(vapour, t).p, liquid, vapour};
  }
  return {NAN, NAN, NAN};
}

}  // namespace vlm::iapws95
