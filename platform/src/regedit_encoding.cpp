// UTF-16 text is held as UTF-8 in which an unpaired surrogate keeps its own three-byte form,
// so that any sequence of 16-bit units, valid or not, comes back unchanged.
#include "regedit_encoding.hpp"

#include "vlm/codepage.hpp"

namespace vlm::regedit {
namespace {

constexpr std::string_view kUtf16Bom = "\xFF\xFE";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUnicodeHeader = "Windows Registry Editor Version 5.00";

std::string utf16ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  const auto unit = [&](std::size_t i) -> char16_t {
    return static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) | static_cast<unsigned char>(bytes[2 * i + 1])
                                                                                << 8);
  };
  const std::size_t count = bytes.size() / 2;
  for (std::size_t i = 0; i < count; ++i) {
    const char16_t u = unit(i);
    if (u >= 0xD800 && u < 0xDC00 && i + 1 < count && unit(i + 1) >= 0xDC00 && unit(i + 1) < 0xE000) {
      codepage::appendUtf8(out, 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (unit(i + 1) - 0xDC00));
      ++i;
    } else {
      codepage::appendUtf8(out, u);
    }
  }
  return out;
}

void appendUnit(std::string& out, char32_t u) {
  out.push_back(static_cast<char>(u & 0xFF));
  out.push_back(static_cast<char>(u >> 8));
}

std::string utf8ToUtf16(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (std::size_t i = 0; i < text.size();) {
    const auto b = static_cast<unsigned char>(text[i]);
    const std::size_t length = b < 0x80 ? 1 : b < 0xC0 ? 0 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : b < 0xF8 ? 4 : 0;
    bool ok = length > 0 && i + length <= text.size();
    char32_t c = length == 1 ? b : b & (0x7F >> length);
    for (std::size_t k = 1; ok && k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      ok = (next & 0xC0) == 0x80;
      c = (c << 6) | (next & 0x3F);
    }
    ok = ok && c <= 0x10FFFF;
    if (!ok) {  // never in text this reader made; a replacement character rather than a crash
      appendUnit(out, 0xFFFD);
      ++i;
      continue;
    }
    i += length;
    if (c >= 0x10000) {
      c -= 0x10000;
      appendUnit(out, 0xD800 + (c >> 10));
      appendUnit(out, 0xDC00 + (c & 0x3FF));
    } else {
      appendUnit(out, c);
    }
  }
  return out;
}

}  // namespace

FileText decode(std::string_view file) {
  FileText out;
  if (file.substr(0, 2) == kUtf16Bom) {
    out.encoding = Encoding::Utf16;
    out.bom = kUtf16Bom;
    file.remove_prefix(2);
    if (file.size() % 2) out.trailer = file.back();
    out.text = utf16ToUtf8(file);
    return out;
  }
  if (file.substr(0, 3) == kUtf8Bom) {
    out.bom = kUtf8Bom;
    file.remove_prefix(3);
  }
  out.encoding = file.substr(0, kUnicodeHeader.size()) == kUnicodeHeader ? Encoding::Utf8 : Encoding::Ansi;
  out.text = file;
  return out;
}

std::string encode(const FileText& file) {
  if (file.encoding != Encoding::Utf16) return file.bom + file.text;
  return file.bom + utf8ToUtf16(file.text) + file.trailer;
}

}  // namespace vlm::regedit
