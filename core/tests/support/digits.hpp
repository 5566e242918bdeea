// Comparing with published values that are rounded to a number of significant digits.
#pragma once

#include <gtest/gtest.h>

#include <cmath>

namespace vlmtest {

// True when `actual` rounds to `expected`, which is written with `digits` significant digits
// (a margin of one part in 1e12 allows for the last bit of the computation).
inline ::testing::AssertionResult agreesTo(double actual, double expected, int digits) {
  const double magnitude = std::floor(std::log10(std::fabs(expected)));
  const double halfUnit = 0.5 * std::pow(10.0, magnitude - (digits - 1));
  if (std::fabs(actual - expected) <= halfUnit * (1 + 1e-6) + std::fabs(expected) * 1e-12) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << actual << " does not round to " << expected << " in " << digits
                                       << " significant digits";
}

}  // namespace vlmtest
