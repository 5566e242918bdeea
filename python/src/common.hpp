// What every function of the module shares: the settings a call computes with, the
// options of array calls, the scalar test, and the module's error.
#pragma once

#include <pybind11/pybind11.h>

#include "velmora.h"

namespace velmora {

namespace py = pybind11;

// The settings of one call: `settings` is a velmora.Settings or None (the defaults).
const vlm_settings& settingsOf(py::handle settings);

// A Python int or float (numpy's float64 is one), taken by the scalar path.
inline bool isNumber(py::handle h) { return PyFloat_Check(h.ptr()) || PyLong_Check(h.ptr()); }

double toDouble(py::handle h);

// Defines velmora.Settings and keeps the defaults.
void defineSettings(py::module_& m);

// Looks up velmora.VelmoraError, which the package defines in Python.
void bindError();

// The text of a code in the library's words (English, UTF-8).
const char* errorText(int code);

// The shared part of every function's docstring: arguments, errors, settings, threads.
extern const char* const kCallDoc;

}  // namespace velmora
