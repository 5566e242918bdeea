// The bytes between a state's region and p, where the alignment of the doubles leaves a gap:
// the solvers copy states whole, so that gap carries whatever their stack held, and no byte
// of the library's memory may reach a caller.
#pragma once

#include <cstddef>
#include <cstring>

#include "velmora.h"

namespace vlm::frame {

inline void clearPadding(vlm_state& s) {
  constexpr std::size_t from = sizeof s.region, to = offsetof(vlm_state, p);
  std::memset(reinterpret_cast<unsigned char*>(&s) + from, 0, to - from);
}

}  // namespace vlm::frame
