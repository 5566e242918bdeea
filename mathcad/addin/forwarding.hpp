// The three shapes of worksheet function the add-in registers.  Each one is a thin wrapper
// around one library export: the worksheet passes complex scalars, the library takes doubles
// (or an int for some settings), and a failure of the library becomes a worksheet error status.
#pragma once

#include <climits>
#include <cmath>
#include <type_traits>

#include "mcaduser.h"
#include "vlmcore5.h"

namespace vlmmcad {

// After a property call: 0 when the library's last-error code is 0; otherwise the error
// message numbered code + 1 (message 1 is the text of code 0), with the first argument marked
// as its source.
inline McadStatus statusOfLastCall() {
  const int code = vlmGETLASTERROR();
  if (code == VLM_ERROR_NONE) return 0;
  constexpr McadStatus kFirstArgument = 1u << 16;
  return kFirstArgument + static_cast<McadStatus>(code) + 1u;
}

// The real part of a worksheet number as a 32-bit integer, truncated toward zero.  Numbers
// beyond the int range are clamped to it (converting them directly would be undefined), and
// NaN, which has no integer value, gives 0.
inline int truncateToInt(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483648.0) return INT_MAX;
  if (value <= -2147483649.0) return INT_MIN;
  return static_cast<int>(value);
}

// The value a setter export takes, from the real part of the worksheet argument: integer
// settings truncate it, double settings take it unchanged.
template <typename Parameter>
Parameter settingValue(double real) {
  if constexpr (std::is_same_v<Parameter, int>) {
    return truncateToInt(real);
  } else {
    return real;
  }
}

template <typename Result, typename Parameter>
Parameter parameterOf(Result(VLM_CALL*)(Parameter));

// A property: the real parts of the arguments go to the export in order, the imaginary parts
// are ignored.  The result goes to the real part (the imaginary part is left as it is) and is
// written on failure too; the status comes from the last-error code.
template <auto Export, unsigned N>
struct Property;

template <auto Export>
struct Property<Export, 1> {
  static constexpr unsigned kArguments = 1;
  static McadStatus MCADUSER_CALL call(McadComplex* result, const McadComplex* a) {
    result->real = static_cast<double>(Export(a->real));
    return statusOfLastCall();
  }
};

template <auto Export>
struct Property<Export, 2> {
  static constexpr unsigned kArguments = 2;
  static McadStatus MCADUSER_CALL call(McadComplex* result, const McadComplex* a, const McadComplex* b) {
    result->real = static_cast<double>(Export(a->real, b->real));
    return statusOfLastCall();
  }
};

template <auto Export>
struct Property<Export, 3> {
  static constexpr unsigned kArguments = 3;
  static McadStatus MCADUSER_CALL call(McadComplex* result, const McadComplex* a, const McadComplex* b,
                                       const McadComplex* c) {
    result->real = static_cast<double>(Export(a->real, b->real, c->real));
    return statusOfLastCall();
  }
};

// A settings getter: a worksheet function needs an argument, so it takes one and ignores it.
// Never an error status: the last-error code is the library's, not this call's.
template <auto Export, unsigned N>
struct Getter {
  static_assert(N == 1, "a getter takes its one dummy argument");
  static constexpr unsigned kArguments = 1;
  static McadStatus MCADUSER_CALL call(McadComplex* result, const McadComplex* /*nothing*/) {
    result->real = static_cast<double>(Export());
    return 0;
  }
};

// A settings setter: stores the real part of its argument and answers what the library
// stored.  Never an error status.
template <auto Export, unsigned N>
struct Setter {
  static_assert(N == 1, "a setter takes one value");
  static constexpr unsigned kArguments = 1;
  using Parameter = decltype(parameterOf(Export));
  static McadStatus MCADUSER_CALL call(McadComplex* result, const McadComplex* value) {
    result->real = static_cast<double>(Export(settingValue<Parameter>(value->real)));
    return 0;
  }
};

}  // namespace vlmmcad
