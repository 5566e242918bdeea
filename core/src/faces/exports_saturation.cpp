// Saturation line and B23 line exports: range-checked evaluation inside the guard.
#include "faces/computing.hpp"
#include "properties/boundaries.hpp"

namespace props = vlm::props;

namespace vlm::computing {

Result vlmPST(const Config& c, double t) { return compute<props::saturationPressure>(c, t); }
Result vlmTSP(const Config& c, double p) { return compute<props::saturationTemperature>(c, p); }
Result vlmT23P(const Config& c, double p) { return compute<props::b23Temperature>(c, p); }
Result vlmP23T(const Config& c, double t) { return compute<props::b23Pressure>(c, t); }

}  // namespace vlm::computing
