// A caloric property over arrays of (p, T): one guard for the whole call.
#include <cmath>
#include <limits>

#include "faces/batches.hpp"
#include "faces/caller_settings.hpp"
#include "faces/guard.hpp"
#include "velmora.h"

using namespace vlm;

VELMORA_API int vlm_properties_pt(int quantity, size_t n, const double* p, const double* T, const vlm_settings* cfg,
                                  double* out, int* codes) {
  const batch::PT f = batch::caloricOf(quantity);
  if (!f) return kOutOfRange;
  if (n == 0) return kNoError;
  if (!p || !T || !out) return kOutOfRange;
  const Config c = cfg ? fromCaller(*cfg) : Config{};
  // Each element's code lands in `codes`, or in blocks of this buffer for a caller without it.
  constexpr std::size_t kBlock = 1024;
  int buffer[kBlock];
  int first = kNoError;
  for (std::size_t begin = 0; begin < n; begin += kBlock) {
    const std::size_t count = n - begin < kBlock ? n - begin : kBlock;
    int* code = codes ? codes + begin : buffer;
    frame::guardedBatch(
        [&](std::size_t from, std::size_t to) {
          f(c, to - from, p + begin + from, T + begin + from, out + begin + from, code + from);
        },
        count, code);
    for (std::size_t i = 0; i < count; ++i) {
      if (code[i] == kNoError) continue;
      out[begin + i] = std::numeric_limits<double>::quiet_NaN();
      if (first == kNoError) first = code[i];
    }
  }
  return first;
}
