// vlmprop batch NAME [FILE]: one call of NAME per line of FILE or standard input, one output
// line per input row, ARG,...,VALUE,CODE (the loop itself is batch_loop's).
#include <string>
#include <vector>

#include "batch_loop.hpp"
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

  BatchJob job;
  job.parameterCodes = entry->parameterCodes();
  job.answer = [entry](const std::vector<double>& values) {
    const Outcome outcome = entry->invoke(values);
    return BatchAnswer{valueText(outcome), vlmGETLASTERROR(), outcome.failed()};
  };
  return runBatch(args.size() == 3 ? args[2] : "", job);
}

}  // namespace vlmprop
