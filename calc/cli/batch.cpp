// vlmprop batch NAME [FILE]: one call of NAME per line of FILE or standard input, one output
// line per input row, ARG,...,VALUE,CODE.  A row that cannot be read or whose call fails
// is counted and reported, and the run goes on.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "batch_row.hpp"
#include "commands.hpp"
#include "exports.hpp"
#include "numbers.hpp"
#include "vlm/codepage.hpp"
#include "vlmcore5.h"

namespace vlmprop {
namespace {

std::string valueText(const Outcome& outcome) {
  switch (outcome.kind) {
    case Outcome::Number:
      return full17(outcome.number);
    case Outcome::Integer:
      return std::to_string(outcome.integer);
    case Outcome::Text:
      break;
  }
  // A text as one CSV field: quoted, quotes doubled.
  std::string out = "\"";
  for (char c : vlm::codepage::cp1251ToUtf8(outcome.text != nullptr ? outcome.text : "")) {
    out += c == '"' ? "\"\"" : std::string(1, c);
  }
  return out + "\"";
}

}  // namespace

int batch(const Args& args) {
  if (args.size() < 2 || args.size() > 3) return usageError("batch needs an export name and at most one file");
  const Export* entry = findExport(args[1]);
  if (entry == nullptr) return usageError("no export named " + args[1] + " (vlmprop --list shows them)");
  if (entry->parameterCodes().empty()) return usageError(std::string(entry->name) + " takes no arguments");

  std::ifstream file;
  const bool fromFile = args.size() == 3 && args[2] != "-";
  if (fromFile) {
    file.open(std::filesystem::path(reinterpret_cast<const char8_t*>(args[2].c_str())), std::ios::binary);
    if (!file) return usageError("cannot read " + args[2]);
  }
  std::istream& in = fromFile ? static_cast<std::istream&>(file) : std::cin;

  long rows = 0, malformed = 0, failed = 0, lineNumber = 0;
  for (std::string line; std::getline(in, line);) {
    ++lineNumber;
    const BatchRow row = parseBatchRow(line, entry->parameterCodes());
    if (row.kind == BatchRow::Kind::Skip) continue;
    ++rows;
    std::string out;
    for (const std::string& field : row.fields) out += field + ",";
    if (row.kind == BatchRow::Kind::Malformed) {
      ++malformed;
      std::fprintf(stderr, "vlmprop: line %ld: %s\n", lineNumber, row.error.c_str());
      out += ",-1";
    } else {
      const Outcome outcome = entry->invoke(row.values);
      failed += outcome.failed();
      out += valueText(outcome) + "," + std::to_string(vlmGETLASTERROR());
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
