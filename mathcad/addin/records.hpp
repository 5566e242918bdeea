// The add-in's registration data: the worksheet functions and the error messages.
#pragma once

#include <cstddef>

#include "mcaduser.h"

namespace vlmmcad {

inline constexpr std::size_t kFunctionCount = 135;
inline constexpr unsigned kMessageCount = 5;

// Every worksheet function, in the order it is registered.
extern const McadFunctionInfo kRecords[kFunctionCount];

enum class Language { English = 0, Russian = 1 };

// The messages of library error codes 0 to 4 (message n is code n - 1), English then Russian.
extern const char* const kMessages[2][kMessageCount];

}  // namespace vlmmcad
