// The model's texts are Windows-1251 bytes; Qt shows and edits UTF-16.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "vlm/codepage.hpp"

namespace vlm::calc::qt {

inline QString fromModel(std::string_view text) { return QString::fromStdU16String(codepage::cp1251ToUtf16(text)); }

// Characters the code page lacks become "?", as a Windows-1251 edit field would hold them.
inline std::string toModel(const QString& text) { return codepage::utf16ToCp1251(text.toStdU16String()); }

}  // namespace vlm::calc::qt
