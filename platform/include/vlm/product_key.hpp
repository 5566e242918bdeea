// Where the product keeps its settings: HKEY_LOCAL_MACHINE\SOFTWARE\Brindlow\Velmora.
// Shared by the library, the calculator and the add-in.
#pragma once

#include <cstddef>
#include <string_view>

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

// True when the Language value of `productKey` (below HKEY_LOCAL_MACHINE) reads "Russian"
// in any letter case.  The key is opened for query access only and the value is read
// whatever its type; a missing key or value, or one longer than the 255-byte buffer, means
// no.  Read afresh on every call.
bool russianSelected(std::string_view productKey = kProductKey);

}  // namespace vlm
