#include "regedit_file.hpp"

#include "regedit_encoding.hpp"
#include "regedit_syntax.hpp"
#include "vlm/codepage.hpp"

namespace vlm::regedit {
namespace {

constexpr std::string_view kHeader = "REGEDIT4";
// The header of the registry editor's current export format, whose text is Unicode; the
// lines have the same syntax.
constexpr std::string_view kUnicodeHeader = "Windows Registry Editor Version 5.00";

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string folded(std::string_view name) {
  std::string out(name);
  for (char& c : out) c = lower(c);
  return out;
}

// A line without its line break.
std::string_view body(std::string_view line) {
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

std::string_view lineBreak(std::string_view line) { return line.substr(body(line).size()); }

// A value line whose data is hex...: the only lines that go on over several lines, each but
// the last ending in '\'.
bool hexLine(std::string_view line) {
  if (!syntax::readName(line) || line.empty() || line.front() != '=') return false;
  return line.substr(1, 3) == "hex";
}

}  // namespace

bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

Document::Document() { lines_.push_back(Line{std::string(kHeader) + "\n"}); }

Document::Section* Document::find(std::string_view path) {
  const auto found = byPath_.find(folded(path));
  return found == byPath_.end() ? nullptr : &sections_[found->second];
}

const Document::Section* Document::find(std::string_view path) const { return const_cast<Document*>(this)->find(path); }

bool Document::hasKey(std::string_view path) const {
  const std::string key = folded(path);
  if (byPath_.count(key)) return true;
  const std::string below = key + "\\";
  const auto next = byPath_.lower_bound(below);
  return next != byPath_.end() && next->first.compare(0, below.size(), below) == 0;
}

const Value* Document::findValue(std::string_view path, std::string_view name) const {
  const Section* section = find(path);
  if (!section) return nullptr;
  const auto found = section->byName.find(folded(name));
  return found == section->byName.end() ? nullptr : &section->slots[found->second].value;
}

std::vector<Key> Document::keys() const {
  std::vector<Key> out;
  for (const Section& section : sections_) {
    if (!section.present) continue;
    Key& key = out.emplace_back(Key{section.path, {}});
    for (const Slot& slot : section.slots) {
      if (slot.present) key.values.push_back(slot.value);
    }
  }
  return out;
}

std::size_t Document::addLine(std::string text, std::size_t after) {
  Line& previous = lines_[after];
  if (previous.text.empty() || previous.text.back() != '\n') {  // the file's last line, ended now
    previous.text += !previous.text.empty() && previous.text.back() == '\r' ? "\n" : newline_;
  }
  const std::size_t index = lines_.size();
  lines_.push_back(Line{std::move(text), lines_[after].next});
  lines_[after].next = index;
  if (after == last_) last_ = index;
  return index;
}

std::string Document::toFileText(std::string_view text) const {
  return encoding_ == Encoding::Ansi ? std::string(text) : codepage::cp1251ToUtf8(text);
}

Document::Section& Document::section(std::string_view path) {
  if (Section* found = find(path)) return *found;
  // A new key goes to the end of the file, after a blank line.
  const std::size_t header = addLine(toFileText("[" + std::string(path) + "]") + newline_, addLine(newline_, last_));
  byPath_[folded(path)] = sections_.size();
  Section& added = sections_.emplace_back(Section{std::string(path)});
  added.headers.push_back(header);
  added.anchor = header;
  return added;
}

void Document::setValue(Section& section, Value value, std::size_t line) {
  const std::string name = folded(value.name);
  const auto found = section.byName.find(name);
  if (found != section.byName.end()) {
    Slot& slot = section.slots[found->second];
    slot.value.type = value.type;
    slot.value.bytes = std::move(value.bytes);
    slot.lines.push_back(line);
    return;
  }
  section.byName.emplace(name, section.slots.size());
  section.slots.push_back(Slot{std::move(value), {line}});
}

void Document::deleteValue(Section& section, std::string_view name) {
  const auto found = section.byName.find(folded(name));
  if (found == section.byName.end()) return;
  Slot& slot = section.slots[found->second];
  for (std::size_t line : slot.lines) lines_[line].dropped = true;
  slot.present = false;
  section.byName.erase(found);
}

void Document::deleteKey(std::string_view path) {
  const std::string key = folded(path);
  const std::string below = key + "\\";
  for (auto it = byPath_.lower_bound(key); it != byPath_.end();) {
    if (it->first != key && it->first.compare(0, below.size(), below) != 0) {
      if (it->first > below) break;
      ++it;  // a sibling sorting between the key and its subkeys, such as "key 2" or "key-x"
      continue;
    }
    Section& section = sections_[it->second];
    for (std::size_t line : section.headers) lines_[line].dropped = true;
    for (const Slot& slot : section.slots) {
      for (std::size_t line : slot.lines) lines_[line].dropped = true;
    }
    section.present = false;
    it = byPath_.erase(it);
  }
}

void Document::setText(std::string_view path, std::string_view name, std::string_view text) {
  Value value{std::string(name), kTypeString, std::string(text) + '\0'};
  Section& target = section(path);
  const auto found = target.byName.find(folded(name));
  if (found != target.byName.end()) {
    // The value keeps its name as first written, as the registry keeps it.
    Slot& slot = target.slots[found->second];
    slot.value.type = kTypeString;
    slot.value.bytes = std::move(value.bytes);
    std::string& stored = lines_[slot.lines.back()].text;
    stored = toFileText(syntax::valueLine(slot.value)) + std::string(lineBreak(stored));
    return;
  }
  target.anchor = addLine(toFileText(syntax::valueLine(value)) + newline_, target.anchor);
  setValue(target, std::move(value), target.anchor);
}

std::optional<Document> parse(std::string_view file) {
  FileText decoded = decode(file);
  Document document;
  document.lines_.clear();
  document.encoding_ = decoded.encoding;
  document.bom_ = std::move(decoded.bom);
  document.trailer_ = std::move(decoded.trailer);
  const bool unicode = decoded.encoding != Encoding::Ansi;
  std::string_view text = decoded.text;

  const auto nextLine = [&text] {
    const auto end = text.find('\n');
    const auto line = text.substr(0, end == std::string_view::npos ? text.size() : end + 1);
    text.remove_prefix(line.size());
    return line;
  };
  bool headerSeen = false;
  std::size_t current = Document::kNone;  // the section the value lines belong to
  bool deletedKey = false;                // the lines follow a [-key]: ignored, as an import does
  while (!text.empty()) {
    std::string_view first = nextLine();
    std::string raw(first);
    std::string logical(body(first));
    if (!logical.empty() && logical.back() == '\\' && hexLine(logical)) {
      while (!logical.empty() && logical.back() == '\\' && !text.empty()) {
        const std::string_view next = nextLine();
        raw += next;
        std::string_view more = body(next);
        while (!more.empty() && (more.front() == ' ' || more.front() == '\t')) more.remove_prefix(1);
        logical.pop_back();
        logical += more;
      }
    }
    if (!document.lines_.empty()) document.lines_.back().next = document.lines_.size();
    const std::size_t index = document.lines_.size();
    document.lines_.push_back(Document::Line{std::move(raw)});
    document.last_ = index;

    const std::string converted = unicode ? codepage::utf8ToCp1251(logical) : std::string();
    std::string_view s = unicode ? std::string_view(converted) : std::string_view(logical);
    if (s.empty() || s.front() == ';') continue;
    if (!headerSeen) {
      if (s != kHeader && s != kUnicodeHeader) return std::nullopt;
      headerSeen = true;
      if (lineBreak(first) == "\r\n") document.newline_ = "\r\n";
      continue;
    }
    if (s.front() == '[') {
      if (s.back() != ']' || s.size() < 3) return std::nullopt;
      const auto path = s.substr(1, s.size() - 2);
      deletedKey = path.front() == '-';
      if (deletedKey) {
        document.deleteKey(path.substr(1));
        document.lines_[index].dropped = true;
        current = Document::kNone;
        continue;
      }
      const auto found = document.byPath_.find(folded(path));
      if (found == document.byPath_.end()) {
        document.byPath_.emplace(folded(path), document.sections_.size());
        current = document.sections_.size();
        document.sections_.push_back(Document::Section{std::string(path)});
      } else {
        current = found->second;
      }
      document.sections_[current].headers.push_back(index);
      document.sections_[current].anchor = index;
      continue;
    }
    if (deletedKey) {
      document.lines_[index].dropped = true;
      continue;
    }
    if (current == Document::kNone) return std::nullopt;
    auto name = syntax::readName(s);
    if (!name || s.empty() || s.front() != '=') return std::nullopt;
    s.remove_prefix(1);
    Document::Section& section = document.sections_[current];
    if (s == "-") {
      document.deleteValue(section, *name);
      document.lines_[index].dropped = true;
      continue;
    }
    auto value = syntax::readData(s);
    if (!value) return std::nullopt;
    value->name = std::move(*name);
    document.setValue(section, std::move(*value), index);
    section.anchor = index;
  }
  if (!headerSeen) return std::nullopt;
  return document;
}

std::string format(const Document& document) {
  FileText file{document.encoding_, document.bom_, {}, document.trailer_};
  for (std::size_t i = 0; i != Document::kNone; i = document.lines_[i].next) {
    if (!document.lines_[i].dropped) file.text += document.lines_[i].text;
  }
  return encode(file);
}

}  // namespace vlm::regedit
