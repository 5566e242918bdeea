// Region of a (p, t) point, and the general single-phase properties that dispatch on it; each
// is handed the region rule its line of functions.table names.
#include "faces/computing.hpp"
#include "properties/single_phase.hpp"

namespace {

using vlm::Caloric;
using vlm::Config;
using vlm::props::RegionRule;

template <Caloric q>
vlm::Result general(const Config& c, RegionRule rule, double p, double t) {
  return vlm::props::caloric(c, rule, q, p, t);
}

}  // namespace

namespace vlm::computing {

Outcome<int> vlmWATERSTATEAREA(const Config& c, RegionRule rule, double p, double t) {
  return props::regionBy(c, rule, p, t);
}
Outcome<int> vlmWATERSTATEAREA2(const Config& c, RegionRule rule, double p, double t) {
  return props::regionBy(c, rule, p, t);
}

Result vlmVPT(const Config& c, RegionRule rule, double p, double t) { return general<Caloric::V>(c, rule, p, t); }
Result vlmUPT(const Config& c, RegionRule rule, double p, double t) { return general<Caloric::U>(c, rule, p, t); }
Result vlmSPT(const Config& c, RegionRule rule, double p, double t) { return general<Caloric::S>(c, rule, p, t); }
Result vlmHPT(const Config& c, RegionRule rule, double p, double t) { return general<Caloric::H>(c, rule, p, t); }
Result vlmCPPT(const Config& c, RegionRule rule, double p, double t) { return general<Caloric::CP>(c, rule, p, t); }
Result vlmCVPT(const Config& c, RegionRule rule, double p, double t) { return general<Caloric::CV>(c, rule, p, t); }
Result vlmWPT(const Config& c, RegionRule rule, double p, double t) { return general<Caloric::W>(c, rule, p, t); }

}  // namespace vlm::computing
