// The exports that have an array form: one call computes many points, each element bit for
// bit the export's value and code at its point.
#pragma once

#include <cstddef>
#include <string_view>

#include "properties/outcome.hpp"

namespace vlm::batch {

using PT = void (*)(const Config& c, std::size_t n, const double* p, const double* t, double* out, int* codes);

// The array form of the export of (p, t) named `name` (vlmHPT, say), or nullptr where it has
// none.  It runs in a guard of its caller's (frame::guardedBatch).
PT ofExport(std::string_view name);

// The caloric property q (0 to 6: v, u, s, h, cp, cv, w) of the (p, t) exports; nullptr for another q.
PT caloricOf(int q);

}  // namespace vlm::batch
