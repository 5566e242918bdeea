// The add-in's registration data: the worksheet functions.  (The error messages are the
// library's own texts: message n is the text of error code n - 1.)
#pragma once

#include <cstddef>

#include "mcaduser.h"

namespace vlmmcad {

// One per line of the generated list.
inline constexpr std::size_t kFunctionCount = 0
#define VLM_RECORD(kind, name, parameters) +1
#include "mathcad_records.inc"
#undef VLM_RECORD
    ;

// Every worksheet function, in the order it is registered.
extern const McadFunctionInfo kRecords[kFunctionCount];

}  // namespace vlmmcad
