// One field of a whole state from a pair of properties, for callers that can reach only the
// plain __stdcall exports (VBA in 32-bit Office, say): the state interface's solves with the
// process-wide settings, the field picked by number in vlm_state's order.
#include <cmath>

#include "faces/computing.hpp"
#include "solvers/fill.hpp"
#include "solvers/solve.hpp"

namespace {

using vlm::Config;
using vlm::Result;

// vlm_state's fields in the order of their numbers 1 to 17; 0 is the region.
constexpr double vlm_state::*kFields[] = {
    &vlm_state::p,   &vlm_state::T,  &vlm_state::rho,     &vlm_state::v,     &vlm_state::u,    &vlm_state::h,
    &vlm_state::s,   &vlm_state::cp, &vlm_state::cv,      &vlm_state::w,     &vlm_state::x,    &vlm_state::lambda,
    &vlm_state::eta, &vlm_state::nu, &vlm_state::prandtl, &vlm_state::kappa, &vlm_state::sigma};
constexpr int kFieldCount = sizeof kFields / sizeof kFields[0];
constexpr int kFirstTransport = 12;  // lambda

// A field number that is not a whole number from 0 to 17 is an argument out of range; so is
// a transport field the state leaves undefined (NaN outside its equations' ranges).
template <class Solve>
Result field(const Config& c, double number, const Solve& solve) {
  if (!(number >= 0 && number <= kFieldCount) || number != std::floor(number)) return vlm::failure(vlm::kOutOfRange);
  const int n = static_cast<int>(number);
  // The transport equations are most of a state's cost: only their own fields need them.
  Config k = c;
  k.transport = n >= kFirstTransport && kFields[n - 1] != &vlm_state::kappa;
  vlm_state s{};
  const vlm::state::Code code = solve(k, s);
  if (code != vlm::kNoError) return vlm::failure(code);
  if (n == 0) return {static_cast<double>(s.region), vlm::kNoError};
  const double value = s.*kFields[n - 1];
  if (std::isnan(value) && n >= kFirstTransport) return vlm::failure(vlm::kOutOfRange);
  return vlm::finite(value);
}

}  // namespace

namespace vlm::computing {

using namespace vlm::state;

Result vlmSTATEPT(const Config& c, double p, double t, double f) {
  return field(c, f, [&](const Config& k, vlm_state& s) { return statePT(p, t, k, s); });
}
Result vlmSTATEPH(const Config& c, double p, double h, double f) {
  return field(c, f, [&](const Config& k, vlm_state& s) { return statePH(p, h, k, s); });
}
Result vlmSTATEPS(const Config& c, double p, double s, double f) {
  return field(c, f, [&](const Config& k, vlm_state& st) { return statePS(p, s, k, st); });
}
Result vlmSTATEHS(const Config& c, double h, double s, double f) {
  return field(c, f, [&](const Config& k, vlm_state& st) { return stateHS(h, s, k, st); });
}
Result vlmSTATETX(const Config& c, double t, double x, double f) {
  return field(c, f, [&](const Config& k, vlm_state& s) { return stateTX(t, x, k, s); });
}
Result vlmSTATEPX(const Config& c, double p, double x, double f) {
  return field(c, f, [&](const Config& k, vlm_state& s) { return statePX(p, x, k, s); });
}

}  // namespace vlm::computing
