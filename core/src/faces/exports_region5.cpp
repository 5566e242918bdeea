// Region 5 exports: plain evaluation inside the guard, no range check.
#include "equations/region5.hpp"
#include "faces/guard.hpp"
#include "vlmcore5.h"

using vlm::frame::equation;
namespace r5 = vlm::region5;

extern "C" {

VLM_API double VLM_CALL vlmV5PT(double p, double t) { return equation<r5::v>(p, t); }
VLM_API double VLM_CALL vlmU5PT(double p, double t) { return equation<r5::u>(p, t); }
VLM_API double VLM_CALL vlmS5PT(double p, double t) { return equation<r5::s>(p, t); }
VLM_API double VLM_CALL vlmH5PT(double p, double t) { return equation<r5::h>(p, t); }
VLM_API double VLM_CALL vlmCP5PT(double p, double t) { return equation<r5::cp>(p, t); }
VLM_API double VLM_CALL vlmCV5PT(double p, double t) { return equation<r5::cv>(p, t); }
VLM_API double VLM_CALL vlmW5PT(double p, double t) { return equation<r5::w>(p, t); }

}  // extern "C"
