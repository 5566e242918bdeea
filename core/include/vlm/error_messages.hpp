// The texts of the library's five error codes, English and Russian (Windows-1251 bytes).
// One table and one language rule for every part of the system that shows them: the
// library's description export and the Mathcad add-in's error-message table.
#pragma once

#include "vlmcore5.h"

namespace vlm {

enum class Language { English = 0, Russian = 1 };

inline constexpr int kErrorCodeCount = VLM_ERROR_UNKNOWN_REGION + 1;

// kErrorMessages[language][code]; static storage, never freed.
extern const char* const kErrorMessages[2][kErrorCodeCount];

// Text of `code` in `language`; a code outside 0..4 gives the text of 0.
const char* errorMessage(int code, Language language);

// The language chosen by the value Language under the product key: Russian when it reads
// "Russian" in any letter case; English for any other text, a missing key or value, or a
// value too long for its 255-byte buffer.  Read now (query access only), on every call.
Language currentLanguage();

}  // namespace vlm
