// A REGEDIT4 text file, the format Windows' registry editor exports: the Linux stand-in for
// the registry.  Keys are sections "[HKEY_LOCAL_MACHINE\path]", values are lines
// "name"="text", @="text" (the key's default value), "name"=dword:0000002a or
// "name"=hex(N):aa,bb,...  Text is raw 8-bit (Windows-1251) with \\ and \" escaped.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vlm::regedit {

inline constexpr unsigned kTypeString = 1;  // REG_SZ
inline constexpr unsigned kTypeBinary = 3;  // REG_BINARY
inline constexpr unsigned kTypeDword = 4;   // REG_DWORD

struct Value {
  std::string name;  // empty for the default value
  unsigned type = kTypeString;
  std::string bytes;  // as the registry stores them: a text with its terminating zero
};

struct Section {
  std::string path;  // full key name, root included: HKEY_LOCAL_MACHINE\\SOFTWARE\\...
  std::vector<Value> values;
};

struct Document {
  std::vector<Section> sections;

  // Registry names compare without regard to ASCII letter case.
  const Section* findSection(std::string_view path) const;
  // True if the key or any key below it is present.
  bool hasKey(std::string_view path) const;
  const Value* findValue(std::string_view path, std::string_view name) const;
  void setText(std::string_view path, std::string_view name, std::string_view text);
};

bool sameName(std::string_view a, std::string_view b);

// Nullopt when the text is not a REGEDIT4 file this reader understands.
std::optional<Document> parse(std::string_view text);
std::string format(const Document& document);

}  // namespace vlm::regedit
