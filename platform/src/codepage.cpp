#include "vlm/codepage.hpp"

#include <array>

namespace vlm::codepage {
namespace {

// Code points of the bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F in order.
constexpr char16_t kHigh[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 0x88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 0x98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // 0xA0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // 0xA8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // 0xB0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // 0xB8
};

// Lower case of a Cyrillic code point: U+0400..U+040F -> +0x50, U+0410..U+042F -> +0x20,
// U+0490 -> U+0491.
char32_t lowerCyrillic(char32_t c) {
  if (c >= 0x0400 && c <= 0x040F) return c + 0x50;
  if (c >= 0x0410 && c <= 0x042F) return c + 0x20;
  if (c == 0x0490) return 0x0491;
  return c;
}

std::array<char, 256> makeLowerTable() {
  std::array<char, 256> table{};
  for (int b = 0; b < 256; ++b) {
    int lower = b;
    if (b >= 'A' && b <= 'Z') {
      lower = b - 'A' + 'a';
    } else if (b >= 0x80) {
      const int mapped = fromUnicode(lowerCyrillic(toUnicode(static_cast<unsigned char>(b))));
      if (mapped >= 0) lower = mapped;
    }
    table[static_cast<std::size_t>(b)] = static_cast<char>(lower);
  }
  return table;
}

// Decodes one UTF-8 sequence at text[i]; advances i.  Returns U+FFFFFFFF for a malformed
// sequence (i then advances by one byte).
char32_t decodeUtf8(std::string_view text, std::size_t& i) {
  constexpr char32_t kBad = 0xFFFFFFFF;
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  if (lead < 0x80) {
    ++i;
    return lead;
  }
  int length = 0;
  char32_t code = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, code = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, code = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, code = lead & 0x07, minimum = 0x10000;
  } else {
    ++i;
    return kBad;
  }
  if (i + static_cast<std::size_t>(length) > text.size()) {
    ++i;
    return kBad;
  }
  for (int k = 1; k < length; ++k) {
    const unsigned char next = byte(i + static_cast<std::size_t>(k));
    if ((next & 0xC0) != 0x80) {
      ++i;
      return kBad;
    }
    code = (code << 6) | (next & 0x3F);
  }
  if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
    ++i;
    return kBad;
  }
  i += static_cast<std::size_t>(length);
  return code;
}

char encode(char32_t code, char replacement) {
  const int byte = fromUnicode(code);
  return byte < 0 ? replacement : static_cast<char>(byte);
}

}  // namespace

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

char32_t toUnicode(unsigned char byte) {
  if (byte < 0x80) return byte;
  if (byte >= 0xC0) return 0x0410 + (byte - 0xC0);
  return kHigh[byte - 0x80];
}

int fromUnicode(char32_t code) {
  if (code < 0x80) return static_cast<int>(code);
  if (code >= 0x0410 && code <= 0x044F) return static_cast<int>(code - 0x0410 + 0xC0);
  for (int k = 0; k < 64; ++k) {
    if (kHigh[k] == code) return 0x80 + k;
  }
  return -1;
}

std::string cp1251ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (char c : text) appendUtf8(out, toUnicode(static_cast<unsigned char>(c)));
  return out;
}

std::u16string cp1251ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (char c : text) out.push_back(static_cast<char16_t>(toUnicode(static_cast<unsigned char>(c))));
  return out;
}

std::string utf8ToCp1251(std::string_view text, char replacement) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) out.push_back(encode(decodeUtf8(text, i), replacement));
  return out;
}

std::string utf16ToCp1251(std::u16string_view text, char replacement) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      ++i;  // a character beyond the BMP: never in the code page
      out.push_back(replacement);
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      out.push_back(replacement);
    } else {
      out.push_back(encode(unit, replacement));
    }
  }
  return out;
}

char toLower(char byte) {
  static const std::array<char, 256> table = makeLowerTable();
  return table[static_cast<unsigned char>(byte)];
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && startsWithIgnoringCase(a, b);
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (prefix.size() > text.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (toLower(text[i]) != toLower(prefix[i])) return false;
  }
  return true;
}

}  // namespace vlm::codepage
