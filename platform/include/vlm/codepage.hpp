// Text conversion between the 8-bit Windows-1251 code page, in which every stored and shown
// text of the product is kept, and Unicode (UTF-8 for terminals and files, UTF-16 for
// toolkits).  Table-driven, the same on every platform.
#pragma once

#include <string>
#include <string_view>

namespace vlm::codepage {

// The Unicode code point of a Windows-1251 byte.  The one byte the code page leaves
// unassigned, 0x98, maps to U+0098 (as Windows maps it), so every byte round-trips.
char32_t toUnicode(unsigned char byte);

// The Windows-1251 byte of a code point, or -1 when the code page has none.
int fromUnicode(char32_t code);

std::string cp1251ToUtf8(std::string_view text);
std::u16string cp1251ToUtf16(std::string_view text);

// Characters without a Windows-1251 byte, and malformed UTF-8 or UTF-16 (one replacement per
// bad unit), become `replacement`.
std::string utf8ToCp1251(std::string_view text, char replacement = '?');
std::string utf16ToCp1251(std::u16string_view text, char replacement = '?');

// Appends the UTF-8 form of code point `c` (at most U+10FFFF; a surrogate gets the three
// bytes of its own value).
void appendUtf8(std::string& out, char32_t c);

// Lower-case form of a Windows-1251 byte: Latin A-Z and every Cyrillic capital of the code
// page; other bytes unchanged.
char toLower(char byte);

// Equal texts when letter case is ignored (as toLower folds it).
bool equalIgnoringCase(std::string_view a, std::string_view b);
// `text` begins with `prefix`, letter case ignored.
bool startsWithIgnoringCase(std::string_view text, std::string_view prefix);

}  // namespace vlm::codepage
