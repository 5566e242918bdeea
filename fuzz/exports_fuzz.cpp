// Every computing export of vlmcore5.h, with its arguments, all six settings, a stale
// last-error code and the caller's floating-point environment taken from the input.
//
// Input layout (bytes past the end read as the defaults, so short inputs are ordinary calls):
//   u16  export (index into the computing exports, modulo their count)
//   u8   environment: bits 0-1 rounding, 2-5 unmask invalid/zero-divide/overflow/underflow,
//        bit 6 sticky MXCSR flags set before the call, bit 7 x87 single precision
//   u8   last-error code left by an earlier call (0..4)
//   f64  arguments, as many as the export takes
//   u8   range checking on (odd) or off (even)
//   i16  iteration cap (the cap bounds the time a call may take, hence 16 bits)
//   f64  delta TS, delta pressure, initial water density, initial steam density
//
// Invariants: the code is 0..4; a non-zero code comes with -1; a value that is not finite
// never comes with code 0; the settings are unchanged by the call; the caller's environment
// is exactly as it was.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "fuzz_input.hpp"
#include "support/caller_fp.hpp"
#include "support/computing_exports.hpp"
#include "vlmcore5.h"

namespace {

using vlm::fuzz::Reader;
using vlm::test::ComputingExport;
using vlm::test::FpState;

struct Settings {
  int checkRange, maxIteration;
  double deltaTs, deltaPressure, initWater, initSteam;
};

Settings readSettings() {
  return {vlmGETCHECKRANGEMODE(), vlmGETMAXITERATION(),     vlmGETDELTATS(),
          vlmGETDELTAPRESSURE(),  vlmGETINITWATERDENSITY(), vlmGETINITSTEAMDENSITY()};
}

void writeSettings(const Settings& s) {
  vlmSETCHECKRANGEMODE(s.checkRange);
  vlmSETMAXITERATION(s.maxIteration);
  vlmSETDELTATS(s.deltaTs);
  vlmSETDELTAPRESSURE(s.deltaPressure);
  vlmSETINITWATERDENSITY(s.initWater);
  vlmSETINITSTEAMDENSITY(s.initSteam);
}

[[noreturn]] void fail(const char* what, const ComputingExport& e, const double* a, double value, int code) {
  std::fprintf(stderr, "%s: %s(%.17g, %.17g, %.17g) = %.17g, code %d\n", what, e.name, a[0], a[1], a[2], value, code);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const Settings defaults = readSettings();
  static const FpState initial = vlm::test::readFp();  // all traps masked, flags clear
  const auto& exports = vlm::test::computingExports();

  Reader in(data, size);
  const ComputingExport& e = exports[in.next<uint16_t>(0) % exports.size()];
  const auto environment = in.next<uint8_t>(0);
  const int staleCode = in.next<uint8_t>(0) % 5;
  double a[3] = {0, 0, 0};
  for (int i = 0; i < e.arity; ++i) a[i] = in.next<double>(0.0);
  Settings s = defaults;
  s.checkRange = in.next<uint8_t>(1) & 1;
  s.maxIteration = in.next<int16_t>(static_cast<int16_t>(defaults.maxIteration));
  s.deltaTs = in.next<double>(defaults.deltaTs);
  s.deltaPressure = in.next<double>(defaults.deltaPressure);
  s.initWater = in.next<double>(defaults.initWater);
  s.initSteam = in.next<double>(defaults.initSteam);
  writeSettings(s);
  const Settings before = readSettings();
  vlmSETLASTERROR(staleCode);

  const vlm::test::CallerFp caller = vlm::fuzz::callerFromByte(environment);
  const FpState callerState = vlm::test::callerState(initial, caller);

  vlm::test::writeFp(callerState);
  const double value = e.call(a);
  const FpState after = vlm::test::readFp();
  vlm::test::writeFp(initial);

  const int code = vlmGETLASTERROR();
  if (!(after == callerState)) {
    std::fprintf(stderr, "x87 control %04x status %04x, MXCSR %08x before; %04x %04x %08x after\n",
                 callerState.x87Control, callerState.x87Status, callerState.mxcsr, after.x87Control, after.x87Status,
                 after.mxcsr);
    fail("caller's floating-point environment changed", e, a, value, code);
  }
  if (code < 0 || code > 4) fail("code outside 0..4", e, a, value, code);
  if (code != 0 && value != -1.0) fail("non-zero code without -1", e, a, value, code);
  if (code == 0 && !std::isfinite(value)) fail("non-finite value with code 0", e, a, value, code);
  const Settings now = readSettings();
  if (std::memcmp(&now, &before, sizeof now) != 0) fail("settings changed by a computation", e, a, value, code);
  return 0;
}
