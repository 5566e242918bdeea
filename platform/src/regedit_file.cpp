#include "regedit_file.hpp"

#include <cstdio>

#include "vlm/codepage.hpp"

namespace vlm::regedit {
namespace {

constexpr std::string_view kHeader = "REGEDIT4";
// The header of the registry editor's current export format, whose text is Unicode (UTF-16LE
// with a byte-order mark, or UTF-8); the lines have the same syntax.
constexpr std::string_view kUnicodeHeader = "Windows Registry Editor Version 5.00";

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const auto end = text.find('\n');
    auto line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

// Reads a quoted string at the start of `s` (which begins with '"'); advances past it.
std::optional<std::string> readQuoted(std::string_view& s) {
  if (s.empty() || s.front() != '"') return std::nullopt;
  std::string out;
  for (std::size_t i = 1; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '\\') {
      if (++i == s.size()) return std::nullopt;
      out.push_back(s[i]);
    } else if (c == '"') {
      s.remove_prefix(i + 1);
      return out;
    } else {
      out.push_back(c);
    }
  }
  return std::nullopt;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = lower(c);
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::optional<std::string> readHexBytes(std::string_view s) {
  std::string out;
  while (!s.empty()) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    if (s.size() < 2) return s.empty() ? std::optional(out) : std::nullopt;
    const int hi = hexDigit(s[0]), lo = hexDigit(s[1]);
    if (hi < 0 || lo < 0) return std::nullopt;
    out.push_back(static_cast<char>(hi * 16 + lo));
    s.remove_prefix(2);
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    if (!s.empty()) {
      if (s.front() != ',') return std::nullopt;
      s.remove_prefix(1);
    }
  }
  return out;
}

// The data part of a value line, after the '='.
std::optional<Value> readData(std::string_view s) {
  Value value;
  if (!s.empty() && s.front() == '"') {
    auto text = readQuoted(s);
    if (!text || !s.empty()) return std::nullopt;
    value.type = kTypeString;
    value.bytes = *text + '\0';
    return value;
  }
  if (s.substr(0, 6) == "dword:") {
    s.remove_prefix(6);
    if (s.size() != 8) return std::nullopt;
    unsigned long number = 0;
    for (char c : s) {
      const int d = hexDigit(c);
      if (d < 0) return std::nullopt;
      number = number * 16 + static_cast<unsigned>(d);
    }
    value.type = kTypeDword;
    for (int i = 0; i < 4; ++i) value.bytes.push_back(static_cast<char>((number >> (8 * i)) & 0xff));
    return value;
  }
  if (s.substr(0, 4) == "hex:") {
    s.remove_prefix(4);
    value.type = kTypeBinary;
  } else if (s.substr(0, 4) == "hex(") {
    const auto close = s.find("):");
    if (close == std::string_view::npos || close == 4) return std::nullopt;
    value.type = 0;
    for (char c : s.substr(4, close - 4)) {
      const int d = hexDigit(c);
      if (d < 0) return std::nullopt;
      value.type = value.type * 16 + static_cast<unsigned>(d);
    }
    s.remove_prefix(close + 2);
  } else {
    return std::nullopt;
  }
  auto bytes = readHexBytes(s);
  if (!bytes) return std::nullopt;
  value.bytes = std::move(*bytes);
  return value;
}

bool needsHex(const Value& value) {
  if (value.type != kTypeString) return true;
  if (value.bytes.empty() || value.bytes.back() != '\0') return true;
  for (std::size_t i = 0; i + 1 < value.bytes.size(); ++i) {
    const auto c = static_cast<unsigned char>(value.bytes[i]);
    if (c < 0x20 || c == 0x7f) return true;  // line breaks and the like cannot stand in quotes
  }
  return false;
}

void appendQuoted(std::string& out, std::string_view text) {
  out.push_back('"');
  for (char c : text) {
    if (c == '\\' || c == '"') out.push_back('\\');
    out.push_back(c);
  }
  out.push_back('"');
}

void appendData(std::string& out, const Value& value) {
  if (!needsHex(value)) {
    appendQuoted(out, std::string_view(value.bytes).substr(0, value.bytes.size() - 1));
    return;
  }
  char prefix[16];
  if (value.type == kTypeDword && value.bytes.size() == 4) {
    unsigned long number = 0;
    for (int i = 3; i >= 0; --i) number = number * 256 + static_cast<unsigned char>(value.bytes[i]);
    std::snprintf(prefix, sizeof prefix, "dword:%08lx", number);
    out += prefix;
    return;
  }
  if (value.type == kTypeBinary) {
    std::snprintf(prefix, sizeof prefix, "hex:");
  } else {
    std::snprintf(prefix, sizeof prefix, "hex(%x):", value.type);
  }
  out += prefix;
  for (std::size_t i = 0; i < value.bytes.size(); ++i) {
    char byte[4];
    std::snprintf(byte, sizeof byte, i ? ",%02x" : "%02x", static_cast<unsigned char>(value.bytes[i]));
    out += byte;
  }
}

}  // namespace

bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

const Section* Document::findSection(std::string_view path) const {
  for (const auto& section : sections) {
    if (sameName(section.path, path)) return &section;
  }
  return nullptr;
}

bool Document::hasKey(std::string_view path) const {
  for (const auto& section : sections) {
    std::string_view name = section.path;
    if (sameName(name, path)) return true;
    if (name.size() > path.size() && name[path.size()] == '\\' && sameName(name.substr(0, path.size()), path)) {
      return true;
    }
  }
  return false;
}

const Value* Document::findValue(std::string_view path, std::string_view name) const {
  const Section* section = findSection(path);
  if (!section) return nullptr;
  for (const auto& value : section->values) {
    if (sameName(value.name, name)) return &value;
  }
  return nullptr;
}

void Document::setText(std::string_view path, std::string_view name, std::string_view text) {
  Section* section = const_cast<Section*>(findSection(path));
  if (!section) section = &sections.emplace_back(Section{std::string(path), {}});
  Value value{std::string(name), kTypeString, std::string(text) + '\0'};
  for (auto& existing : section->values) {
    if (sameName(existing.name, name)) {
      existing = std::move(value);
      return;
    }
  }
  section->values.push_back(std::move(value));
}

namespace {

// The text of a file as Windows-1251, the store's own code page: a Unicode export is
// converted; a REGEDIT4 file is already in it.
std::string toCodePage(std::string_view text) {
  if (text.substr(0, 2) == "\xFF\xFE") {
    text.remove_prefix(2);
    std::u16string units(text.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
      units[i] = static_cast<char16_t>(static_cast<unsigned char>(text[2 * i]) |
                                       static_cast<unsigned char>(text[2 * i + 1]) << 8);
    }
    return codepage::utf16ToCp1251(units);
  }
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  if (text.substr(0, kUnicodeHeader.size()) == kUnicodeHeader) return codepage::utf8ToCp1251(text);
  return std::string(text);
}

}  // namespace

std::optional<Document> parse(std::string_view file) {
  const std::string converted = toCodePage(file);
  const auto lines = splitLines(converted);
  Document document;
  bool headerSeen = false;
  Section* current = nullptr;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string line(lines[i]);
    // A hex value may continue over several lines, each but the last ending in '\'.
    while (!line.empty() && line.back() == '\\' && line.find("=hex") != std::string::npos && i + 1 < lines.size()) {
      line.pop_back();
      auto next = lines[++i];
      while (!next.empty() && (next.front() == ' ' || next.front() == '\t')) next.remove_prefix(1);
      line += next;
    }
    std::string_view s = line;
    if (s.empty() || s.front() == ';') continue;
    if (!headerSeen) {
      if (s != kHeader && s != kUnicodeHeader) return std::nullopt;
      headerSeen = true;
      continue;
    }
    if (s.front() == '[') {
      if (s.back() != ']' || s.size() < 3) return std::nullopt;
      const auto path = s.substr(1, s.size() - 2);
      if (path.front() == '-') return std::nullopt;  // deletions belong to imports, not to a store
      current = const_cast<Section*>(document.findSection(path));
      if (!current) current = &document.sections.emplace_back(Section{std::string(path), {}});
      continue;
    }
    if (!current) return std::nullopt;
    Value value;
    if (s.front() == '@') {
      s.remove_prefix(1);
    } else {
      auto name = readQuoted(s);
      if (!name) return std::nullopt;
      value.name = std::move(*name);
    }
    if (s.empty() || s.front() != '=') return std::nullopt;
    s.remove_prefix(1);
    auto data = readData(s);
    if (!data) return std::nullopt;
    data->name = std::move(value.name);
    current->values.push_back(std::move(*data));
  }
  if (!headerSeen) return std::nullopt;
  return document;
}

std::string format(const Document& document) {
  std::string out(kHeader);
  out += "\n";
  for (const auto& section : document.sections) {
    out += "\n[" + section.path + "]\n";
    for (const auto& value : section.values) {
      if (value.name.empty()) {
        out += "@";
      } else {
        appendQuoted(out, value.name);
      }
      out += "=";
      appendData(out, value);
      out += "\n";
    }
  }
  return out;
}

}  // namespace vlm::regedit
