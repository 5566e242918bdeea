// Puts the product key of the store into a known state for a test: on Linux a scratch
// store file per test program, on Windows the real registry of the Wine prefix.
#pragma once

#include <string_view>

namespace vlmtest {

// Removes HKEY_LOCAL_MACHINE\SOFTWARE\Brindlow\Velmora with everything below it.
void removeProductKey();
// Creates the key and writes Language.
void setLanguage(std::string_view text);
// Leaves the key in place, without a Language value.
void removeLanguageValue();

}  // namespace vlmtest
