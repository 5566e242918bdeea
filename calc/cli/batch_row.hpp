// One line of a `vlmprop batch` input: comma-separated arguments of one export call.  A pure
// function of the text, so it can be tested and fuzzed alone.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vlmprop {

struct BatchRow {
  enum class Kind {
    Skip,       // blank, or a comment starting with '#': not a row
    Values,     // `values` holds one number per parameter
    Malformed,  // `error` says why; `fields` is empty when the row holds a control character
  };
  Kind kind = Kind::Skip;
  std::vector<std::string> fields;  // the fields as typed, without surrounding blanks
  std::vector<double> values;
  std::string error;
};

// `parameterCodes` has one letter per parameter of the export: 'D' a double, 'I' an int
// (a whole number); empty when it takes none.  A trailing carriage return is ignored; a
// control character other than a tab anywhere else makes the row Malformed.
BatchRow parseBatchRow(std::string_view line, std::string_view parameterCodes);

}  // namespace vlmprop
