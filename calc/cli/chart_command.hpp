// vlmprop chart ts|hs|ph|pt [--state PAIR A B] -o FILE.svg: a property chart of water and
// steam as an SVG picture, with one state marked.
#pragma once

#include <string>
#include <vector>

namespace vlm::cli {

// args[0] is "chart"; returns the exit status (0; 1 for a failing state or a file that
// cannot be written; 2 for usage).
int chartCommand(const std::vector<std::string>& args);

}  // namespace vlm::cli
