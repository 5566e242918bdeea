// vlmprop: the command-line face of the library.
//   vlmprop P T     properties of compressed liquid (region 1) at pressure P (Pa) and
//                   temperature T (K)
#include <cstdio>
#include <cstdlib>

#include "vlmcore5.h"

namespace {

struct Row {
  const char* label;
  const char* unit;
  vlmProperty2 function;
};

constexpr Row kRows[] = {
    {"specific volume", "m3/kg", vlmV1PT},          {"specific enthalpy", "J/kg", vlmH1PT},
    {"specific internal energy", "J/kg", vlmU1PT},  {"specific entropy", "J/(kg K)", vlmS1PT},
    {"isobaric heat capacity", "J/(kg K)", vlmCP1PT}, {"isochoric heat capacity", "J/(kg K)", vlmCV1PT},
    {"speed of sound", "m/s", vlmW1PT},
};

bool number(const char* text, double& value) {
  char* end = nullptr;
  value = std::strtod(text, &end);
  return end != text && *end == '\0';
}

}  // namespace

int main(int argc, char** argv) {
  double p = 0, t = 0;
  if (argc != 3 || !number(argv[1], p) || !number(argv[2], t)) {
    std::fprintf(stderr, "usage: vlmprop P T\n  region 1 properties at pressure P in Pa and temperature T in K\n");
    return 2;
  }
  std::printf("region 1, p = %.9g Pa, T = %.9g K\n", p, t);
  int status = 0;
  for (const auto& row : kRows) {
    const double value = row.function(p, t);
    if (vlmGETLASTERROR() != 0) {
      std::printf("%-26s %s\n", row.label, vlmGETLASTERRORDESCRIPTION());
      status = 1;
    } else {
      std::printf("%-26s %.9g %s\n", row.label, value, row.unit);
    }
  }
  return status;
}
