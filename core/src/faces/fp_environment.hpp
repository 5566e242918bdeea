// The floating-point environment as the guard needs it: save the caller's, compute with
// every trap masked, round-to-nearest and (x87) double precision, then tell which
// exceptions the computation raised that the caller had unmasked, and put the caller's
// environment back exactly, sticky flags included.
//
// The common caller already computes that way (traps masked, round-to-nearest): then
// nothing is switched, and only the flags the computation raised are taken back.  That path
// is inline; any other caller gets its whole environment saved and restored.
#pragma once

#if defined(__i386__) || defined(__x86_64__)
#include <xmmintrin.h>
#endif

namespace vlm::frame {

#if defined(__i386__) || defined(__x86_64__)
// x86 has two units that can trap: x87 (the 32-bit calling convention returns doubles
// through it, and some run-time library functions use it) and SSE.  Both are handled
// directly; the C library's fenv functions differ too much between platforms here.
namespace fpu {
inline constexpr unsigned kExceptionBits = 0x3f;  // invalid, denormal, zero divide, overflow, underflow, precision
inline constexpr unsigned kSseMaskShift = 7;
// MXCSR while computing: every exception masked, round-to-nearest, no flush-to-zero, no
// denormals-are-zero, no flags.
inline constexpr unsigned kSseComputing = kExceptionBits << kSseMaskShift;
// x87 control word: exception masks, precision control, rounding control.
inline constexpr unsigned short kX87Masks = 0x3f, kX87Precision = 0x300, kX87Rounding = 0xc00;
inline constexpr unsigned short kX87Double = 0x200;
inline constexpr unsigned short kX87StatusFlags = 0x3f | 0x80 | 0x8000;  // flags, error summary, busy

// Whether the computation can run x87 instructions at all: the 32-bit calling convention
// returns doubles through the x87 unit, and the Windows run-time library's mathematical
// functions use it; on x86-64 Linux every double operation, the C library's included, is
// SSE, so a caller's x87 settings cannot matter and its flags cannot change.
#if defined(__x86_64__) && !defined(_WIN32)
inline constexpr bool kX87InUse = false;
#else
inline constexpr bool kX87InUse = true;
#endif

// The x87 control word to compute with: every exception masked, round-to-nearest, and on
// 32-bit x86 and on Windows double precision (53-bit mantissa, what Windows gives every
// program).  The 64-bit Windows run-time computes pow, exp and log in the x87 unit, so a
// host's precision would reach the results; elsewhere on x86-64 no double passes through
// the x87 unit, so its precision stays as the caller had it.
inline unsigned short x87Computing(unsigned short caller) {
#if defined(__i386__) || defined(_WIN32)
  return static_cast<unsigned short>((caller & ~(kX87Precision | kX87Rounding)) | kX87Masks | kX87Double);
#else
  return static_cast<unsigned short>((caller & ~kX87Rounding) | kX87Masks);
#endif
}

// Whether to read MXCSR back after computing and write it only when it changed, or write
// it unconditionally.  Which is cheaper depends on the processor.  On AMD's Zen cores a
// second read waits for the computation's last operations, so it costs more than the write
// (around a 3.7 ns function: 12.2 ns reading back, 9.5 ns writing); elsewhere the read is
// nearly free and the write is what costs (7.8 ns writing, 3.3 ns reading back, measured
// the same way).  Either way the caller gets its MXCSR back exactly.
bool readingBackIsCheaper();
inline const bool compareBeforeRestore = readingBackIsCheaper();

inline unsigned short x87Status() {
  unsigned short status;
  __asm__ volatile("fnstsw %0" : "=m"(status));
  return status;
}
}  // namespace fpu

class FpEnvironment {
 public:
  // Saves the caller's environment and enters the computing mode.
  FpEnvironment() : sse_(_mm_getcsr()) {
    if constexpr (fpu::kX87InUse) {
      __asm__ volatile("fnstcw %0" : "=m"(x87Control_));
      x87Status_ = fpu::x87Status();
    }
    switched_ = (sse_ & ~fpu::kExceptionBits) != fpu::kSseComputing ||
                (fpu::kX87InUse && x87Control_ != fpu::x87Computing(x87Control_));
    if (switched_) enterComputingMode();
  }

  // Restores the caller's environment, flags included.  Unswitched, only flags can have
  // changed, and most callers have the flags a computation raises (inexact, usually) set
  // already, so where reading MXCSR is cheaper than writing it, it is written back only when
  // it differs (see fpu::compareBeforeRestore).
  ~FpEnvironment() {
    if (switched_) {
      leaveComputingMode();
      return;
    }
    if (!fpu::compareBeforeRestore || _mm_getcsr() != sse_) _mm_setcsr(sse_);
    if constexpr (fpu::kX87InUse) {
      if ((fpu::x87Status() & fpu::kX87StatusFlags) != (x87Status_ & fpu::kX87StatusFlags)) restoreX87Flags();
    }
  }

  // Exceptions raised since construction that the caller would have trapped; a caller that
  // was not switched masks every exception.
  bool callerWouldHaveTrapped() const { return switched_ && raisedUnmasked(); }

  FpEnvironment(const FpEnvironment&) = delete;
  FpEnvironment& operator=(const FpEnvironment&) = delete;

 private:
  void enterComputingMode();
  void leaveComputingMode();
  void restoreX87Flags();
  bool raisedUnmasked() const;

  unsigned sse_;                                          // the caller's MXCSR
  unsigned short x87Control_ = fpu::x87Computing(0x37f);  // the caller's x87 control word
  unsigned short x87Status_ = 0;                          // the caller's x87 status word
  bool switched_;                                         // whether the computing mode differs
  unsigned char x87_[28];                                 // FNSTENV image, saved only when switched
};
#else
class FpEnvironment {
 public:
  FpEnvironment();
  ~FpEnvironment();
  bool callerWouldHaveTrapped() const;

  FpEnvironment(const FpEnvironment&) = delete;
  FpEnvironment& operator=(const FpEnvironment&) = delete;

 private:
  alignas(16) unsigned char env_[512];
};
#endif

}  // namespace vlm::frame
