// Wet steam: properties from the saturation temperature and the dryness fraction x (every
// property mixed linearly in x), from (p, t, x) where x counts only on the saturation
// line, and the dryness fraction from the temperature and a property value.
#include <algorithm>

#include "by_region.hpp"
#include "constants.hpp"
#include "guard.hpp"
#include "vlmcore5.h"

namespace {

using namespace vlm::constants;
using vlm::frame::checkedComposite;
using vlm::frame::composite;
using vlm::frame::failed;

constexpr int kSaturationBand = 4;

bool wetRange(double t, double x) { return t >= Ttriple && t <= Tcritical && x >= 0.0 && x <= 1.0; }

double mixture(vlmProperty1 water, vlmProperty1 steam, double t, double x) {
  return checkedComposite(wetRange(t, x), [&] {
    vlm::setLastError(vlm::kNoError);
    const double dry = steam(t);
    if (failed()) return -1.0;
    const double boiling = water(t);
    if (failed()) return -1.0;
    return (1.0 - x) * boiling + x * dry;
  });
}

// x from a property value.  Where the saturated pair coincides the division leaves a
// non-finite value, which the guard reports as code 1.
double dryness(vlmProperty1 water, vlmProperty1 steam, double t, double value) {
  return composite([&] {
    vlm::setLastError(vlm::kNoError);
    const double boiling = water(t);
    if (failed()) return -1.0;
    const double dry = steam(t);
    if (failed()) return -1.0;
    if (vlm::checkRangeOn() && !(value >= std::min(boiling, dry) && value <= std::max(boiling, dry))) {
      vlm::setLastError(vlm::kOutOfRange);
      return -1.0;
    }
    return (value - boiling) / (dry - boiling);
  });
}

// A caloric property from (p, t, x): the region's equations, or wet steam in the band.
double caloricPTX(const vlm::ByRegion& regions, vlmProperty2 wet, double p, double t, double x) {
  return composite([&] {
    vlm::setLastError(vlm::kNoError);
    const int area = vlmWATERSTATEAREA(p, t);
    if (failed()) return -1.0;
    return area == kSaturationBand ? wet(t, x) : regions(area, p, t);
  });
}

// A transport or derived property from (p, t, x): the general (p, t) function outside the band.
double generalPTX(vlmProperty2 single, vlmProperty2 wet, double p, double t, double x) {
  return composite([&] {
    vlm::setLastError(vlm::kNoError);
    const int area = vlmWATERSTATEAREA(p, t);
    if (failed()) return -1.0;
    return area == kSaturationBand ? wet(t, x) : single(p, t);
  });
}

}  // namespace

extern "C" {

VLM_API double VLM_CALL vlmVSTX(double t, double x) { return mixture(vlmVSWT, vlmVSST, t, x); }
VLM_API double VLM_CALL vlmUSTX(double t, double x) { return mixture(vlmUSWT, vlmUSST, t, x); }
VLM_API double VLM_CALL vlmSSTX(double t, double x) { return mixture(vlmSSWT, vlmSSST, t, x); }
VLM_API double VLM_CALL vlmHSTX(double t, double x) { return mixture(vlmHSWT, vlmHSST, t, x); }
VLM_API double VLM_CALL vlmCPSTX(double t, double x) { return mixture(vlmCPSWT, vlmCPSST, t, x); }
VLM_API double VLM_CALL vlmCVSTX(double t, double x) { return mixture(vlmCVSWT, vlmCVSST, t, x); }
VLM_API double VLM_CALL vlmWSTX(double t, double x) { return mixture(vlmWSWT, vlmWSST, t, x); }
VLM_API double VLM_CALL vlmKSTX(double t, double x) { return mixture(vlmKSWT, vlmKSST, t, x); }
VLM_API double VLM_CALL vlmTHERMCONDSTX(double t, double x) { return mixture(vlmTHERMCONDSWT, vlmTHERMCONDSST, t, x); }
VLM_API double VLM_CALL vlmDYNVISSTX(double t, double x) { return mixture(vlmDYNVISSWT, vlmDYNVISSST, t, x); }
VLM_API double VLM_CALL vlmKINVISSTX(double t, double x) { return mixture(vlmKINVISSWT, vlmKINVISSST, t, x); }
VLM_API double VLM_CALL vlmPRANDTLESTX(double t, double x) { return mixture(vlmPRANDTLESWT, vlmPRANDTLESST, t, x); }

VLM_API double VLM_CALL vlmVPTX(double p, double t, double x) {
  return caloricPTX({vlmV1PT, vlmV2PT, vlmV3PT, vlmV5PT}, vlmVSTX, p, t, x);
}
VLM_API double VLM_CALL vlmUPTX(double p, double t, double x) {
  return caloricPTX({vlmU1PT, vlmU2PT, vlmU3PT, vlmU5PT}, vlmUSTX, p, t, x);
}
VLM_API double VLM_CALL vlmSPTX(double p, double t, double x) {
  return caloricPTX({vlmS1PT, vlmS2PT, vlmS3PT, vlmS5PT}, vlmSSTX, p, t, x);
}
VLM_API double VLM_CALL vlmHPTX(double p, double t, double x) {
  return caloricPTX({vlmH1PT, vlmH2PT, vlmH3PT, vlmH5PT}, vlmHSTX, p, t, x);
}
VLM_API double VLM_CALL vlmCPPTX(double p, double t, double x) {
  return caloricPTX({vlmCP1PT, vlmCP2PT, vlmCP3PT, vlmCP5PT}, vlmCPSTX, p, t, x);
}
VLM_API double VLM_CALL vlmCVPTX(double p, double t, double x) {
  return caloricPTX({vlmCV1PT, vlmCV2PT, vlmCV3PT, vlmCV5PT}, vlmCVSTX, p, t, x);
}
VLM_API double VLM_CALL vlmWPTX(double p, double t, double x) {
  return caloricPTX({vlmW1PT, vlmW2PT, vlmW3PT, vlmW5PT}, vlmWSTX, p, t, x);
}
VLM_API double VLM_CALL vlmKPTX(double p, double t, double x) { return generalPTX(vlmKPT, vlmKSTX, p, t, x); }
VLM_API double VLM_CALL vlmTHERMCONDPTX(double p, double t, double x) {
  return generalPTX(vlmTHERMCONDPT, vlmTHERMCONDSTX, p, t, x);
}
VLM_API double VLM_CALL vlmDYNVISPTX(double p, double t, double x) {
  return generalPTX(vlmDYNVISPT, vlmDYNVISSTX, p, t, x);
}
VLM_API double VLM_CALL vlmKINVISPTX(double p, double t, double x) {
  return generalPTX(vlmKINVISPT, vlmKINVISSTX, p, t, x);
}
VLM_API double VLM_CALL vlmPRANDTLEPTX(double p, double t, double x) {
  return generalPTX(vlmPRANDTLEPT, vlmPRANDTLESTX, p, t, x);
}

VLM_API double VLM_CALL vlmXSTV(double t, double v) { return dryness(vlmVSWT, vlmVSST, t, v); }
VLM_API double VLM_CALL vlmXSTU(double t, double u) { return dryness(vlmUSWT, vlmUSST, t, u); }
VLM_API double VLM_CALL vlmXSTS(double t, double s) { return dryness(vlmSSWT, vlmSSST, t, s); }
VLM_API double VLM_CALL vlmXSTH(double t, double h) { return dryness(vlmHSWT, vlmHSST, t, h); }
VLM_API double VLM_CALL vlmXSTCP(double t, double cp) { return dryness(vlmCPSWT, vlmCPSST, t, cp); }
VLM_API double VLM_CALL vlmXSTCV(double t, double cv) { return dryness(vlmCVSWT, vlmCVSST, t, cv); }
VLM_API double VLM_CALL vlmXSTW(double t, double w) { return dryness(vlmWSWT, vlmWSST, t, w); }
VLM_API double VLM_CALL vlmXSTK(double t, double k) { return dryness(vlmKSWT, vlmKSST, t, k); }
VLM_API double VLM_CALL vlmXSTTHERMCOND(double t, double tc) {
  return dryness(vlmTHERMCONDSWT, vlmTHERMCONDSST, t, tc);
}
VLM_API double VLM_CALL vlmXSTDYNVIS(double t, double dv) { return dryness(vlmDYNVISSWT, vlmDYNVISSST, t, dv); }
VLM_API double VLM_CALL vlmXSTKINVIS(double t, double kv) { return dryness(vlmKINVISSWT, vlmKINVISSST, t, kv); }
VLM_API double VLM_CALL vlmXSTPRANDTLE(double t, double pr) { return dryness(vlmPRANDTLESWT, vlmPRANDTLESST, t, pr); }

}  // extern "C"
