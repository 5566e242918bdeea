// A registry export file, the format Windows' registry editor writes: the Linux stand-in for
// the registry.  Keys are sections "[HKEY_LOCAL_MACHINE\path]", values are lines
// "name"="text", @="text" (the key's default value), "name"=dword:0000002a or
// "name"=hex(N):aa,bb,...  Text has \\ and \" escaped.  "REGEDIT4" files are 8-bit
// (Windows-1251); "Windows Registry Editor Version 5.00" files are UTF-16LE with a byte-order
// mark or UTF-8.  Deletion lines, "name"=- and [-path], delete on reading as an import would.
//
// A document keeps the file's own lines: writing it back gives the same bytes in the same
// encoding, comments and other programs' keys included, except for the lines that setText
// changed or added and the deletion lines (with what they deleted), which are gone.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vlm::regedit {

inline constexpr unsigned kTypeString = 1;  // REG_SZ
inline constexpr unsigned kTypeBinary = 3;  // REG_BINARY
inline constexpr unsigned kTypeDword = 4;   // REG_DWORD

// Names and texts are Windows-1251 whatever the file's encoding.
struct Value {
  std::string name;  // empty for the default value
  unsigned type = kTypeString;
  std::string bytes;  // as the registry stores them: a text with its terminating zero
};

struct Key {
  std::string path;  // full key name, root included: HKEY_LOCAL_MACHINE\\SOFTWARE\\...
  std::vector<Value> values;
};

enum class Encoding {
  Ansi,   // 8-bit bytes (REGEDIT4), Windows-1251
  Utf8,   // "Version 5.00" text in UTF-8
  Utf16,  // "Version 5.00" text in UTF-16LE (the registry editor's own export)
};

bool sameName(std::string_view a, std::string_view b);  // ASCII letter case ignored

class Document {
 public:
  Document();  // an empty REGEDIT4 file

  // Registry names compare without regard to ASCII letter case.
  bool hasKey(std::string_view path) const;  // the key or any key below it
  const Value* findValue(std::string_view path, std::string_view name) const;
  // Replaces the value's line where it is, or adds one at the end of the key's last section
  // (a new key goes to the end of the file).
  void setText(std::string_view path, std::string_view name, std::string_view text);

  // Every key present with its values, in the order in which they first appear.
  std::vector<Key> keys() const;
  Encoding encoding() const { return encoding_; }

 private:
  friend std::optional<Document> parse(std::string_view file);
  friend std::string format(const Document& document);

  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

  struct Line {
    std::string text;  // as in the file (8-bit, or UTF-8 for Unicode files), line breaks included
    std::size_t next = kNone;
    bool dropped = false;
  };
  struct Slot {
    Value value;
    std::vector<std::size_t> lines;  // every line that set it; the last one counts
    bool present = true;
  };
  struct Section {
    std::string path;
    std::vector<Slot> slots{};
    std::unordered_map<std::string, std::size_t> byName{};  // folded name -> slot
    std::vector<std::size_t> headers{};                     // the lines "[path]"
    std::size_t anchor = kNone;                             // the line new values follow
    bool present = true;
  };

  std::size_t addLine(std::string text, std::size_t after);
  Section& section(std::string_view path);  // found or added, with its header line
  void setValue(Section& section, Value value, std::size_t line);
  void deleteValue(Section& section, std::string_view name);
  void deleteKey(std::string_view path);
  Section* find(std::string_view path);
  const Section* find(std::string_view path) const;
  std::string toFileText(std::string_view text) const;  // Windows-1251 to the file's encoding

  std::vector<Line> lines_;                    // linked in file order from lines_[0]
  std::size_t last_ = 0;                       // the line that ends the file
  std::vector<Section> sections_;              // in order of first appearance
  std::map<std::string, std::size_t> byPath_;  // folded path -> present section
  Encoding encoding_ = Encoding::Ansi;
  std::string bom_;      // the byte-order mark the file starts with, if any
  std::string trailer_;  // an odd last byte of a UTF-16 file
  std::string newline_ = "\n";
};

// Nullopt when the text is not a registry file this reader understands.
std::optional<Document> parse(std::string_view file);
std::string format(const Document& document);

}  // namespace vlm::regedit
