// Transport properties from (density, t) and the surface tension: evaluation inside the
// guard after a check of the temperature alone (any density is accepted).
#include "faces/computing.hpp"
#include "properties/transport.hpp"

namespace props = vlm::props;

namespace vlm::computing {

Result vlmTHERMCONDRT(const Config& c, double r, double t) { return compute<props::conductivityRT>(c, r, t); }
Result vlmDYNVISRT(const Config& c, double r, double t) { return compute<props::viscosityRT>(c, r, t); }
Result vlmSURFTENT(const Config& c, double t) { return compute<props::surfaceTension>(c, t); }

}  // namespace vlm::computing
