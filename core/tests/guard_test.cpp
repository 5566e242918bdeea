// The guard: faults become code 1 and -1, and the caller's floating-point environment is
// left exactly as it was.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>

#include "vlmcore5.h"

#if defined(_WIN32)
#include <float.h>
#endif
#include <xmmintrin.h>

namespace {

// The caller's view of its floating-point environment: x87 control word, MXCSR, flags.
struct Environment {
  unsigned short x87;
  unsigned sse;
  int flags;
  bool operator==(const Environment&) const = default;
};

Environment current() {
  Environment e{};
  __asm__ volatile("fnstcw %0" : "=m"(e.x87));
  e.sse = _mm_getcsr();
  e.flags = std::fetestexcept(FE_ALL_EXCEPT);
  return e;
}

// Unmasks the invalid-operation and division-by-zero traps the way a program on each
// platform does it.
void enableTraps() {
#if defined(_WIN32)
  _clearfp();
  _controlfp(_MCW_EM & ~(_EM_INVALID | _EM_ZERODIVIDE), _MCW_EM);
#else
  std::feclearexcept(FE_ALL_EXCEPT);
  feenableexcept(FE_INVALID | FE_DIVBYZERO);
#endif
}

void maskTraps() {
#if defined(_WIN32)
  _controlfp(_MCW_EM, _MCW_EM);
  _clearfp();
#else
  fedisableexcept(FE_ALL_EXCEPT);
  std::feclearexcept(FE_ALL_EXCEPT);
#endif
}

class Guard : public ::testing::Test {
 protected:
  void TearDown() override { maskTraps(); }
};

// T = 0 K divides by zero (tau = T*/T) and ends in a non-finite value.
TEST_F(Guard, TrappedFaultGivesCodeOneAndKeepsTheEnvironment) {
  enableTraps();
  const Environment before = current();
  vlmSETLASTERROR(0);
  EXPECT_EQ(vlmH1PT(3e6, 0.0), -1.0);
  const Environment after = current();
  EXPECT_EQ(vlmGETLASTERROR(), 1);
  EXPECT_EQ(after.x87, before.x87);
  EXPECT_EQ(after.sse, before.sse);
  EXPECT_EQ(after.flags, before.flags);
}

TEST_F(Guard, TrappedCallerStillGetsGoodValues) {
  enableTraps();
  const Environment before = current();
  const double h = vlmH1PT(3e6, 300.0);
  EXPECT_EQ(vlmGETLASTERROR(), 0);
  EXPECT_NEAR(h, 115331.273, 0.001);
  EXPECT_TRUE(current() == before);
}

TEST_F(Guard, NonFiniteResultIsAFaultWithTrapsMasked) {
  maskTraps();
  const Environment before = current();
  EXPECT_EQ(vlmH1PT(3e6, 0.0), -1.0);
  EXPECT_EQ(vlmGETLASTERROR(), 1);
  EXPECT_EQ(vlmV1PT(3e6, std::nan("")), -1.0);
  EXPECT_EQ(vlmGETLASTERROR(), 1);
  EXPECT_EQ(vlmT1PH(INFINITY, 1e5), -1.0);
  EXPECT_EQ(vlmGETLASTERROR(), 1);
  // The flags the computation raised do not leak into the caller's environment.
  EXPECT_TRUE(current() == before);
}

TEST_F(Guard, SuccessAfterFailureResetsTheCode) {
  vlmH1PT(3e6, 0.0);
  ASSERT_EQ(vlmGETLASTERROR(), 1);
  vlmH1PT(3e6, 300.0);
  EXPECT_EQ(vlmGETLASTERROR(), 0);
}

// A caller's sticky flags stay as they were, raised or not, whatever the call raises.
TEST_F(Guard, CallerStickyFlagsSurviveTheCall) {
  for (int flags : {0, FE_INEXACT | FE_UNDERFLOW, FE_ALL_EXCEPT & ~FE_INVALID}) {
    std::feclearexcept(FE_ALL_EXCEPT);
    std::feraiseexcept(flags);
    const Environment before = current();
    EXPECT_NEAR(vlmHPT(3e6, 300.0), 115331.273, 0.001);
    EXPECT_EQ(vlmH1PT(3e6, 0.0), -1.0);  // raises divide-by-zero and invalid inside
    EXPECT_TRUE(current() == before) << "flags " << flags;
  }
}

// Whatever rounding mode and (32-bit) x87 precision the caller set, the library computes
// with round-to-nearest and double precision, and gives the caller its modes back.
TEST_F(Guard, CallerModesDoNotChangeResults) {
  const double h = vlmHPT(3e6, 300.0), k = vlmPRANDTLEPT(25e6, 650.0);
  for (int mode : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
    std::fesetround(mode);
    const Environment before = current();
    EXPECT_EQ(vlmHPT(3e6, 300.0), h);
    EXPECT_EQ(vlmPRANDTLEPT(25e6, 650.0), k);
    EXPECT_TRUE(current() == before);
    std::fesetround(FE_TONEAREST);
  }
#if defined(_WIN32) && defined(__i386__)
  // Graphics libraries switch the x87 unit to 24-bit precision.
  const unsigned int saved = _controlfp(0, 0);
  _controlfp(_PC_24, _MCW_PC);
  const Environment before = current();
  EXPECT_EQ(vlmHPT(3e6, 300.0), h);
  EXPECT_TRUE(current() == before);
  _controlfp(saved, _MCW_PC);
#endif
}

}  // namespace
