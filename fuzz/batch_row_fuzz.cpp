// The `vlmprop batch` row reader with any text and any parameter list.
//
// Input: u8 parameter list (bits 0-1 its length 0..3, bits 2-4 'I' for an int parameter at
// each place, else 'D'), then the line's text.
//
// Invariants: a row of values has one finite value per parameter, whole where an int is
// asked for, and writing the values out at full precision reads back as the same row; a
// malformed row says why; a skipped line is blank or a comment; a row of values holds no
// control character but tabs and a final carriage return.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "batch_row.hpp"
#include "numbers.hpp"

namespace {

[[noreturn]] void fail(const char* what, std::string_view line) {
  std::fprintf(stderr, "%s: '%.*s'\n", what, static_cast<int>(line.size()), line.data());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::string codes;
  for (int i = 0; i < (data[0] & 3); ++i) codes += (data[0] >> (2 + i)) & 1 ? 'I' : 'D';
  const std::string_view line(reinterpret_cast<const char*>(data + 1), size - 1);

  const vlmprop::BatchRow row = vlmprop::parseBatchRow(line, codes);
  using Kind = vlmprop::BatchRow::Kind;
  switch (row.kind) {
    case Kind::Skip: {
      const auto first = line.find_first_not_of(" \t\r");
      if (first != std::string_view::npos && line[first] != '#') fail("skipped a line with content", line);
      break;
    }
    case Kind::Malformed:
      if (row.error.empty()) fail("malformed without a reason", line);
      break;
    case Kind::Values: {
      const std::string_view body = !line.empty() && line.back() == '\r' ? line.substr(0, line.size() - 1) : line;
      for (const char c : body) {
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7f) fail("control character in a row", line);
      }
      if (row.values.size() != codes.size() || row.fields.size() != codes.size()) fail("value count", line);
      std::string written;
      for (std::size_t i = 0; i < row.values.size(); ++i) {
        if (!std::isfinite(row.values[i])) fail("non-finite value", line);
        if (codes[i] == 'I' && !vlmprop::isInteger(row.values[i])) fail("fraction for an int", line);
        written += (i ? "," : "") + vlmprop::full17(row.values[i]);
      }
      if (codes.empty()) break;
      const vlmprop::BatchRow again = vlmprop::parseBatchRow(written, codes);
      if (again.kind != Kind::Values || again.values != row.values) fail("values do not read back", line);
      break;
    }
  }
  return 0;
}
