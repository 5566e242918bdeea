// mcadhost: loads the add-in as the worksheet program does and calls its worksheet functions
// from the command line.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "host.hpp"
#include "vlm/codepage.hpp"

namespace {

constexpr const char* kUsage =
    "usage: mcadhost [--addin FILE] [--refuse-error-table] [--list] [NAME [ARG...]]...\n"
    "\n"
    "Loads the add-in (vlmmcad.dll unless --addin names another) with the stand-in\n"
    "mcaduser.dll, then calls each registered worksheet function NAME with its ARGs, in order\n"
    "and in one process, so settings carry from one call to the next.  An ARG is a complex\n"
    "number RE or RE:IM (imaginary part 0 when left out).\n"
    "\n"
    "  --refuse-error-table  the stand-in refuses the add-in's error table\n"
    "  --list                print the registered error table and every registered function\n"
    "\n"
    "Each call prints its result's real and imaginary parts and its status, and for a failure\n"
    "the registered message the status selects (texts in UTF-8):\n"
    "  vlmVPT(100000, 200) = -1 + 0i, status 0x10003, message 3 on argument 1: ...\n";

int usageError(const std::string& message) {
  std::fprintf(stderr, "mcadhost: %s\n\n%s", message.c_str(), kUsage);
  return 2;
}

bool parseDouble(const std::string& text, double& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  value = std::strtod(text.c_str(), &end);
  return end == text.c_str() + text.size();
}

// RE or RE:IM.
bool parseComplex(const std::string& text, McadComplex& value) {
  const std::size_t colon = text.find(':');
  value.imag = 0.0;
  if (colon == std::string::npos) return parseDouble(text, value.real);
  return parseDouble(text.substr(0, colon), value.real) && parseDouble(text.substr(colon + 1), value.imag);
}

std::string utf8(const char* cp1251) { return vlm::codepage::cp1251ToUtf8(cp1251 != nullptr ? cp1251 : ""); }

void list(const mcadhost::Host& host) {
  const McadErrorTableCall* table = host.errorTable();
  if (table == nullptr) {
    std::printf("error table: none registered\n");
  } else {
    std::printf("error table: %u messages, %s\n", table->count, table->accepted ? "accepted" : "refused");
    for (unsigned n = 1; table->accepted && n <= table->count; ++n) {
      std::printf("  %u %s\n", n, utf8(table->messages[n - 1]).c_str());
    }
  }
  const auto functions = host.functions();
  std::printf("functions: %zu\n", functions.size());
  unsigned position = 0;
  for (const McadFunctionInfo* f : functions) {
    std::printf("  %3u %s(%s) returns %u, %u argument(s) of types", ++position, f->name, f->parameters, f->returnType,
                f->argCount);
    for (unsigned type : f->argTypes) std::printf(" %u", type);
    std::printf(", description \"%s\"\n", f->description);
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string addin = "vlmmcad.dll";
  bool refuse = false;
  bool listing = false;
  std::size_t i = 0;
  for (; i < args.size() && args[i].starts_with("--"); ++i) {
    if (args[i] == "--addin" && i + 1 < args.size()) {
      addin = args[++i];
    } else if (args[i] == "--refuse-error-table") {
      refuse = true;
    } else if (args[i] == "--list") {
      listing = true;
    } else if (args[i] == "--help") {
      std::fputs(kUsage, stdout);
      return 0;
    } else {
      return usageError("unknown option " + args[i]);
    }
  }
  if (!listing && i == args.size()) return usageError("nothing to do");

  mcadhost::Host host;
  if (!host.load(addin.c_str(), refuse)) {
    std::fprintf(stderr, "mcadhost: cannot load %s (error %lu)\n", addin.c_str(), GetLastError());
    return 1;
  }
  if (listing) list(host);

  while (i < args.size()) {
    const std::string name = args[i++];
    std::vector<McadComplex> arguments;
    std::string shown;
    for (McadComplex value; i < args.size() && parseComplex(args[i], value); ++i) {
      arguments.push_back(value);
      shown += (shown.empty() ? "" : ", ") + args[i];
    }
    const McadFunctionInfo* function = host.find(name);
    if (function == nullptr) return usageError("no worksheet function named " + name + " is registered");
    if (arguments.size() != function->argCount) {
      return usageError(name + " takes " + std::to_string(function->argCount) + " argument(s) (" +
                        function->parameters + ")");
    }
    const mcadhost::Outcome outcome = mcadhost::Host::call(*function, arguments);
    std::printf("%s(%s) = %.17g + %.17gi, status ", name.c_str(), shown.c_str(), outcome.value.real,
                outcome.value.imag);
    if (outcome.status == 0) {
      std::printf("0\n");
    } else {
      std::printf("0x%X, message %u on argument %u: %s\n", static_cast<unsigned>(outcome.status),
                  static_cast<unsigned>(outcome.status & 0xFFFFu), mcadhost::Host::markedArgument(outcome.status),
                  utf8(host.message(outcome.status)).c_str());
    }
  }
  return 0;
}
