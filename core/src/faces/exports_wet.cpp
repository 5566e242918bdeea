// Wet steam: properties from the saturation temperature and the dryness fraction x (every
// property mixed linearly in x), from (p, t, x) where x counts only on the saturation
// line, and the dryness fraction from the temperature and a property value.
#include "faces/computing.hpp"
#include "properties/saturated.hpp"

namespace {

using vlm::Config;
using vlm::Result;
using Q = vlm::props::Quantity;
namespace props = vlm::props;
using props::RegionRule;

template <Q q>
Result stx(const Config& c, double t, double x) {
  return props::wet(c, q, t, x);
}
template <Q q>
Result ptx(const Config& c, RegionRule rule, double p, double t, double x) {
  return props::wetOrSingle(c, rule, q, p, t, x);
}
template <Q q>
Result xst(const Config& c, double t, double value) {
  return props::dryness(c, q, t, value);
}

}  // namespace

namespace vlm::computing {

Result vlmVSTX(const Config& c, double t, double x) { return stx<Q::V>(c, t, x); }
Result vlmUSTX(const Config& c, double t, double x) { return stx<Q::U>(c, t, x); }
Result vlmSSTX(const Config& c, double t, double x) { return stx<Q::S>(c, t, x); }
Result vlmHSTX(const Config& c, double t, double x) { return stx<Q::H>(c, t, x); }
Result vlmCPSTX(const Config& c, double t, double x) { return stx<Q::CP>(c, t, x); }
Result vlmCVSTX(const Config& c, double t, double x) { return stx<Q::CV>(c, t, x); }
Result vlmWSTX(const Config& c, double t, double x) { return stx<Q::W>(c, t, x); }
Result vlmKSTX(const Config& c, double t, double x) { return stx<Q::Isentropic>(c, t, x); }
Result vlmTHERMCONDSTX(const Config& c, double t, double x) { return stx<Q::Conductivity>(c, t, x); }
Result vlmDYNVISSTX(const Config& c, double t, double x) { return stx<Q::Viscosity>(c, t, x); }
Result vlmKINVISSTX(const Config& c, double t, double x) { return stx<Q::KinematicViscosity>(c, t, x); }
Result vlmPRANDTLESTX(const Config& c, double t, double x) { return stx<Q::Prandtl>(c, t, x); }

Result vlmVPTX(const Config& c, RegionRule rule, double p, double t, double x) { return ptx<Q::V>(c, rule, p, t, x); }
Result vlmUPTX(const Config& c, RegionRule rule, double p, double t, double x) { return ptx<Q::U>(c, rule, p, t, x); }
Result vlmSPTX(const Config& c, RegionRule rule, double p, double t, double x) { return ptx<Q::S>(c, rule, p, t, x); }
Result vlmHPTX(const Config& c, RegionRule rule, double p, double t, double x) { return ptx<Q::H>(c, rule, p, t, x); }
Result vlmCPPTX(const Config& c, RegionRule rule, double p, double t, double x) { return ptx<Q::CP>(c, rule, p, t, x); }
Result vlmCVPTX(const Config& c, RegionRule rule, double p, double t, double x) { return ptx<Q::CV>(c, rule, p, t, x); }
Result vlmWPTX(const Config& c, RegionRule rule, double p, double t, double x) { return ptx<Q::W>(c, rule, p, t, x); }
Result vlmKPTX(const Config& c, RegionRule rule, double p, double t, double x) {
  return ptx<Q::Isentropic>(c, rule, p, t, x);
}
Result vlmTHERMCONDPTX(const Config& c, RegionRule rule, double p, double t, double x) {
  return ptx<Q::Conductivity>(c, rule, p, t, x);
}
Result vlmDYNVISPTX(const Config& c, RegionRule rule, double p, double t, double x) {
  return ptx<Q::Viscosity>(c, rule, p, t, x);
}
Result vlmKINVISPTX(const Config& c, RegionRule rule, double p, double t, double x) {
  return ptx<Q::KinematicViscosity>(c, rule, p, t, x);
}
Result vlmPRANDTLEPTX(const Config& c, RegionRule rule, double p, double t, double x) {
  return ptx<Q::Prandtl>(c, rule, p, t, x);
}

Result vlmXSTV(const Config& c, double t, double v) { return xst<Q::V>(c, t, v); }
Result vlmXSTU(const Config& c, double t, double u) { return xst<Q::U>(c, t, u); }
Result vlmXSTS(const Config& c, double t, double s) { return xst<Q::S>(c, t, s); }
Result vlmXSTH(const Config& c, double t, double h) { return xst<Q::H>(c, t, h); }
Result vlmXSTCP(const Config& c, double t, double cp) { return xst<Q::CP>(c, t, cp); }
Result vlmXSTCV(const Config& c, double t, double cv) { return xst<Q::CV>(c, t, cv); }
Result vlmXSTW(const Config& c, double t, double w) { return xst<Q::W>(c, t, w); }
Result vlmXSTK(const Config& c, double t, double k) { return xst<Q::Isentropic>(c, t, k); }
Result vlmXSTTHERMCOND(const Config& c, double t, double tc) { return xst<Q::Conductivity>(c, t, tc); }
Result vlmXSTDYNVIS(const Config& c, double t, double dv) { return xst<Q::Viscosity>(c, t, dv); }
Result vlmXSTKINVIS(const Config& c, double t, double kv) { return xst<Q::KinematicViscosity>(c, t, kv); }
Result vlmXSTPRANDTLE(const Config& c, double t, double pr) { return xst<Q::Prandtl>(c, t, pr); }

}  // namespace vlm::computing
