#include "regedit_syntax.hpp"

#include <cstdio>

namespace vlm::regedit::syntax {
namespace {

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

void skipBlanks(std::string_view& s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
}

std::optional<std::string> readHexBytes(std::string_view s) {
  std::string out;
  while (!s.empty()) {
    skipBlanks(s);
    if (s.size() < 2) return s.empty() ? std::optional(out) : std::nullopt;
    const int hi = hexDigit(s[0]), lo = hexDigit(s[1]);
    if (hi < 0 || lo < 0) return std::nullopt;
    out.push_back(static_cast<char>(hi * 16 + lo));
    s.remove_prefix(2);
    skipBlanks(s);
    if (!s.empty()) {
      if (s.front() != ',') return std::nullopt;
      s.remove_prefix(1);
    }
  }
  return out;
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
  char prefix[24];
  if (value.type == kTypeDword && value.bytes.size() == 4) {
    unsigned long number = 0;
    for (int i = 3; i >= 0; --i) number = number * 256 + static_cast<unsigned char>(value.bytes[i]);
    std::snprintf(prefix, sizeof prefix, "dword:%08lx", number);
    out += prefix;
    return;
  }
  if (value.type == kTypeBinary) {
    out += "hex:";
  } else {
    std::snprintf(prefix, sizeof prefix, "hex(%x):", value.type);
    out += prefix;
  }
  constexpr char kDigits[] = "0123456789abcdef";
  for (std::size_t i = 0; i < value.bytes.size(); ++i) {
    const auto byte = static_cast<unsigned char>(value.bytes[i]);
    if (i) out.push_back(',');
    out.push_back(kDigits[byte >> 4]);
    out.push_back(kDigits[byte & 15]);
  }
}

}  // namespace

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

std::optional<std::string> readName(std::string_view& s) {
  if (!s.empty() && s.front() == '@') {
    s.remove_prefix(1);
    return std::string();
  }
  return readQuoted(s);
}

std::optional<Value> readData(std::string_view s) {
  Value value;
  if (!s.empty() && s.front() == '"') {
    auto text = readQuoted(s);
    if (!text || !s.empty()) return std::nullopt;
    value.type = kTypeString;
    value.bytes = std::move(*text);
    value.bytes.push_back('\0');
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

std::string valueLine(const Value& value) {
  std::string out;
  if (value.name.empty()) {
    out.push_back('@');
  } else {
    appendQuoted(out, value.name);
  }
  out.push_back('=');
  appendData(out, value);
  return out;
}

}  // namespace vlm::regedit::syntax
