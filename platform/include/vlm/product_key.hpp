// Where the product keeps its settings: HKEY_LOCAL_MACHINE\SOFTWARE\Brindlow\Velmora.
// Shared by the library, the calculator and the add-in.
#pragma once

#include <cstddef>

namespace vlm {

inline constexpr const char* kProductKey = "SOFTWARE\\Brindlow\\Velmora";
inline constexpr const char* kLanguageValue = "Language";
inline constexpr std::size_t kLanguageBufferSize = 255;

// "Russian" in any letter case.
inline bool isRussian(const char* text) {
  constexpr const char* word = "russian";
  for (std::size_t i = 0;; ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != word[i]) return false;
    if (c == '\0') return true;
  }
}

}  // namespace vlm
