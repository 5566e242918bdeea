// What an argument field shows when its text was not read whole.  The calculation goes on
// with the number at the start of the text (units.hpp, readNumber); the field is marked with
// a colour and a tooltip that names the number used, so that "3,5" is not taken for 3.5
// without a sign.
#pragma once

#include <string>
#include <string_view>

#include "vlm/calc/units.hpp"

namespace vlm::calc {

// Background of a marked argument field, 0xRRGGBB: a pale amber, light enough for the text.
inline constexpr unsigned kPartlyReadColour = 0xFFE7A0;

// The tooltip of an argument field with this text, in the language in force, Windows-1251:
// empty when the text was read whole; else the number used and the part left unread
// ("Read as 3: \",5\" is ignored. The decimal separator is a point.").
std::string readingNote(std::string_view text, Language language);

}  // namespace vlm::calc
