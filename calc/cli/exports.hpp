// Every export of the library, callable by name, from the generated table of exports.
#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace vlmprop {

struct Outcome {
  enum Kind { Number, Integer, Text } kind;
  double number = 0;
  int integer = 0;
  const char* text = nullptr;
  // A failed call: -1 with a non-zero last-error code (-1 alone can be a value).
  bool failed() const;
};
using Arguments = std::vector<double>;

struct Export {
  const char* name;
  const char* signature;   // result letter, '_', one letter per parameter ('V': none)
  const char* parameters;  // "p, t"
  Outcome (*invoke)(const Arguments&);
  const char* parametersWithUnits;  // "p [Pa], t [K]"
  const char* result;               // "specific volume [m3/kg]"

  // One letter per parameter, 'D' or 'I'; empty when the export takes none.
  std::string_view parameterCodes() const;
};

std::span<const Export> exports();
// Letter case ignored, the "vlm" prefix optional; nullptr if there is no such export.
const Export* findExport(std::string_view name);

}  // namespace vlmprop
