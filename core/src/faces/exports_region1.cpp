// Region 1 exports: plain evaluation inside the guard, no range check.
#include "equations/region1.hpp"
#include "faces/guard.hpp"
#include "properties/backward.hpp"
#include "vlmcore5.h"

using vlm::frame::equation;
namespace r1 = vlm::region1;

extern "C" {

VLM_API double VLM_CALL vlmV1PT(double p, double t) { return equation<r1::v>(p, t); }
VLM_API double VLM_CALL vlmU1PT(double p, double t) { return equation<r1::u>(p, t); }
VLM_API double VLM_CALL vlmS1PT(double p, double t) { return equation<r1::s>(p, t); }
VLM_API double VLM_CALL vlmH1PT(double p, double t) { return equation<r1::h>(p, t); }
VLM_API double VLM_CALL vlmCP1PT(double p, double t) { return equation<r1::cp>(p, t); }
VLM_API double VLM_CALL vlmCV1PT(double p, double t) { return equation<r1::cv>(p, t); }
VLM_API double VLM_CALL vlmW1PT(double p, double t) { return equation<r1::w>(p, t); }
VLM_API double VLM_CALL vlmT1PH(double p, double h) { return equation<vlm::backward::t1PH>(p, h); }
VLM_API double VLM_CALL vlmT1PS(double p, double s) { return equation<vlm::backward::t1PS>(p, s); }

}  // extern "C"
