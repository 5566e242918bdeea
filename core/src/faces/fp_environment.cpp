#include "faces/fp_environment.hpp"

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>

#include <cstring>
#else
#include <cfenv>
#include <new>
#endif

namespace vlm::frame {

#if defined(__i386__) || defined(__x86_64__)
using namespace fpu;

bool fpu::readingBackIsCheaper() {
  unsigned highest = 0, vendor[3] = {};
  if (!__get_cpuid(0, &highest, &vendor[0], &vendor[2], &vendor[1])) return true;
  return std::memcmp(vendor, "AuthenticAMD", sizeof vendor) != 0 &&
         std::memcmp(vendor, "HygonGenuine", sizeof vendor) != 0;
}

void FpEnvironment::enterComputingMode() {
  const unsigned short computing = x87Computing(x87Control_);
  __asm__ volatile("fnstenv %0\n\tfnclex" : "=m"(x87_));
  __asm__ volatile("fldcw %0" : : "m"(computing));
  _mm_setcsr(kSseComputing);
}

void FpEnvironment::leaveComputingMode() {
  _mm_setcsr(sse_);
  __asm__ volatile("fldenv %0" : : "m"(x87_));
}

// Puts the caller's x87 exception flags back with the rest of the environment unchanged.
void FpEnvironment::restoreX87Flags() {
  if ((x87Status_ & kX87StatusFlags) == 0) {
    __asm__ volatile("fnclex");
    return;
  }
  unsigned char image[28];
  __asm__ volatile("fnstenv %0" : "=m"(image));
  unsigned short status;
  std::memcpy(&status, image + 4, sizeof status);
  status = static_cast<unsigned short>((status & ~kX87StatusFlags) | (x87Status_ & kX87StatusFlags));
  std::memcpy(image + 4, &status, sizeof status);
  __asm__ volatile("fldenv %0" : : "m"(image));
}

bool FpEnvironment::raisedUnmasked() const {
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
