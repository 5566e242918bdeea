#include "batch_row.hpp"

#include <cstdio>

#include "numbers.hpp"

namespace vlmprop {
namespace {

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

BatchRow parseBatchRow(std::string_view line, std::string_view parameterCodes) {
  BatchRow row;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  const std::string_view content = trimmed(line);
  if (content.empty() || content.front() == '#') return row;
  // A control character (a NUL, a line break inside the row) makes no number; a row is never
  // cut short at one.
  for (std::size_t i = 0; i < content.size(); ++i) {
    const auto c = static_cast<unsigned char>(content[i]);
    if ((c < 0x20 && c != '\t') || c == 0x7f) {
      char reason[64];
      std::snprintf(reason, sizeof reason, "control character 0x%02x at byte %zu", c,
                    static_cast<std::size_t>(content.data() - line.data()) + i + 1);
      row.kind = BatchRow::Kind::Malformed;
      row.error = reason;
      return row;
    }
  }

  for (std::size_t start = 0;;) {
    const std::size_t comma = content.find(',', start);
    row.fields.emplace_back(trimmed(content.substr(start, comma == std::string_view::npos ? comma : comma - start)));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  row.kind = BatchRow::Kind::Malformed;
  if (row.fields.size() != parameterCodes.size()) {
    row.error =
        std::to_string(parameterCodes.size()) + " value(s) expected, " + std::to_string(row.fields.size()) + " found";
    return row;
  }
  for (std::size_t i = 0; i < row.fields.size(); ++i) {
    const Number number = parseNumber(row.fields[i]);
    if (!number.ok()) {
      row.error = numberError(number.error, row.fields[i]);
      return row;
    }
    if (parameterCodes[i] == 'I' && !isInteger(number.value)) {
      row.error = "not an integer: " + row.fields[i];
      return row;
    }
    row.values.push_back(number.value);
  }
  row.kind = BatchRow::Kind::Values;
  return row;
}

}  // namespace vlmprop
