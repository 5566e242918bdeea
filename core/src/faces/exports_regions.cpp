// Region of a (p, t) point, and the general single-phase properties that dispatch on it.
#include "faces/guard.hpp"
#include "properties/single_phase.hpp"
#include "vlmcore5.h"

namespace {

using vlm::Caloric;
using vlm::Config;
using vlm::frame::compute;

template <Caloric q>
vlm::Result general(const Config& c, double p, double t) {
  return vlm::props::caloric(c, q, p, t);
}

}  // namespace

extern "C" {

VLM_API int VLM_CALL vlmWATERSTATEAREA(double p, double t) { return compute<vlm::props::regionWithBand>(p, t); }
VLM_API int VLM_CALL vlmWATERSTATEAREA2(double p, double t) { return compute<vlm::props::region>(p, t); }

VLM_API double VLM_CALL vlmVPT(double p, double t) { return compute<general<Caloric::V>>(p, t); }
VLM_API double VLM_CALL vlmUPT(double p, double t) { return compute<general<Caloric::U>>(p, t); }
VLM_API double VLM_CALL vlmSPT(double p, double t) { return compute<general<Caloric::S>>(p, t); }
VLM_API double VLM_CALL vlmHPT(double p, double t) { return compute<general<Caloric::H>>(p, t); }
VLM_API double VLM_CALL vlmCPPT(double p, double t) { return compute<general<Caloric::CP>>(p, t); }
VLM_API double VLM_CALL vlmCVPT(double p, double t) { return compute<general<Caloric::CV>>(p, t); }
VLM_API double VLM_CALL vlmWPT(double p, double t) { return compute<general<Caloric::W>>(p, t); }

}  // extern "C"
