// Region 2 exports: plain evaluation inside the guard, no range check.
#include "equations/region2.hpp"
#include "faces/computing.hpp"

namespace r2 = vlm::region2;

namespace vlm::computing {

Result vlmV2PT(const Config& c, double p, double t) { return equation<r2::v>(c, p, t); }
Result vlmU2PT(const Config& c, double p, double t) { return equation<r2::u>(c, p, t); }
Result vlmS2PT(const Config& c, double p, double t) { return equation<r2::s>(c, p, t); }
Result vlmH2PT(const Config& c, double p, double t) { return equation<r2::h>(c, p, t); }
Result vlmCP2PT(const Config& c, double p, double t) { return equation<r2::cp>(c, p, t); }
Result vlmCV2PT(const Config& c, double p, double t) { return equation<r2::cv>(c, p, t); }
Result vlmW2PT(const Config& c, double p, double t) { return equation<r2::w>(c, p, t); }

}  // namespace vlm::computing
