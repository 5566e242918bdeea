// vlmprop NAME ARG...: one export by name; vlmprop --list: all of them.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "commands.hpp"
#include "exports.hpp"
#include "numbers.hpp"
#include "vlm/codepage.hpp"

namespace vlmprop {

int list() {
  std::size_t width = 0;
  for (const Export& entry : exports()) width = std::max(width, std::strlen(entry.name));
  for (const Export& entry : exports()) {
    const char* type = entry.signature[0] == 'D' ? "double" : entry.signature[0] == 'I' ? "int" : "text";
    std::printf("%-*s (%s) -> %s: %s\n", static_cast<int>(width), entry.name, entry.parametersWithUnits, type,
                entry.result);
  }
  return 0;
}

int callByName(const Args& args) {
  const Export* entry = findExport(args[0]);
  if (entry == nullptr) return usageError("no export named " + args[0] + " (vlmprop --list shows them)");
  const std::string_view codes = entry->parameterCodes();
  if (args.size() - 1 != codes.size()) {
    return usageError(std::string(entry->name) + " takes " + std::to_string(codes.size()) +
                      " argument(s): " + entry->parameters);
  }
  Arguments values;
  for (std::size_t i = 0; i < codes.size(); ++i) {
    const Number number = parseNumber(args[i + 1]);
    if (!number.ok()) return usageError(numberError(number.error, args[i + 1]));
    if (codes[i] == 'I' && !isInteger(number.value)) return usageError("not an integer: " + args[i + 1]);
    values.push_back(number.value);
  }
  const Outcome outcome = entry->invoke(values);
  if (outcome.failed()) return libraryFailure();
  switch (outcome.kind) {
    case Outcome::Number:
      std::printf("%s\n", general15(outcome.number).c_str());
      break;
    case Outcome::Integer:
      std::printf("%d\n", outcome.integer);
      break;
    case Outcome::Text:
      std::printf("%s\n", vlm::codepage::cp1251ToUtf8(outcome.text != nullptr ? outcome.text : "").c_str());
      break;
  }
  return 0;
}

}  // namespace vlmprop
