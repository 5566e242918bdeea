// Region 1 exports: plain evaluation inside the guard, no range check.
#include "equations/region1.hpp"
#include "faces/computing.hpp"
#include "properties/backward.hpp"

namespace r1 = vlm::region1;

namespace vlm::computing {

Result vlmV1PT(const Config& c, double p, double t) { return equation<r1::v>(c, p, t); }
Result vlmU1PT(const Config& c, double p, double t) { return equation<r1::u>(c, p, t); }
Result vlmS1PT(const Config& c, double p, double t) { return equation<r1::s>(c, p, t); }
Result vlmH1PT(const Config& c, double p, double t) { return equation<r1::h>(c, p, t); }
Result vlmCP1PT(const Config& c, double p, double t) { return equation<r1::cp>(c, p, t); }
Result vlmCV1PT(const Config& c, double p, double t) { return equation<r1::cv>(c, p, t); }
Result vlmW1PT(const Config& c, double p, double t) { return equation<r1::w>(c, p, t); }
Result vlmT1PH(const Config& c, double p, double h) { return equation<vlm::backward::t1PH>(c, p, h); }
Result vlmT1PS(const Config& c, double p, double s) { return equation<vlm::backward::t1PS>(c, p, s); }

}  // namespace vlm::computing
