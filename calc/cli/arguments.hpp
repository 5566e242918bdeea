// The command line as the commands read it: `--option=value` is the same as `--option value`,
// and a request for help anywhere on the line is answered before any command runs.
#pragma once

#include <string>
#include <vector>

namespace vlmprop {

// Splits every `--option=value` at its first '=' into two arguments; numbers and other
// arguments pass unchanged (a negative number starts with one dash, never two).
std::vector<std::string> normalised(std::vector<std::string> args);

// Whether `--help` or `-h` stands anywhere on the line.
bool asksForHelp(const std::vector<std::string>& args);

}  // namespace vlmprop
