#include "fp_environment.hpp"

#if defined(__i386__) || defined(__x86_64__)
#include <xmmintrin.h>
#else
#include <cfenv>
#include <new>
#endif

namespace vlm::frame {

#if defined(__i386__) || defined(__x86_64__)
// x86 has two units that can trap: x87 (the 32-bit calling convention returns doubles
// through it, and some library functions use it) and SSE.  Both are saved and masked
// directly; the C library's fenv functions differ too much between platforms here.
namespace {
constexpr unsigned kExceptionBits = 0x3f;  // invalid, denormal, zero divide, overflow, underflow, precision
constexpr unsigned kSseMaskShift = 7;
}  // namespace

FpEnvironment::FpEnvironment() : sse_(_mm_getcsr()) {
  __asm__ volatile("fnstenv %0\n\tfnclex" : "=m"(x87_));  // fnstenv also masks all x87 traps
  _mm_setcsr((sse_ | (kExceptionBits << kSseMaskShift)) & ~kExceptionBits);
}

FpEnvironment::~FpEnvironment() {
  _mm_setcsr(sse_);
  __asm__ volatile("fldenv %0" : : "m"(x87_));
}

bool FpEnvironment::callerWouldHaveTrapped() const {
  unsigned short x87Status = 0;
  __asm__ volatile("fnstsw %0" : "=m"(x87Status));
  const unsigned raised = (x87Status | _mm_getcsr()) & kExceptionBits;
  const unsigned short x87Control = static_cast<unsigned short>(x87_[0] | (x87_[1] << 8));
  const unsigned masked = x87Control & (sse_ >> kSseMaskShift) & kExceptionBits;
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
