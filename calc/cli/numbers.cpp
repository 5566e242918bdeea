#include "numbers.hpp"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <system_error>

namespace vlmprop {

Number parseNumber(std::string_view text) {
  // from_chars wants 'e', no leading '+', and reads a prefix: normalise, then insist on all.
  std::string number;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') number.push_back('-');
    ++i;
  }
  std::size_t digits = 0;
  for (; i < text.size() && ((text[i] >= '0' && text[i] <= '9') || text[i] == '.'); ++i) {
    digits += text[i] != '.';
    number.push_back(text[i]);
  }
  if (digits == 0) return {};
  if (i < text.size() && std::strchr("eEdD", text[i]) != nullptr) {
    number.push_back('e');
    ++i;
  }
  number.append(text.substr(i));
  Number out;
  const char* end = number.data() + number.size();
  const auto result = std::from_chars(number.data(), end, out.value);
  if (result.ptr != end) return {};
  if (result.ec == std::errc::result_out_of_range) {
    out.error = NumberError::OutOfRange;
  } else if (result.ec == std::errc()) {
    out.error = NumberError::None;
  }
  return out;
}

std::string numberError(NumberError error, std::string_view text) {
  return (error == NumberError::OutOfRange ? "out of range: " : "not a number: ") + std::string(text);
}

bool isInteger(double value) { return value >= INT_MIN && value <= INT_MAX && value == std::trunc(value); }

std::string general15(double value) {
  char buffer[64];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  return std::string(buffer, end.ptr);
}

std::string full17(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.17g", value);
  return buffer;
}

}  // namespace vlmprop
