#include "arguments.hpp"

#include <algorithm>

namespace vlmprop {

std::vector<std::string> normalised(std::vector<std::string> args) {
  std::vector<std::string> out;
  out.reserve(args.size());
  for (std::string& a : args) {
    const std::size_t equals = a.find('=');
    if (a.size() > 2 && a.compare(0, 2, "--") == 0 && equals != std::string::npos && equals > 2) {
      out.push_back(a.substr(0, equals));
      out.push_back(a.substr(equals + 1));
    } else {
      out.push_back(std::move(a));
    }
  }
  return out;
}

bool asksForHelp(const std::vector<std::string>& args) {
  return std::any_of(args.begin(), args.end(), [](const std::string& a) { return a == "--help" || a == "-h"; });
}

}  // namespace vlmprop
