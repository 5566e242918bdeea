#include "vlm/calc/reading_note.hpp"

namespace vlm::calc {
namespace {

// A long unread part is cut to this many characters and an ellipsis.
constexpr std::size_t kQuotedLength = 24;

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\n\v\f\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\n\v\f\r") - first + 1);
}

}  // namespace

std::string readingNote(std::string_view text, Language language) {
  const NumberReading reading = readNumber(text);
  if (reading.whole) return {};
  std::string number(text.substr(reading.begin, reading.end - reading.begin));
  if (number.empty()) number.push_back('0');  // no number at all: the text reads as 0
  std::string_view rest = trimmed(text.substr(reading.end));
  std::string quoted(rest.substr(0, kQuotedLength));
  if (rest.size() > kQuotedLength) quoted += '\x85';  // ellipsis
  const bool comma = !rest.empty() && rest.front() == ',';
  if (language == Language::Russian) {
    // Прочитано как 3: «,5» не учитывается. Десятичный разделитель — точка.
    std::string note = "\xcf\xf0\xee\xf7\xe8\xf2\xe0\xed\xee \xea\xe0\xea " + number + ": \xab" + quoted +
                       "\xbb \xed\xe5 \xf3\xf7\xe8\xf2\xfb\xe2\xe0\xe5\xf2\xf1\xff.";
    if (comma)
      note +=
          " \xc4\xe5\xf1\xff\xf2\xe8\xf7\xed\xfb\xe9 \xf0\xe0\xe7\xe4\xe5\xeb\xe8\xf2\xe5\xeb\xfc \x97 "
          "\xf2\xee\xf7\xea\xe0.";
    return note;
  }
  std::string note = "Read as " + number + ": \"" + quoted + "\" is ignored.";
  if (comma) note += " The decimal separator is a point.";
  return note;
}

}  // namespace vlm::calc
