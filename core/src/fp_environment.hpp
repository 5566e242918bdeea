// The floating-point environment as the guard needs it: save the caller's, mask every trap
// and clear the flags for the computation, then tell which exceptions the computation
// raised and which of them the caller had unmasked, and put the caller's back exactly.
#pragma once

namespace vlm::frame {

class FpEnvironment {
 public:
  FpEnvironment();   // saves the caller's environment and enters non-stop mode
  ~FpEnvironment();  // restores the caller's environment, flags included

  // Exceptions raised since construction that the caller would have trapped.
  bool callerWouldHaveTrapped() const;

  FpEnvironment(const FpEnvironment&) = delete;
  FpEnvironment& operator=(const FpEnvironment&) = delete;

 private:
#if defined(__i386__) || defined(__x86_64__)
  unsigned char x87_[28];  // FNSTENV image: control, status and tag words and pointers
  unsigned sse_;           // MXCSR
#else
  alignas(16) unsigned char env_[512];
#endif
};

}  // namespace vlm::frame
