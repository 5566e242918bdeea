// The calculator's number reading and writing.  The first byte chooses the digit count N
// (1..15); the rest is read twice: as typed text (parseNumber) and, when it is 8 bytes
// long, as the bits of a double, so every double (denormals, infinities, NaNs) is formatted.
// Invariants: the text is at most N + 7 characters, and a finite value written and read
// back is within one unit in the last digit shown.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "vlm/calc/units.hpp"

namespace {

void check(double value, int digits) {
  const std::string text = vlm::calc::formatNumber(value, digits);
  const auto fail = [&](const char* what) {
    std::fprintf(stderr, "%s: %.17g with %d digits gives \"%s\"\n", what, value, digits, text.c_str());
    std::abort();
  };
  if (text.size() > static_cast<size_t>(digits) + 7) fail("text longer than N + 7");
  if (!std::isfinite(value)) return;
  const double back = vlm::calc::parseNumber(text);
  // Rounding to N digits may carry past the largest double ("2e+308"): nothing to read back.
  if (std::isinf(back) && std::fabs(value) <= DBL_MAX) return;
  // The decimal exponent of the first digit shown, read from the text: "1.2e-005" -> -5,
  // "373.15" -> 2, "0.5" -> -1.
  int exponent = 0;
  if (const auto e = text.find('e'); e != std::string::npos) {
    exponent = std::atoi(text.c_str() + e + 1);
  } else {
    const size_t sign = text[0] == '-' ? 1 : 0;
    const size_t whole = std::min(text.find('.'), text.size()) - sign;
    exponent = (whole == 1 && text[sign] == '0') ? -1 : static_cast<int>(whole) - 1;
  }
  const double unit = std::pow(10.0, exponent - (digits - 1));
  if (!(std::fabs(back - value) <= unit * (1 + 1e-9) + DBL_TRUE_MIN)) fail("read back off by more than a unit");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const int digits = 1 + data[0] % 15;
  const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  check(vlm::calc::parseNumber(rest), digits);
  if (rest.size() == sizeof(double)) {
    double bits;
    std::memcpy(&bits, rest.data(), sizeof bits);
    check(bits, digits);
  }
  return 0;
}
