// The texts of the five last-error codes, English and Russian (Windows-1251 bytes).
#pragma once

namespace vlm {

enum class Language { English, Russian };

// Text of `code` (0..4) in `language`; static storage, never freed.
const char* errorMessage(int code, Language language);

// The language chosen by the value Language under the product key, read now.
Language currentLanguage();

}  // namespace vlm
