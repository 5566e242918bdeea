#include "batch_loop.hpp"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "batch_row.hpp"
#include "commands.hpp"

namespace vlmprop {

int runBatch(const std::string& source, const BatchJob& job) {
  std::ifstream file;
  const bool fromFile = !source.empty() && source != "-";
  if (fromFile) {
    file.open(std::filesystem::path(reinterpret_cast<const char8_t*>(source.c_str())), std::ios::binary);
    if (!file) return usageError("cannot read " + source);
  }
  std::istream& in = fromFile ? static_cast<std::istream&>(file) : std::cin;
  if (!job.header.empty()) std::printf("%s\n", job.header.c_str());

  const std::string emptyColumns(job.resultColumns > 0 ? job.resultColumns - 1 : 0, ',');
  long rows = 0, malformed = 0, failed = 0, lineNumber = 0;
  for (std::string line; std::getline(in, line);) {
    ++lineNumber;
    const BatchRow row = parseBatchRow(line, job.parameterCodes);
    if (row.kind == BatchRow::Kind::Skip) continue;
    ++rows;
    std::string out;
    if (row.kind == BatchRow::Kind::Malformed && !job.header.empty()) {
      // Under a header every line keeps its columns: the row's fields as typed in the
      // argument columns, missing ones empty, extra ones left out (the message names the line).
      for (std::size_t k = 0; k < job.parameterCodes.size(); ++k)
        out += (k < row.fields.size() ? row.fields[k] : "") + ",";
    } else {
      for (const std::string& field : row.fields) out += field + ",";
    }
    if (row.kind == BatchRow::Kind::Malformed) {
      ++malformed;
      std::fprintf(stderr, "vlmprop: line %ld: %s\n", lineNumber, row.error.c_str());
      out += emptyColumns + ",-1";
    } else {
      const BatchAnswer answer = job.answer(row.values);
      failed += answer.failed;
      out += answer.columns + "," + std::to_string(answer.code);
    }
    std::printf("%s\n", out.c_str());
  }
  if (malformed + failed > 0) {
    std::fprintf(stderr, "vlmprop: %ld row(s), %ld could not be read, %ld failed\n", rows, malformed, failed);
    return 1;
  }
  return 0;
}

}  // namespace vlmprop
