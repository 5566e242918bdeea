// Wet steam: properties from the saturation temperature and the dryness fraction x (every
// property mixed linearly in x), from (p, t, x) where x counts only on the saturation
// line, and the dryness fraction from the temperature and a property value.
#include "faces/guard.hpp"
#include "properties/saturated.hpp"
#include "vlmcore5.h"

namespace {

using vlm::Config;
using vlm::Result;
using vlm::frame::compute;
using Q = vlm::props::Quantity;
namespace props = vlm::props;

template <Q q>
Result wet(const Config& c, double t, double x) {
  return props::wet(c, q, t, x);
}
template <Q q>
Result wetOrSingle(const Config& c, double p, double t, double x) {
  return props::wetOrSingle(c, q, p, t, x);
}
template <Q q>
Result dryness(const Config& c, double t, double value) {
  return props::dryness(c, q, t, value);
}

template <Q q>
double stx(double t, double x) {
  return compute<wet<q>>(t, x);
}
template <Q q>
double ptx(double p, double t, double x) {
  return compute<wetOrSingle<q>>(p, t, x);
}
template <Q q>
double xst(double t, double value) {
  return compute<dryness<q>>(t, value);
}

}  // namespace

extern "C" {

VLM_API double VLM_CALL vlmVSTX(double t, double x) { return stx<Q::V>(t, x); }
VLM_API double VLM_CALL vlmUSTX(double t, double x) { return stx<Q::U>(t, x); }
VLM_API double VLM_CALL vlmSSTX(double t, double x) { return stx<Q::S>(t, x); }
VLM_API double VLM_CALL vlmHSTX(double t, double x) { return stx<Q::H>(t, x); }
VLM_API double VLM_CALL vlmCPSTX(double t, double x) { return stx<Q::CP>(t, x); }
VLM_API double VLM_CALL vlmCVSTX(double t, double x) { return stx<Q::CV>(t, x); }
VLM_API double VLM_CALL vlmWSTX(double t, double x) { return stx<Q::W>(t, x); }
VLM_API double VLM_CALL vlmKSTX(double t, double x) { return stx<Q::Isentropic>(t, x); }
VLM_API double VLM_CALL vlmTHERMCONDSTX(double t, double x) { return stx<Q::Conductivity>(t, x); }
VLM_API double VLM_CALL vlmDYNVISSTX(double t, double x) { return stx<Q::Viscosity>(t, x); }
VLM_API double VLM_CALL vlmKINVISSTX(double t, double x) { return stx<Q::KinematicViscosity>(t, x); }
VLM_API double VLM_CALL vlmPRANDTLESTX(double t, double x) { return stx<Q::Prandtl>(t, x); }

VLM_API double VLM_CALL vlmVPTX(double p, double t, double x) { return ptx<Q::V>(p, t, x); }
VLM_API double VLM_CALL vlmUPTX(double p, double t, double x) { return ptx<Q::U>(p, t, x); }
VLM_API double VLM_CALL vlmSPTX(double p, double t, double x) { return ptx<Q::S>(p, t, x); }
VLM_API double VLM_CALL vlmHPTX(double p, double t, double x) { return ptx<Q::H>(p, t, x); }
VLM_API double VLM_CALL vlmCPPTX(double p, double t, double x) { return ptx<Q::CP>(p, t, x); }
VLM_API double VLM_CALL vlmCVPTX(double p, double t, double x) { return ptx<Q::CV>(p, t, x); }
VLM_API double VLM_CALL vlmWPTX(double p, double t, double x) { return ptx<Q::W>(p, t, x); }
VLM_API double VLM_CALL vlmKPTX(double p, double t, double x) { return ptx<Q::Isentropic>(p, t, x); }
VLM_API double VLM_CALL vlmTHERMCONDPTX(double p, double t, double x) { return ptx<Q::Conductivity>(p, t, x); }
VLM_API double VLM_CALL vlmDYNVISPTX(double p, double t, double x) { return ptx<Q::Viscosity>(p, t, x); }
VLM_API double VLM_CALL vlmKINVISPTX(double p, double t, double x) { return ptx<Q::KinematicViscosity>(p, t, x); }
VLM_API double VLM_CALL vlmPRANDTLEPTX(double p, double t, double x) { return ptx<Q::Prandtl>(p, t, x); }

VLM_API double VLM_CALL vlmXSTV(double t, double v) { return xst<Q::V>(t, v); }
VLM_API double VLM_CALL vlmXSTU(double t, double u) { return xst<Q::U>(t, u); }
VLM_API double VLM_CALL vlmXSTS(double t, double s) { return xst<Q::S>(t, s); }
VLM_API double VLM_CALL vlmXSTH(double t, double h) { return xst<Q::H>(t, h); }
VLM_API double VLM_CALL vlmXSTCP(double t, double cp) { return xst<Q::CP>(t, cp); }
VLM_API double VLM_CALL vlmXSTCV(double t, double cv) { return xst<Q::CV>(t, cv); }
VLM_API double VLM_CALL vlmXSTW(double t, double w) { return xst<Q::W>(t, w); }
VLM_API double VLM_CALL vlmXSTK(double t, double k) { return xst<Q::Isentropic>(t, k); }
VLM_API double VLM_CALL vlmXSTTHERMCOND(double t, double tc) { return xst<Q::Conductivity>(t, tc); }
VLM_API double VLM_CALL vlmXSTDYNVIS(double t, double dv) { return xst<Q::Viscosity>(t, dv); }
VLM_API double VLM_CALL vlmXSTKINVIS(double t, double kv) { return xst<Q::KinematicViscosity>(t, kv); }
VLM_API double VLM_CALL vlmXSTPRANDTLE(double t, double pr) { return xst<Q::Prandtl>(t, pr); }

}  // extern "C"
