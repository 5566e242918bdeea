// Transport properties from (density, t) and the surface tension: evaluation inside the
// guard after a check of the temperature alone (any density is accepted).
#include "faces/guard.hpp"
#include "properties/transport.hpp"
#include "vlmcore5.h"

using vlm::frame::compute;
namespace props = vlm::props;

extern "C" {

VLM_API double VLM_CALL vlmTHERMCONDRT(double r, double t) { return compute<props::conductivityRT>(r, t); }
VLM_API double VLM_CALL vlmDYNVISRT(double r, double t) { return compute<props::viscosityRT>(r, t); }
VLM_API double VLM_CALL vlmSURFTENT(double t) { return compute<props::surfaceTension>(t); }

}  // extern "C"
