// The exports of vlmcore5 as module functions, under their own names and their aliases.
#pragma once

#include <pybind11/pybind11.h>

namespace velmora {

// Defines every computing export and its alias, and EXPORTS: a list of (name, alias,
// parameter names, result with unit, 'float' or 'int'), the table the stubs are made from.
void defineExports(pybind11::module_& m);

}  // namespace velmora
