// Saturation line and B23 line exports: range-checked evaluation inside the guard.
#include "faces/guard.hpp"
#include "properties/boundaries.hpp"
#include "vlmcore5.h"

using vlm::frame::compute;
namespace props = vlm::props;

extern "C" {

VLM_API double VLM_CALL vlmPST(double t) { return compute<props::saturationPressure>(t); }
VLM_API double VLM_CALL vlmTSP(double p) { return compute<props::saturationTemperature>(p); }
VLM_API double VLM_CALL vlmT23P(double p) { return compute<props::b23Temperature>(p); }
VLM_API double VLM_CALL vlmP23T(double t) { return compute<props::b23Pressure>(t); }

}  // extern "C"
