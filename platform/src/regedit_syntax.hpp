// The syntax of one value line of a registry export file, in Windows-1251 text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "regedit_file.hpp"

namespace vlm::regedit::syntax {

// Reads a quoted string at the start of `s` (which begins with '"'), undoing the escapes;
// advances past it.
std::optional<std::string> readQuoted(std::string_view& s);

// Reads the value's name at the start of a value line: "name" or @ (the default value);
// advances past it.
std::optional<std::string> readName(std::string_view& s);

// The data part of a value line, after the '=': "text", dword:... or hex...:...
std::optional<Value> readData(std::string_view s);

// The line that stores `value` ("name"=data), without a line break.
std::string valueLine(const Value& value);

}  // namespace vlm::regedit::syntax
