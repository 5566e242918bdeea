// Region 2 exports: plain evaluation inside the guard, no range check.
#include "equations/region2.hpp"
#include "faces/guard.hpp"
#include "vlmcore5.h"

using vlm::frame::equation;
namespace r2 = vlm::region2;

extern "C" {

VLM_API double VLM_CALL vlmV2PT(double p, double t) { return equation<r2::v>(p, t); }
VLM_API double VLM_CALL vlmU2PT(double p, double t) { return equation<r2::u>(p, t); }
VLM_API double VLM_CALL vlmS2PT(double p, double t) { return equation<r2::s>(p, t); }
VLM_API double VLM_CALL vlmH2PT(double p, double t) { return equation<r2::h>(p, t); }
VLM_API double VLM_CALL vlmCP2PT(double p, double t) { return equation<r2::cp>(p, t); }
VLM_API double VLM_CALL vlmCV2PT(double p, double t) { return equation<r2::cv>(p, t); }
VLM_API double VLM_CALL vlmW2PT(double p, double t) { return equation<r2::w>(p, t); }

}  // extern "C"
