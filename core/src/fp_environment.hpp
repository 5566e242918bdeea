// The floating-point environment as the guard needs it: save the caller's, compute with
// every trap masked, round-to-nearest and (x87) double precision, then tell which
// exceptions the computation raised that the caller had unmasked, and put the caller's
// environment back exactly, sticky flags included.
//
// The common caller already computes that way (traps masked, round-to-nearest): then
// nothing is switched, and only the flags the computation raised are taken back.  Any
// other caller gets its whole environment saved and restored.
#pragma once

namespace vlm::frame {

class FpEnvironment {
 public:
  FpEnvironment();   // saves the caller's environment and enters the computing mode
  ~FpEnvironment();  // restores the caller's environment, flags included

  // Exceptions raised since construction that the caller would have trapped.
  bool callerWouldHaveTrapped() const;

  FpEnvironment(const FpEnvironment&) = delete;
  FpEnvironment& operator=(const FpEnvironment&) = delete;

 private:
#if defined(__i386__) || defined(__x86_64__)
  unsigned sse_;               // the caller's MXCSR
  unsigned short x87Control_;  // the caller's x87 control word
  unsigned short x87Status_;   // the caller's x87 status word
  bool switched_;              // whether the computing mode differs from the caller's
  unsigned char x87_[28];      // FNSTENV image, saved only when switched
#else
  alignas(16) unsigned char env_[512];
#endif
};

}  // namespace vlm::frame
