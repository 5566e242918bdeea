// vlmprop state PAIR A B [--json] [--no-range-check]: every field of the state from one of
// the six pairs of the state interface (velmora.h); vlmprop batch state PAIR [FILE]: the
// same for every row of a file.
#pragma once

#include <string>
#include <vector>

namespace vlm::cli {

// args[0] is "state"; returns the exit status (0, 1 for a failing state, 2 for usage).
int stateCommand(std::vector<std::string> args);
// args[0] is "batch", args[1] "state"; returns the exit status as vlmprop batch does.
int stateBatch(std::vector<std::string> args);

}  // namespace vlm::cli
