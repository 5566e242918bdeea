// Transport properties and derived quantities from (p, t): the density comes from the
// general specific volume, so region choice and its range step apply too.
#include "faces/computing.hpp"
#include "properties/transport.hpp"

namespace props = vlm::props;

namespace vlm::computing {

Result vlmTHERMCONDPT(const Config& c, double p, double t) { return compute<props::conductivityPT>(c, p, t); }
Result vlmDYNVISPT(const Config& c, double p, double t) { return compute<props::viscosityPT>(c, p, t); }
Result vlmPRANDTLEPT(const Config& c, double p, double t) { return compute<props::prandtlPT>(c, p, t); }
Result vlmKINVISPT(const Config& c, double p, double t) { return compute<props::kinematicViscosityPT>(c, p, t); }
Result vlmKPT(const Config& c, double p, double t) { return compute<props::isentropicExponentPT>(c, p, t); }

}  // namespace vlm::computing
