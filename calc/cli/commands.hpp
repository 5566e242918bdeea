// The commands of vlmprop, one source each.  Arguments arrive as UTF-8, the command's name
// included; each returns the exit status: 0 done, 1 a failed computation, 2 a usage error.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vlmprop {

using Args = std::vector<std::string>;

int callByName(const Args& args);  // NAME ARG...
int list();                        // --list
int table(const Args& args);       // table MODE ARG UNIT ...
int batch(const Args& args);       // batch NAME [FILE]

// A usage error: one line on standard error that points to --help; returns 2.
int usageError(const std::string& message);
// The library's text of its last-error code on standard error, as UTF-8; returns 1.
int libraryFailure();

std::string lower(std::string_view text);  // Windows-1251 or ASCII letters

}  // namespace vlmprop
