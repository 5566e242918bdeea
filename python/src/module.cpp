// velmora._velmora: the compiled part of the package velmora.
#include <pybind11/pybind11.h>

#include "common.hpp"
#include "exports.hpp"
#include "interrupt.hpp"
#include "state.hpp"

PYBIND11_MODULE(_velmora, m) {
  m.doc() = "Properties of water and steam: every export of vlmcore5 and the state interface over numpy arrays.";
  // Every docstring starts with its own signature line.
  pybind11::options options;
  options.disable_function_signatures();
  velmora::bindError();
  velmora::noteMainThread();
  velmora::defineSettings(m);
  velmora::defineExports(m);
  velmora::defineState(m);
}
