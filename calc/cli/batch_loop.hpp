// The loop of every `vlmprop batch`: read rows of comma-separated SI arguments from a file or
// standard input, answer each in one output line ARG,...,RESULT...,CODE, report the rows that
// cannot be read and count the failed ones, and go on to the end.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vlmprop {

struct BatchAnswer {
  std::string columns;  // the result columns, comma-separated, without the code
  int code = 0;
  bool failed = false;
};

struct BatchJob {
  std::string_view parameterCodes;  // as parseBatchRow takes them
  std::size_t resultColumns = 1;    // how many columns `columns` holds: a row that cannot be read gets them empty
  std::string header;               // a first output line; empty for none
  std::function<BatchAnswer(const std::vector<double>&)> answer;
};

// `source` names the input file ("-" or empty: standard input).  Returns the exit status:
// 0 every row answered, 1 some row could not be read or failed, 2 the file cannot be read.
int runBatch(const std::string& source, const BatchJob& job);

}  // namespace vlmprop
