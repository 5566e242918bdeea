// What every function of the module shares: the settings a call computes with, the
// options of array calls, the scalar test, and the module's error.
#pragma once

#include <pybind11/pybind11.h>

#include <string>

#include "properties/limits.hpp"
#include "velmora.h"

namespace velmora {

namespace py = pybind11;

// The settings of one call: `settings` is a velmora.Settings or None (the defaults).
const vlm_settings& settingsOf(py::handle settings);

// One argument of a call, checked to be real: a number (Python int or float, numpy integer or
// floating scalar, 0-d array, anything else with __float__) sets `value` and gives true; an
// array of integers or floats (or what numpy makes one of) sets `array` and gives false.
// Anything else (None, bool, str, bytes, complex, datetime64, object arrays) raises TypeError
// naming `function` and `name`.  Nothing is ever parsed from a string.
bool realArgument(py::handle h, const char* function, const char* name, double& value, py::object& array);

// The common case of realArgument, inline: a Python float.
inline bool exactFloat(py::handle h, double& value) {
  if (!PyFloat_CheckExact(h.ptr())) return false;
  value = PyFloat_AS_DOUBLE(h.ptr());
  return true;
}

// The default of an argument not given, told apart from None.
py::object missing();
void requireGiven(py::handle h, const char* function, const char* name);

// Defines velmora.Settings and keeps the defaults.
void defineSettings(py::module_& m);

// Looks up velmora.VelmoraError, which the package defines in Python.
void bindError();

// "T = 3000 K is above the upper limit 2273.15 K" for the first limit of the library's
// `check` that the arguments `x`, named `names`, break, or "" (no limit broken, no check, or
// checking off).
std::string brokenLimit(vlm::limits::Check check, const double* x, const char* const* names, std::size_t n,
                        bool checkRange);

// For (p, h) or (p, s) whose h or s lies beyond every state of the isobar: "h = 9000 kJ/kg
// is above the upper limit 7376.99 kJ/kg on this isobar", else "".
std::string beyondIsobar(double p, double target, bool enthalpy, const vlm_settings& settings);

// The text of a code in the library's words (English, UTF-8).
const char* errorText(int code);

// The shared part of every function's docstring: arguments, errors, settings, threads.
extern const char* const kCallDoc;

}  // namespace velmora
