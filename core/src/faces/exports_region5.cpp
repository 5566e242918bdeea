// Region 5 exports: plain evaluation inside the guard, no range check.
#include "equations/region5.hpp"
#include "faces/computing.hpp"

namespace r5 = vlm::region5;

namespace vlm::computing {

Result vlmV5PT(const Config& c, double p, double t) { return equation<r5::v>(c, p, t); }
Result vlmU5PT(const Config& c, double p, double t) { return equation<r5::u>(c, p, t); }
Result vlmS5PT(const Config& c, double p, double t) { return equation<r5::s>(c, p, t); }
Result vlmH5PT(const Config& c, double p, double t) { return equation<r5::h>(c, p, t); }
Result vlmCP5PT(const Config& c, double p, double t) { return equation<r5::cp>(c, p, t); }
Result vlmCV5PT(const Config& c, double p, double t) { return equation<r5::cv>(c, p, t); }
Result vlmW5PT(const Config& c, double p, double t) { return equation<r5::w>(c, p, t); }

}  // namespace vlm::computing
