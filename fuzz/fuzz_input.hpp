// A fuzzer's bytes read as typed values (bytes past the end read as the given defaults, so
// short inputs are ordinary calls), and the hostile caller environment one byte describes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "support/caller_fp.hpp"

namespace vlm::fuzz {

class Reader {
 public:
  Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  template <class T>
  T next(T fallback) {
    if (size_ < sizeof(T)) {
      size_ = 0;
      return fallback;
    }
    T value;
    std::memcpy(&value, data_, sizeof value);
    data_ += sizeof value;
    size_ -= sizeof value;
    return value;
  }

 private:
  const uint8_t* data_;
  size_t size_;
};

// Bits 0-1 rounding, 2-5 unmask invalid/zero-divide/overflow/underflow, bit 6 sticky MXCSR
// flags set before the call, bit 7 x87 single precision.
inline test::CallerFp callerFromByte(uint8_t environment) {
  test::CallerFp caller;
  caller.rounding = environment & 3;
  caller.unmasked = ((environment >> 2) & 1 ? test::kInvalid : 0) | ((environment >> 3) & 1 ? test::kZeroDivide : 0) |
                    ((environment >> 4) & 1 ? test::kOverflow : 0) | ((environment >> 5) & 1 ? test::kUnderflow : 0);
  caller.stickyFlags = (environment >> 6) & 1 ? test::kInexact | test::kUnderflow : 0;
  caller.precision = (environment >> 7) & 1 ? test::kSingle : test::kExtended;
  return caller;
}

}  // namespace vlm::fuzz
