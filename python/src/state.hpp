// The state interface as module functions: state_pt, state_ph, state_ps, state_hs,
// state_tx, state_px, the record class State and _state_dtype(), the structured dtype of
// their arrays.
#pragma once

#include <pybind11/pybind11.h>

namespace velmora {

void defineState(pybind11::module_& m);

}  // namespace velmora
