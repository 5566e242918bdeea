// Standard output, checked: a result that cannot be written is never reported as success.
#pragma once

#include <string_view>

namespace vlmprop {

// Writes `line` and a line break; false once the output has failed (a full disk, a closed
// pipe), after which the caller stops.
bool writeLine(std::string_view line);

// Flushes and closes standard output and gives the exit status: `status` when everything was
// written; otherwise 1, after a message on standard error unless the reader has gone (a
// broken pipe ends a program quietly, as SIGPIPE would have ended it).
int finishOutput(int status);

}  // namespace vlmprop
