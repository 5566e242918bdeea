// The add-in's registration data: the worksheet functions.  (The error messages are the
// library's own texts: message n is the text of error code n - 1.)
#pragma once

#include <cstddef>

#include "mcaduser.h"

namespace vlmmcad {

inline constexpr std::size_t kFunctionCount = 135;

// Every worksheet function, in the order it is registered.
extern const McadFunctionInfo kRecords[kFunctionCount];

}  // namespace vlmmcad
