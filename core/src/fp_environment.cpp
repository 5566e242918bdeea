#include "fp_environment.hpp"

#if defined(__i386__) || defined(__x86_64__)
#include <xmmintrin.h>

#include <cstring>
#else
#include <cfenv>
#include <new>
#endif

namespace vlm::frame {

#if defined(__i386__) || defined(__x86_64__)
// x86 has two units that can trap: x87 (the 32-bit calling convention returns doubles
// through it, and some run-time library functions use it) and SSE.  Both are handled
// directly; the C library's fenv functions differ too much between platforms here.
namespace {
constexpr unsigned kExceptionBits = 0x3f;  // invalid, denormal, zero divide, overflow, underflow, precision
constexpr unsigned kSseMaskShift = 7;
// MXCSR while computing: every exception masked, round-to-nearest, no flush-to-zero, no
// denormals-are-zero, no flags.
constexpr unsigned kSseComputing = kExceptionBits << kSseMaskShift;
// x87 control word: exception masks, precision control, rounding control.
constexpr unsigned short kX87Masks = 0x3f, kX87Precision = 0x300, kX87Rounding = 0xc00;
constexpr unsigned short kX87Double = 0x200;
constexpr unsigned short kX87StatusFlags = 0x3f | 0x80 | 0x8000;  // flags, error summary, busy

// The x87 control word to compute with: every exception masked, round-to-nearest, and on
// 32-bit x86 double precision (53-bit mantissa); on x86-64 no double passes through the x87
// unit in our code, so its precision stays as the caller had it.
unsigned short x87Computing(unsigned short caller) {
#if defined(__i386__)
  return static_cast<unsigned short>((caller & ~(kX87Precision | kX87Rounding)) | kX87Masks | kX87Double);
#else
  return static_cast<unsigned short>((caller & ~kX87Rounding) | kX87Masks);
#endif
}

unsigned short x87Status() {
  unsigned short status;
  __asm__ volatile("fnstsw %0" : "=m"(status));
  return status;
}

// Puts the x87 exception flags back to `flags` with the rest of the environment unchanged.
void setX87Flags(unsigned short flags) {
  unsigned char image[28];
  __asm__ volatile("fnstenv %0" : "=m"(image));
  unsigned short status;
  std::memcpy(&status, image + 4, sizeof status);
  status = static_cast<unsigned short>((status & ~kX87StatusFlags) | (flags & kX87StatusFlags));
  std::memcpy(image + 4, &status, sizeof status);
  __asm__ volatile("fldenv %0" : : "m"(image));
}
}  // namespace

FpEnvironment::FpEnvironment() : sse_(_mm_getcsr()) {
  __asm__ volatile("fnstcw %0" : "=m"(x87Control_));
  x87Status_ = x87Status();
  const unsigned short computing = x87Computing(x87Control_);
  switched_ = (sse_ & ~kExceptionBits) != kSseComputing || x87Control_ != computing;
  if (switched_) {
    __asm__ volatile("fnstenv %0\n\tfnclex" : "=m"(x87_));
    __asm__ volatile("fldcw %0" : : "m"(computing));
    _mm_setcsr(kSseComputing);
  }
}

FpEnvironment::~FpEnvironment() {
  if (switched_) {
    _mm_setcsr(sse_);
    __asm__ volatile("fldenv %0" : : "m"(x87_));
    return;
  }
  // Only flags can have changed: take back the ones the computation raised.
  if (_mm_getcsr() != sse_) _mm_setcsr(sse_);
  const unsigned short status = x87Status();
  if ((status & kX87StatusFlags) != (x87Status_ & kX87StatusFlags)) {
    if ((x87Status_ & kX87StatusFlags) == 0) {
      __asm__ volatile("fnclex");
    } else {
      setX87Flags(x87Status_);
    }
  }
}

bool FpEnvironment::callerWouldHaveTrapped() const {
  if (!switched_) return false;  // the caller masks every exception
  const unsigned raised = (x87Status() | _mm_getcsr()) & kExceptionBits;
  const unsigned masked = x87Control_ & (sse_ >> kSseMaskShift) & kExceptionBits;
  return (raised & ~masked) != 0;
}
#else
namespace {
std::fenv_t& saved(unsigned char* storage) { return *std::launder(reinterpret_cast<std::fenv_t*>(storage)); }
}  // namespace

FpEnvironment::FpEnvironment() {
  static_assert(sizeof(std::fenv_t) <= sizeof(env_));
  new (env_) std::fenv_t;
  std::feholdexcept(&saved(env_));
  std::fesetround(FE_TONEAREST);
}

FpEnvironment::~FpEnvironment() { std::fesetenv(&saved(env_)); }

bool FpEnvironment::callerWouldHaveTrapped() const {
#if defined(__GLIBC__)
  return (std::fetestexcept(FE_ALL_EXCEPT) & fegetexcept()) != 0;
#else
  return false;
#endif
}
#endif

}  // namespace vlm::frame
