// vlmprop: the command-line face of the library and of the calculator.  The commands live
// in their own sources (commands.hpp, state_command.hpp); this file reads the command line
// and picks one.
// Texts arrive and leave as UTF-8; the library and the model speak Windows-1251.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "arguments.hpp"
#include "chart_command.hpp"
#include "commands.hpp"
#include "output.hpp"
#include "state_command.hpp"
#include "vlm/codepage.hpp"
#include "vlmcore5.h"

#if defined(_WIN32)
#include <windows.h>
// windows.h first: shellapi.h relies on it.
#include <shellapi.h>
#endif

namespace vlmprop {
namespace {

constexpr const char* kUsage =
    "usage:\n"
    "  vlmprop NAME ARG...   call the export NAME (letter case ignored, the \"vlm\" prefix optional)\n"
    "                        with SI arguments; prints the result with 15 significant digits\n"
    "  vlmprop batch NAME [FILE]\n"
    "                        call NAME once per line of FILE (or of standard input): each line\n"
    "                        holds the arguments separated by commas; blank lines and lines\n"
    "                        starting with # are skipped.  Writes one line per input line,\n"
    "                        ARG,...,VALUE,CODE with the value in full precision (%.17g) and the\n"
    "                        library's error code; a line that cannot be read gives an empty\n"
    "                        value and code -1, and its reason on standard error: among them a\n"
    "                        line holding a control character other than a tab (a NUL, say),\n"
    "                        with empty argument columns, and a line longer than 65536 bytes,\n"
    "                        passed over unread.  A byte-order mark at the start is skipped\n"
    "  vlmprop batch state PAIR [FILE] [--formulation if97|iapws95]\n"
    "                        the state from PAIR (as for state) once per line of FILE (or of\n"
    "                        standard input), each line holding A,B.  Writes a header line that\n"
    "                        names the columns with their units, then A,B,REGION,FIELD...,CODE\n"
    "                        per line in full precision; a field the state leaves undefined is\n"
    "                        empty, and a failing state gives empty fields and its code (1 to 4)\n"
    "  vlmprop --list        every export with its parameters, units and result\n"
    "  vlmprop --version     the version of vlmprop and of the library's header\n"
    "  vlmprop table MODE ARG UNIT [ARG UNIT] [--phase water|steam] [--digits N]\n"
    "                [--unit ROW=UNIT]... [--no-range-check] [--json]\n"
    "                        the rows the calculator shows for that state\n"
    "  vlmprop state PAIR A B [--json] [--no-range-check] [--formulation if97|iapws95]\n"
    "                        every field of the state from PAIR (SI), the further properties\n"
    "                        (g, f, z, alpha_v, kappa_t, alpha_p, joule_thomson, delta_t) included:\n"
    "                        pt, ph, ps, hs, tx, px, pv, tv, th, ts, uv, hx or sx; iapws95 the\n"
    "                        scientific formulation (273.16 K to 1273 K, up to 1000 MPa)\n"
    "  vlmprop chart ts|hs|ph|pt [--state PAIR A B] -o FILE.svg\n"
    "                        the T-s, h-s, p-h or p-T chart as an SVG picture: saturation, isobars,\n"
    "                        isotherms and dryness lines, with the state from PAIR (as for state) marked\n"
    "\n"
    "  MODE  F(P, T) or pt;  F(P\xd0\xbd\xd0\xb0\xd1\x81), F(Ps), ps or psat;  F(T\xd0\xbd\xd0\xb0\xd1\x81), F(Ts), ts "
    "or tsat;\n"
    "        F(P, X) or px;  F(T, X) or tx;  or the tab number 0 to 4 (spaces and letter case ignored)\n"
    "  ARG   a number in the unit that follows it (pressure, temperature or dryness by mode)\n"
    "  UNIT  a unit name of the calculator's lists, in either language; C and F stand for\n"
    "        \xc2\xb0"
    "C and \xc2\xb0"
    "F, * for \xc2\xb7\n"
    "  ROW   V S H U CP CV W TC DV KV ST R Ps\n"
    "  N     significant digits, 1 to 15\n"
    "\n"
    "The table starts from the calculator's remembered units and digit count and changes nothing\n"
    "in the store.\n"
    "\n"
    "Exit status: 0 done; 1 a computation failed (NAME: the library's error text is printed;\n"
    "table: a row shows an error text; batch: a line could not be read or its call failed;\n"
    "chart: the state failed or the file could not be written), or the output could not be\n"
    "written (a message says why; when the reader of a pipe has gone, the program ends at once,\n"
    "by SIGPIPE or, where that is ignored, quietly with 1);\n"
    "2 a usage error, or FILE cannot be read (a folder, say).\n";

std::vector<std::string> utf8Arguments(int argc, char** argv) {
  std::vector<std::string> args;
#if defined(_WIN32)
  // The wide command line, so names typed in any code page arrive intact.
  int count = 0;
  if (wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
    for (int i = 1; i < count; ++i) {
      const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
      std::string text(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
      if (size > 0) WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, text.data(), size, nullptr, nullptr);
      text.resize(std::strlen(text.c_str()));
      args.push_back(text);
    }
    LocalFree(wide);
    return args;
  }
#endif
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  return args;
}

}  // namespace

int usageError(const std::string& message) {
  std::fprintf(stderr, "vlmprop: %s (see vlmprop --help)\n", message.c_str());
  return 2;
}

int libraryFailure() {
  std::fprintf(stderr, "%s\n", vlm::codepage::cp1251ToUtf8(vlmGETLASTERRORDESCRIPTION()).c_str());
  return 1;
}

std::string lower(std::string_view text) {
  std::string out;
  for (char c : text) out.push_back(vlm::codepage::toLower(c));
  return out;
}

namespace {

int run(const Args& args) {
  if (args.empty()) return usageError("nothing to do");
  if (asksForHelp(args)) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (args[0] == "--version") {
    std::printf("vlmprop %d.%d.%d\n", VLM_VERSION_MAJOR, VLM_VERSION_MINOR, VLM_VERSION_PATCH);
    return 0;
  }
  if (args[0] == "--list") return list();
  if (lower(args[0]) == "table") return table(args);
  if (lower(args[0]) == "state") return vlm::cli::stateCommand(args);
  if (lower(args[0]) == "chart") return vlm::cli::chartCommand(args);
  if (lower(args[0]) == "batch") {
    return args.size() > 1 && lower(args[1]) == "state" ? vlm::cli::stateBatch(args) : batch(args);
  }
  if (args[0].rfind("--", 0) == 0) return usageError("unknown option " + args[0]);
  return callByName(args);
}

}  // namespace
}  // namespace vlmprop

#if defined(_WIN32)
namespace {
// The console's code page as vlmprop found it, put back however the program ends: the
// console is the user's, and the programs run in it after vlmprop expect their own.
UINT callersCodePage = 0;
void restoreCodePage() {
  if (callersCodePage != 0) SetConsoleOutputCP(callersCodePage);
}
}  // namespace
#endif

int main(int argc, char** argv) {
#if defined(_WIN32)
  callersCodePage = GetConsoleOutputCP();
  std::atexit(restoreCodePage);
  SetConsoleOutputCP(CP_UTF8);
#endif
  return vlmprop::finishOutput(vlmprop::run(vlmprop::normalised(vlmprop::utf8Arguments(argc, argv))));
}
