// Transport properties and derived quantities from (p, t): the density comes from the
// general specific volume, so region choice and its range step apply too.
#include "faces/guard.hpp"
#include "properties/transport.hpp"
#include "vlmcore5.h"

using vlm::frame::compute;
namespace props = vlm::props;

extern "C" {

VLM_API double VLM_CALL vlmTHERMCONDPT(double p, double t) { return compute<props::conductivityPT>(p, t); }
VLM_API double VLM_CALL vlmDYNVISPT(double p, double t) { return compute<props::viscosityPT>(p, t); }
VLM_API double VLM_CALL vlmPRANDTLEPT(double p, double t) { return compute<props::prandtlPT>(p, t); }
VLM_API double VLM_CALL vlmKINVISPT(double p, double t) { return compute<props::kinematicViscosityPT>(p, t); }
VLM_API double VLM_CALL vlmKPT(double p, double t) { return compute<props::isentropicExponentPT>(p, t); }

}  // extern "C"
