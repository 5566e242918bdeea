// Composite functions call other exports one after another and stop at the first that
// leaves a non-zero last-error code, passing that code on.
#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "state.hpp"

namespace vlm {

// Calls each function with the same arguments, in order.  The values, or nullopt as soon as
// a call leaves a non-zero code (the code stays as that call set it).
template <class Function, std::size_t N, class... Args>
std::optional<std::array<double, N>> callInOrder(const Function (&functions)[N], Args... args) {
  std::array<double, N> values{};
  for (std::size_t i = 0; i < N; ++i) {
    values[i] = functions[i](args...);
    if (lastError() != kNoError) return std::nullopt;
  }
  return values;
}

}  // namespace vlm
