// How a registry export file stores its text, and the way there and back: the text of a
// Unicode file is held as UTF-8, so that the lines parse alike in every encoding.
#pragma once

#include <string>
#include <string_view>

#include "regedit_file.hpp"

namespace vlm::regedit {

struct FileText {
  Encoding encoding = Encoding::Ansi;
  std::string bom;      // the byte-order mark, kept as it was
  std::string text;     // 8-bit as stored (Ansi) or UTF-8
  std::string trailer;  // an odd last byte of a UTF-16 file
};

FileText decode(std::string_view file);
// decode's inverse: encode(decode(f)) == f for every f.
std::string encode(const FileText& file);

}  // namespace vlm::regedit
