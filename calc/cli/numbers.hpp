// Numbers as vlmprop reads and writes them.
#pragma once

#include <string>
#include <string_view>

namespace vlmprop {

enum class NumberError { None, NotANumber, OutOfRange };

struct Number {
  double value = 0;
  NumberError error = NumberError::NotANumber;
  bool ok() const { return error == NumberError::None; }
};

// A whole text as a number: optional sign, digits with an optional point, optional exponent
// (e, E, d or D).  A number beyond the range of a double is OutOfRange.
Number parseNumber(std::string_view text);

// "not a number: TEXT" or "out of range: TEXT".
std::string numberError(NumberError error, std::string_view text);

// A whole number that an int holds: no fraction, within its range.
bool isInteger(double value);

std::string general15(double value);  // 15 significant digits, shortest form
std::string full17(double value);     // %.17g: reads back as the same double

}  // namespace vlmprop
