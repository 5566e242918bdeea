// The extended state's entry points: a pair by number, the field groups the caller asks for,
// and a size the library never writes beyond, so a caller built against an older header
// keeps working when fields are added at the end.
#include <cmath>
#include <cstddef>
#include <cstring>
#include <limits>

#include "equations/constants.hpp"
#include "faces/caller_settings.hpp"
#include "faces/guard.hpp"
#include "faces/state_padding.hpp"
#include "solvers/further.hpp"
#include "solvers/pairs.hpp"
#include "solvers/states95.hpp"
#include "velmora.h"

namespace {

using namespace vlm;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr std::size_t kLeastSize = offsetof(vlm_state_ex, g);  // the header and the state

// What a call asks for, read once from the caller's header.
struct Request {
  unsigned size, request;  // as the caller set them (request 0 read as every group)
  int pair, formulation, reserved;
  state::PairSolve solve;  // the industrial formulation's; the pair exists where it is set
  Config config;

  bool valid() const { return solve != nullptr; }
};

Request readRequest(int pair, const vlm_settings* settings, const vlm_state_ex& in) {
  Request r{};
  r.size = in.size;
  r.request = in.request == 0 ? unsigned{VLM_FIELDS_ALL} : in.request;
  r.pair = pair;
  r.formulation = in.formulation;
  r.reserved = in.reserved;
  r.config = settings ? fromCaller(*settings) : Config{};
  r.config.transport = (r.request & VLM_FIELDS_TRANSPORT) != 0;
  const bool known = in.size >= kLeastSize && (r.request & ~unsigned{VLM_FIELDS_ALL}) == 0 &&
                     (in.formulation == VLM_IF97 || in.formulation == VLM_IAPWS95) && in.reserved == 0;
  r.solve = known ? state::pairSolve(pair) : nullptr;
  return r;
}

void setFurtherUnknown(vlm_state_ex& e) {
  e.g = e.f = e.z = e.alpha_v = e.kappa_t = e.alpha_p = e.joule_thomson = e.delta_t = kNaN;
}

// Every thermodynamic field (the transport ones may be NaN where undefined or not asked for).
bool finite(const vlm_state_ex& e) {
  const vlm_state& s = e.state;
  double sum = 0;
  for (double value : {s.p, s.T, s.rho, s.v, s.u, s.h, s.s, s.cp, s.cv, s.w, s.x}) sum += value - value;
  return sum == 0;
}

// A failed element's fields: NaN, region 0.
void markFailed(vlm_state_ex& out) {
  vlm_state& s = out.state;
  s.region = 0;
  for (double* f : {&s.p, &s.T, &s.rho, &s.v, &s.u, &s.h, &s.s, &s.cp, &s.cv, &s.w, &s.x, &s.lambda, &s.eta, &s.nu,
                    &s.prandtl, &s.kappa, &s.sigma})
    *f = kNaN;
  setFurtherUnknown(out);
}

// One element, inside a guard of the caller's: its code, and its fields (those of
// markFailed where it failed) in `out`.  The state is solved in place: the struct is large,
// and copying it costs more than a short solve.
int compute(const Request& r, const Config& c, double a, double b, vlm_state_ex& out) {
  out.size = r.size;
  out.request = r.request;
  out.formulation = r.formulation;
  out.reserved = r.reserved;
  setFurtherUnknown(out);
  const bool further = (r.request & VLM_FIELDS_FURTHER) != 0;
  state::Differentials d;
  state::Code code;
  if (r.formulation == VLM_IAPWS95) {
    code = state95::solve(r.pair, a, b, c, out.state, further ? &d : nullptr);
    if (code == kNoError && further) state::fillFurther(out.state, d, state95::gasConstant(), out);
  } else {
    code = r.solve(a, b, c, out.state);
    if (code == kNoError && further) {
      code = state::differentials(out.state, c, d);
      if (code == kNoError) state::fillFurther(out.state, d, constants::R, out);
    }
  }
  // Still in the guard: comparing a denormal value raises the denormal-operand flag.
  if (code == kNoError && !finite(out)) code = kFloatFault;
  if (code != kNoError) markFailed(out);
  frame::clearPadding(out.state);
  return code;
}

// One element in a guard of its own.
int evaluate(const Request& r, double a, double b, vlm_state_ex& out) {
  const Outcome<bool> result = frame::guarded(
      [&](const Config& c) {
        return Outcome<bool>{true, compute(r, c, a, b, out)};
      },
      r.config, [](bool) { return true; });
  if (result.code != kNoError) markFailed(out);
  return result.code;
}

// Writes no more than the caller's size.
void deliver(const vlm_state_ex& value, void* to) {
  std::memcpy(to, &value, value.size < sizeof value ? value.size : sizeof value);
}

}  // namespace

extern "C" {

VELMORA_API int vlm_state_get(int pair, double a, double b, const vlm_settings* cfg, vlm_state_ex* out) {
  if (!out) return kOutOfRange;
  const Request r = readRequest(pair, cfg, *out);
  if (!r.valid()) return kOutOfRange;
  vlm_state_ex value{};  // zeroed: no stack bytes reach the caller through the padding
  const int code = evaluate(r, a, b, value);
  if (code == kNoError) deliver(value, out);
  return code;
}

VELMORA_API int vlm_states_get(int pair, size_t n, const double* a, const double* b, const vlm_settings* cfg,
                               vlm_state_ex* out, int* codes) {
  if (n == 0) return kNoError;
  if (!out || !a || !b) return kOutOfRange;
  const Request r = readRequest(pair, cfg, *out);
  if (!r.valid()) return kOutOfRange;
  auto* bytes = reinterpret_cast<unsigned char*>(out);
  // Blocks of elements, each block in one guard.
  constexpr std::size_t kBlock = 32;
  vlm_state_ex values[kBlock];
  int code[kBlock];
  int first = kNoError;
  for (std::size_t begin = 0; begin < n; begin += kBlock) {
    const std::size_t count = n - begin < kBlock ? n - begin : kBlock;
    frame::guardedBatch(
        [&](std::size_t from, std::size_t to) {
          for (std::size_t i = from; i < to; ++i) {
            values[i] = vlm_state_ex{};  // zeroed: no stack bytes reach the caller through the padding
            code[i] = compute(r, r.config, a[begin + i], b[begin + i], values[i]);
          }
        },
        count, code);
    for (std::size_t i = 0; i < count; ++i) {
      if (code[i] != kNoError) markFailed(values[i]);  // also where only a guard of its own saw the fault
      deliver(values[i], bytes + (begin + i) * r.size);
      if (codes) codes[begin + i] = code[i];
      if (first == kNoError) first = code[i];
    }
  }
  return first;
}

VELMORA_API int vlm_partial(const vlm_state* st, const char* of, const char* wrt, const char* held, double* out) {
  state::Quantity q[3];
  if (!st || !out || !state::quantityNamed(of, q[0]) || !state::quantityNamed(wrt, q[1]) ||
      !state::quantityNamed(held, q[2])) {
    return kOutOfRange;
  }
  const vlm_state given = *st;
  double value = kNaN;
  const Outcome<bool> result = frame::guarded(
      [&](const Config& c) {
        state::Differentials d;
        const state::Code code = state::differentials(given, c, d);
        if (code == kNoError) value = state::partial(d, q[0], q[1], q[2]);
        return Outcome<bool>{true, code};
      },
      Config{}, [&](bool) { return true; });
  if (result.code != kNoError) return result.code;
  // Held and varied together (T at constant p in wet steam), or a quantity held by itself.
  if (std::isnan(value)) return kOutOfRange;
  *out = value;
  return kNoError;
}

}  // extern "C"
