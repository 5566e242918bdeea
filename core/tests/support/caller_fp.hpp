// The x86 floating-point environment as a calling program sees and sets it: the x87 control
// and status words and MXCSR, written directly so Linux and Windows builds do the same.
// Tests and fuzz targets use it to call the library from a hostile environment (traps
// unmasked, another rounding mode or x87 precision, sticky flags already set) and to check
// that the call leaves that environment exactly as it found it.
#pragma once

#include <xmmintrin.h>

namespace vlm::test {

struct FpState {
  unsigned short x87Control = 0;
  unsigned short x87Status = 0;  // the exception flags only
  unsigned mxcsr = 0;
  bool operator==(const FpState&) const = default;
};

// Exception bits, the same in the x87 words and in MXCSR (masks in MXCSR sit 7 bits higher).
inline constexpr unsigned kInvalid = 0x01;
inline constexpr unsigned kZeroDivide = 0x04;
inline constexpr unsigned kOverflow = 0x08;
inline constexpr unsigned kUnderflow = 0x10;
inline constexpr unsigned kInexact = 0x20;
inline constexpr unsigned kAllExceptions = 0x3f;

// Rounding control (both units) and x87 precision control, as the hardware encodes them.
enum Rounding : unsigned { kNearest = 0, kDown = 1, kUp = 2, kTowardZero = 3 };
enum Precision : unsigned { kSingle = 0, kDouble = 2, kExtended = 3 };

inline FpState readFp() {
  FpState s;
  __asm__ volatile("fnstcw %0" : "=m"(s.x87Control)::"memory");
  __asm__ volatile("fnstsw %0" : "=m"(s.x87Status)::"memory");
  s.x87Status &= kAllExceptions;
  s.mxcsr = _mm_getcsr();
  return s;
}

// Clears the x87 flags (they cannot be set without raising them) and loads the control word
// and MXCSR, whose sticky flags are taken as given.
inline void writeFp(const FpState& s) {
  __asm__ volatile("fnclex\n\tfldcw %0" : : "m"(s.x87Control) : "memory");
  _mm_setcsr(s.mxcsr);
}

// What a caller changes: traps it unmasks, rounding, x87 precision, MXCSR flags already set.
struct CallerFp {
  unsigned unmasked = 0;
  unsigned rounding = kNearest;
  unsigned precision = kExtended;
  unsigned stickyFlags = 0;
};

// The environment `base` (all traps masked) changed as the caller asks.
inline FpState callerState(const FpState& base, const CallerFp& c) {
  FpState s = base;
  s.x87Control = static_cast<unsigned short>((base.x87Control & ~0x0f3fu) | (kAllExceptions & ~c.unmasked) |
                                             (c.precision & 3u) << 8 | (c.rounding & 3u) << 10);
  s.x87Status = 0;
  s.mxcsr = (base.mxcsr & ~0x7fbfu) | (c.stickyFlags & kAllExceptions) | (kAllExceptions & ~c.unmasked) << 7 |
            (c.rounding & 3u) << 13;
  return s;
}

}  // namespace vlm::test
