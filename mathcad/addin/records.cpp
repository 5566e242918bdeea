// The worksheet functions, one record each, in registration order: every library export but
// the error description (the worksheet gets texts through the error table instead).  Each
// line names the export once; its parameter text fixes the argument count, and the forwarding
// function is made for that count, so a text that does not match the export fails to compile.
#include "records.hpp"

#include "forwarding.hpp"

namespace vlmmcad {
namespace {

// The number of parameter names in a text such as "p, t, x".  A function the library calls
// without arguments shows one dummy parameter, "nothing".
constexpr unsigned argumentCount(const char* parameters) {
  unsigned count = 1;
  for (const char* c = parameters; *c != '\0'; ++c) count += *c == ',';
  return count;
}

template <typename Forwarder>
McadFunctionInfo record(const char* name, const char* parameters) {
  McadFunctionInfo info{name,
                        parameters,
                        "",
                        reinterpret_cast<McadFunction>(&Forwarder::call),
                        MCAD_COMPLEX_SCALAR,
                        Forwarder::kArguments,
                        {}};
  for (unsigned i = 0; i < Forwarder::kArguments; ++i) info.argTypes[i] = MCAD_COMPLEX_SCALAR;
  return info;
}

}  // namespace

#define PROPERTY(name, parameters) record<Property<name, argumentCount(parameters)>>(#name, parameters)
#define GETTER(name) record<Getter<name, 1>>(#name, "nothing")
#define SETTER(name, parameter) record<Setter<name, argumentCount(parameter)>>(#name, parameter)

// clang-format off
const McadFunctionInfo kRecords[kFunctionCount] = {
    PROPERTY(vlmPST, "t"),
    PROPERTY(vlmTSP, "p"),
    GETTER(vlmGETCHECKRANGEMODE),
    SETTER(vlmSETCHECKRANGEMODE, "mode"),
    GETTER(vlmGETLASTERROR),
    SETTER(vlmSETLASTERROR, "ErrCode"),
    SETTER(vlmSETDELTATS, "delta"),
    GETTER(vlmGETDELTATS),
    SETTER(vlmSETMAXITERATION, "maxiteration"),
    GETTER(vlmGETMAXITERATION),
    SETTER(vlmSETDELTAPRESSURE, "delta"),
    GETTER(vlmGETDELTAPRESSURE),
    SETTER(vlmSETINITWATERDENSITY, "density"),
    GETTER(vlmGETINITWATERDENSITY),
    SETTER(vlmSETINITSTEAMDENSITY, "density"),
    GETTER(vlmGETINITSTEAMDENSITY),
    PROPERTY(vlmT23P, "p"),
    PROPERTY(vlmP23T, "t"),
    PROPERTY(vlmWATERSTATEAREA, "p, t"),
    PROPERTY(vlmWATERSTATEAREA2, "p, t"),
    PROPERTY(vlmSURFTENT, "t"),
    PROPERTY(vlmTHERMCONDRT, "r, t"),
    PROPERTY(vlmDYNVISRT, "r, t"),
    // Region 1.
    PROPERTY(vlmV1PT, "p, t"),
    PROPERTY(vlmU1PT, "p, t"),
    PROPERTY(vlmS1PT, "p, t"),
    PROPERTY(vlmH1PT, "p, t"),
    PROPERTY(vlmCP1PT, "p, t"),
    PROPERTY(vlmCV1PT, "p, t"),
    PROPERTY(vlmW1PT, "p, t"),
    PROPERTY(vlmT1PH, "p, h"),
    PROPERTY(vlmT1PS, "p, s"),
    // Region 2.
    PROPERTY(vlmV2PT, "p, t"),
    PROPERTY(vlmU2PT, "p, t"),
    PROPERTY(vlmS2PT, "p, t"),
    PROPERTY(vlmH2PT, "p, t"),
    PROPERTY(vlmCP2PT, "p, t"),
    PROPERTY(vlmCV2PT, "p, t"),
    PROPERTY(vlmW2PT, "p, t"),
    // Any single-phase state from (p, t).
    PROPERTY(vlmVPT, "p, t"),
    PROPERTY(vlmUPT, "p, t"),
    PROPERTY(vlmSPT, "p, t"),
    PROPERTY(vlmHPT, "p, t"),
    PROPERTY(vlmCPPT, "p, t"),
    PROPERTY(vlmCVPT, "p, t"),
    PROPERTY(vlmWPT, "p, t"),
    PROPERTY(vlmTHERMCONDPT, "p, t"),
    PROPERTY(vlmDYNVISPT, "p, t"),
    PROPERTY(vlmPRANDTLEPT, "p, t"),
    PROPERTY(vlmKINVISPT, "p, t"),
    PROPERTY(vlmKPT, "p, t"),
    // Region 3.
    PROPERTY(vlmP3RT, "r, t"),
    PROPERTY(vlmR3PTR0, "p, t, r0"),
    PROPERTY(vlmR3PT, "p, t"),
    PROPERTY(vlmU3RT, "r, t"),
    PROPERTY(vlmS3RT, "r, t"),
    PROPERTY(vlmH3RT, "r, t"),
    PROPERTY(vlmCP3RT, "r, t"),
    PROPERTY(vlmCV3RT, "r, t"),
    PROPERTY(vlmW3RT, "r, t"),
    PROPERTY(vlmV3PT, "p, t"),
    PROPERTY(vlmU3PT, "p, t"),
    PROPERTY(vlmS3PT, "p, t"),
    PROPERTY(vlmH3PT, "p, t"),
    PROPERTY(vlmCP3PT, "p, t"),
    PROPERTY(vlmCV3PT, "p, t"),
    PROPERTY(vlmW3PT, "p, t"),
    // Region 5.
    PROPERTY(vlmV5PT, "p, t"),
    PROPERTY(vlmU5PT, "p, t"),
    PROPERTY(vlmS5PT, "p, t"),
    PROPERTY(vlmH5PT, "p, t"),
    PROPERTY(vlmCP5PT, "p, t"),
    PROPERTY(vlmCV5PT, "p, t"),
    PROPERTY(vlmW5PT, "p, t"),
    // Saturated water, heat of vaporization, saturated steam.
    PROPERTY(vlmVSWT, "t"),
    PROPERTY(vlmUSWT, "t"),
    PROPERTY(vlmSSWT, "t"),
    PROPERTY(vlmHSWT, "t"),
    PROPERTY(vlmCPSWT, "t"),
    PROPERTY(vlmCVSWT, "t"),
    PROPERTY(vlmWSWT, "t"),
    PROPERTY(vlmTHERMCONDSWT, "t"),
    PROPERTY(vlmDYNVISSWT, "t"),
    PROPERTY(vlmPRANDTLESWT, "t"),
    PROPERTY(vlmKINVISSWT, "t"),
    PROPERTY(vlmKSWT, "t"),
    PROPERTY(vlmRST, "t"),
    PROPERTY(vlmVSST, "t"),
    PROPERTY(vlmUSST, "t"),
    PROPERTY(vlmSSST, "t"),
    PROPERTY(vlmHSST, "t"),
    PROPERTY(vlmCPSST, "t"),
    PROPERTY(vlmCVSST, "t"),
    PROPERTY(vlmWSST, "t"),
    PROPERTY(vlmTHERMCONDSST, "t"),
    PROPERTY(vlmDYNVISSST, "t"),
    PROPERTY(vlmPRANDTLESST, "t"),
    PROPERTY(vlmKINVISSST, "t"),
    PROPERTY(vlmKSST, "t"),
    // Wet steam from (t, x), and any state from (p, t, x).
    PROPERTY(vlmVSTX, "t, x"),
    PROPERTY(vlmUSTX, "t, x"),
    PROPERTY(vlmSSTX, "t, x"),
    PROPERTY(vlmHSTX, "t, x"),
    PROPERTY(vlmCPSTX, "t, x"),
    PROPERTY(vlmCVSTX, "t, x"),
    PROPERTY(vlmWSTX, "t, x"),
    PROPERTY(vlmTHERMCONDSTX, "t, x"),
    PROPERTY(vlmDYNVISSTX, "t, x"),
    PROPERTY(vlmPRANDTLESTX, "t, x"),
    PROPERTY(vlmKINVISSTX, "t, x"),
    PROPERTY(vlmKSTX, "t, x"),
    PROPERTY(vlmVPTX, "p, t, x"),
    PROPERTY(vlmUPTX, "p, t, x"),
    PROPERTY(vlmSPTX, "p, t, x"),
    PROPERTY(vlmHPTX, "p, t, x"),
    PROPERTY(vlmCPPTX, "p, t, x"),
    PROPERTY(vlmCVPTX, "p, t, x"),
    PROPERTY(vlmWPTX, "p, t, x"),
    PROPERTY(vlmTHERMCONDPTX, "p, t, x"),
    PROPERTY(vlmDYNVISPTX, "p, t, x"),
    PROPERTY(vlmPRANDTLEPTX, "p, t, x"),
    PROPERTY(vlmKINVISPTX, "p, t, x"),
    PROPERTY(vlmKPTX, "p, t, x"),
    // Dryness of wet steam from t and one property.
    PROPERTY(vlmXSTV, "t, v"),
    PROPERTY(vlmXSTU, "t, u"),
    PROPERTY(vlmXSTS, "t, s"),
    PROPERTY(vlmXSTH, "t, h"),
    PROPERTY(vlmXSTCP, "t, cp"),
    PROPERTY(vlmXSTCV, "t, cv"),
    PROPERTY(vlmXSTW, "t, w"),
    PROPERTY(vlmXSTTHERMCOND, "t, tc"),
    PROPERTY(vlmXSTDYNVIS, "t, dv"),
    PROPERTY(vlmXSTKINVIS, "t, kv"),
    PROPERTY(vlmXSTPRANDTLE, "t, pr"),
    PROPERTY(vlmXSTK, "t, k"),
};
// clang-format on

}  // namespace vlmmcad
