// Transport properties and derived quantities from (p, t): the density comes from the
// general specific volume, so region choice and its range step apply too.
#include "faces/computing.hpp"
#include "properties/transport.hpp"

namespace props = vlm::props;
using props::RegionRule;

namespace vlm::computing {

Result vlmTHERMCONDPT(const Config& c, RegionRule rule, double p, double t) {
  return compute<props::conductivityPT>(c, rule, p, t);
}
Result vlmDYNVISPT(const Config& c, RegionRule rule, double p, double t) {
  return compute<props::viscosityPT>(c, rule, p, t);
}
Result vlmPRANDTLEPT(const Config& c, RegionRule rule, double p, double t) {
  return compute<props::prandtlPT>(c, rule, p, t);
}
Result vlmKINVISPT(const Config& c, RegionRule rule, double p, double t) {
  return compute<props::kinematicViscosityPT>(c, rule, p, t);
}
Result vlmKPT(const Config& c, RegionRule rule, double p, double t) {
  return compute<props::isentropicExponentPT>(c, rule, p, t);
}

}  // namespace vlm::computing
