// Region of a (p, t) point, and the general single-phase properties that dispatch on it.
#include "faces/computing.hpp"
#include "properties/single_phase.hpp"

namespace {

using vlm::Caloric;
using vlm::Config;

template <Caloric q>
vlm::Result general(const Config& c, double p, double t) {
  return vlm::props::caloric(c, q, p, t);
}

}  // namespace

namespace vlm::computing {

Outcome<int> vlmWATERSTATEAREA(const Config& c, double p, double t) {
  return compute<vlm::props::regionWithBand>(c, p, t);
}
Outcome<int> vlmWATERSTATEAREA2(const Config& c, double p, double t) { return compute<vlm::props::region>(c, p, t); }

Result vlmVPT(const Config& c, double p, double t) { return compute<general<Caloric::V>>(c, p, t); }
Result vlmUPT(const Config& c, double p, double t) { return compute<general<Caloric::U>>(c, p, t); }
Result vlmSPT(const Config& c, double p, double t) { return compute<general<Caloric::S>>(c, p, t); }
Result vlmHPT(const Config& c, double p, double t) { return compute<general<Caloric::H>>(c, p, t); }
Result vlmCPPT(const Config& c, double p, double t) { return compute<general<Caloric::CP>>(c, p, t); }
Result vlmCVPT(const Config& c, double p, double t) { return compute<general<Caloric::CV>>(c, p, t); }
Result vlmWPT(const Config& c, double p, double t) { return compute<general<Caloric::W>>(c, p, t); }

}  // namespace vlm::computing
