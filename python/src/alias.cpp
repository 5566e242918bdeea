#include "alias.hpp"

#include <cctype>
#include <stdexcept>

namespace velmora {

namespace {

// Longest first, so that CP is not read as C and P, nor THERMCOND as T.
constexpr std::string_view kProperties[] = {"WATERSTATEAREA",
                                            "THERMCOND",
                                            "PRANDTLE",
                                            "SURFTEN",
                                            "DYNVIS",
                                            "KINVIS",
                                            "CP",
                                            "CV",
                                            "V",
                                            "U",
                                            "S",
                                            "H",
                                            "W",
                                            "K",
                                            "R",
                                            "P",
                                            "T",
                                            "X"};

// The saturation markers, longest first.
struct Marker {
  std::string_view letters, words;
};
constexpr Marker kMarkers[] = {{"SW", "_sat_water"}, {"SS", "_sat_steam"}, {"S", "_sat"}};

std::string lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

std::string aliasOf(std::string_view name, std::string_view parameters) {
  if (name.substr(0, 3) != "vlm") throw std::invalid_argument("not an export name");
  std::string_view rest = name.substr(3);
  std::string_view property;
  for (std::string_view p : kProperties) {
    if (rest.substr(0, p.size()) == p) {
      property = p;
      break;
    }
  }
  if (property.empty()) throw std::invalid_argument("no property word in " + std::string(name));
  rest.remove_prefix(property.size());
  std::string alias = lower(property);
  while (!rest.empty() && std::isdigit(static_cast<unsigned char>(rest.front()))) {
    alias += rest.front();
    rest.remove_prefix(1);
  }
  for (const Marker& m : kMarkers) {
    if (rest.substr(0, m.letters.size()) == m.letters) {
      alias += m.words;
      rest.remove_prefix(m.letters.size());
      break;
    }
  }
  std::string arguments = lower(rest);
  if (property == "X" && arguments.size() > 1 && arguments.front() == 't') arguments.insert(1, "_");
  if (arguments.empty()) {
    for (char c : parameters) {
      if (c != ',' && c != ' ') arguments += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
  }
  if (!arguments.empty()) alias += "_" + arguments;
  return alias;
}

}  // namespace velmora
