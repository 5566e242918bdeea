/* vlmcore5: properties of water and steam (IAPWS-IF97, 1997 issue) as plain C functions.
 *
 * Every property takes SI arguments (Pa, K, kg/m3, J/kg, J/(kg K)) and returns one double.
 * A failure returns -1 and leaves the reason in the library's last-error code:
 *   0 no error, 1 floating-point fault, 2 argument out of range, 3 density solver did not
 *   converge, 4 region not recognised.  Read the code right after the call whose outcome you
 *   want; -1 can also be a legitimate value.
 *
 * One declaration per line: the build reads this list to make the Windows import library. */
#ifndef VLMCORE5_H
#define VLMCORE5_H

#if defined(_WIN32)
#  if defined(VLMCORE5_BUILD)
#    define VLM_API __declspec(dllexport)
#  else
#    define VLM_API __declspec(dllimport)
#  endif
#  if defined(_M_IX86) || defined(__i386__)
#    define VLM_CALL __stdcall
#  else
#    define VLM_CALL
#  endif
#else
#  define VLM_API __attribute__((visibility("default")))
#  define VLM_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Pointers to property functions of one, two and three arguments, for callers that keep
 * tables of them. */
typedef double(VLM_CALL* vlmProperty1)(double);
typedef double(VLM_CALL* vlmProperty2)(double, double);
typedef double(VLM_CALL* vlmProperty3)(double, double, double);

/* Settings and error state. */
VLM_API int VLM_CALL vlmGETCHECKRANGEMODE(void);
VLM_API int VLM_CALL vlmSETCHECKRANGEMODE(int mode);
VLM_API double VLM_CALL vlmGETDELTATS(void);
VLM_API double VLM_CALL vlmSETDELTATS(double delta);
VLM_API int VLM_CALL vlmGETMAXITERATION(void);
VLM_API int VLM_CALL vlmSETMAXITERATION(int maxiteration);
VLM_API double VLM_CALL vlmGETDELTAPRESSURE(void);
VLM_API double VLM_CALL vlmSETDELTAPRESSURE(double delta);
VLM_API double VLM_CALL vlmGETINITWATERDENSITY(void);
VLM_API double VLM_CALL vlmSETINITWATERDENSITY(double density);
VLM_API double VLM_CALL vlmGETINITSTEAMDENSITY(void);
VLM_API double VLM_CALL vlmSETINITSTEAMDENSITY(double density);
VLM_API int VLM_CALL vlmGETLASTERROR(void);
VLM_API int VLM_CALL vlmSETLASTERROR(int ErrCode);
VLM_API const char* VLM_CALL vlmGETLASTERRORDESCRIPTION(void);

/* Region 1 (compressed liquid): no range check, any (p, t) is evaluated. */
VLM_API double VLM_CALL vlmV1PT(double p, double t);
VLM_API double VLM_CALL vlmU1PT(double p, double t);
VLM_API double VLM_CALL vlmS1PT(double p, double t);
VLM_API double VLM_CALL vlmH1PT(double p, double t);
VLM_API double VLM_CALL vlmCP1PT(double p, double t);
VLM_API double VLM_CALL vlmCV1PT(double p, double t);
VLM_API double VLM_CALL vlmW1PT(double p, double t);
VLM_API double VLM_CALL vlmT1PH(double p, double h);
VLM_API double VLM_CALL vlmT1PS(double p, double s);

/* Region 2 (steam): no range check. */
VLM_API double VLM_CALL vlmV2PT(double p, double t);
VLM_API double VLM_CALL vlmU2PT(double p, double t);
VLM_API double VLM_CALL vlmS2PT(double p, double t);
VLM_API double VLM_CALL vlmH2PT(double p, double t);
VLM_API double VLM_CALL vlmCP2PT(double p, double t);
VLM_API double VLM_CALL vlmCV2PT(double p, double t);
VLM_API double VLM_CALL vlmW2PT(double p, double t);

/* Saturation line and the boundary between regions 2 and 3, range-checked. */
VLM_API double VLM_CALL vlmPST(double t);
VLM_API double VLM_CALL vlmTSP(double p);
VLM_API double VLM_CALL vlmT23P(double p);
VLM_API double VLM_CALL vlmP23T(double t);

/* Region 5 (high-temperature steam): no range check. */
VLM_API double VLM_CALL vlmV5PT(double p, double t);
VLM_API double VLM_CALL vlmU5PT(double p, double t);
VLM_API double VLM_CALL vlmS5PT(double p, double t);
VLM_API double VLM_CALL vlmH5PT(double p, double t);
VLM_API double VLM_CALL vlmCP5PT(double p, double t);
VLM_API double VLM_CALL vlmCV5PT(double p, double t);
VLM_API double VLM_CALL vlmW5PT(double p, double t);

/* Region 3 (near-critical): from density r and temperature, and from (p, t) through the
 * density solver (settings max iteration, delta pressure, initial densities).  No range check. */
VLM_API double VLM_CALL vlmP3RT(double r, double t);
VLM_API double VLM_CALL vlmU3RT(double r, double t);
VLM_API double VLM_CALL vlmS3RT(double r, double t);
VLM_API double VLM_CALL vlmH3RT(double r, double t);
VLM_API double VLM_CALL vlmCP3RT(double r, double t);
VLM_API double VLM_CALL vlmCV3RT(double r, double t);
VLM_API double VLM_CALL vlmW3RT(double r, double t);
VLM_API double VLM_CALL vlmR3PT(double p, double t);
VLM_API double VLM_CALL vlmR3PTR0(double p, double t, double r0);
VLM_API double VLM_CALL vlmV3PT(double p, double t);
VLM_API double VLM_CALL vlmU3PT(double p, double t);
VLM_API double VLM_CALL vlmS3PT(double p, double t);
VLM_API double VLM_CALL vlmH3PT(double p, double t);
VLM_API double VLM_CALL vlmCP3PT(double p, double t);
VLM_API double VLM_CALL vlmCV3PT(double p, double t);
VLM_API double VLM_CALL vlmW3PT(double p, double t);

/* Transport properties from density and temperature, and surface tension. */
VLM_API double VLM_CALL vlmTHERMCONDRT(double r, double t);
VLM_API double VLM_CALL vlmDYNVISRT(double r, double t);
VLM_API double VLM_CALL vlmSURFTENT(double t);

/* Region of a (p, t) point: 1, 2, 3, 5, or 4 on the saturation line within delta TS (only
 * vlmWATERSTATEAREA); -1 on failure. */
VLM_API int VLM_CALL vlmWATERSTATEAREA(double p, double t);
VLM_API int VLM_CALL vlmWATERSTATEAREA2(double p, double t);

/* Single-phase properties from (p, t), the region chosen by vlmWATERSTATEAREA2. */
VLM_API double VLM_CALL vlmVPT(double p, double t);
VLM_API double VLM_CALL vlmUPT(double p, double t);
VLM_API double VLM_CALL vlmSPT(double p, double t);
VLM_API double VLM_CALL vlmHPT(double p, double t);
VLM_API double VLM_CALL vlmCPPT(double p, double t);
VLM_API double VLM_CALL vlmCVPT(double p, double t);
VLM_API double VLM_CALL vlmWPT(double p, double t);

/* Transport properties and derived quantities from (p, t). */
VLM_API double VLM_CALL vlmTHERMCONDPT(double p, double t);
VLM_API double VLM_CALL vlmDYNVISPT(double p, double t);
VLM_API double VLM_CALL vlmPRANDTLEPT(double p, double t);
VLM_API double VLM_CALL vlmKINVISPT(double p, double t);
VLM_API double VLM_CALL vlmKPT(double p, double t);

/* Saturated water (SWT) and saturated steam (SST) at saturation temperature t; heat of
 * vaporization. */
VLM_API double VLM_CALL vlmVSWT(double t);
VLM_API double VLM_CALL vlmUSWT(double t);
VLM_API double VLM_CALL vlmSSWT(double t);
VLM_API double VLM_CALL vlmHSWT(double t);
VLM_API double VLM_CALL vlmCPSWT(double t);
VLM_API double VLM_CALL vlmCVSWT(double t);
VLM_API double VLM_CALL vlmWSWT(double t);
VLM_API double VLM_CALL vlmKSWT(double t);
VLM_API double VLM_CALL vlmTHERMCONDSWT(double t);
VLM_API double VLM_CALL vlmDYNVISSWT(double t);
VLM_API double VLM_CALL vlmKINVISSWT(double t);
VLM_API double VLM_CALL vlmPRANDTLESWT(double t);
VLM_API double VLM_CALL vlmVSST(double t);
VLM_API double VLM_CALL vlmUSST(double t);
VLM_API double VLM_CALL vlmSSST(double t);
VLM_API double VLM_CALL vlmHSST(double t);
VLM_API double VLM_CALL vlmCPSST(double t);
VLM_API double VLM_CALL vlmCVSST(double t);
VLM_API double VLM_CALL vlmWSST(double t);
VLM_API double VLM_CALL vlmKSST(double t);
VLM_API double VLM_CALL vlmTHERMCONDSST(double t);
VLM_API double VLM_CALL vlmDYNVISSST(double t);
VLM_API double VLM_CALL vlmKINVISSST(double t);
VLM_API double VLM_CALL vlmPRANDTLESST(double t);
VLM_API double VLM_CALL vlmRST(double t);

/* Wet steam: from (t, x); from (p, t, x), x used only on the saturation line; dryness
 * from t and a property value. */
VLM_API double VLM_CALL vlmVSTX(double t, double x);
VLM_API double VLM_CALL vlmUSTX(double t, double x);
VLM_API double VLM_CALL vlmSSTX(double t, double x);
VLM_API double VLM_CALL vlmHSTX(double t, double x);
VLM_API double VLM_CALL vlmCPSTX(double t, double x);
VLM_API double VLM_CALL vlmCVSTX(double t, double x);
VLM_API double VLM_CALL vlmWSTX(double t, double x);
VLM_API double VLM_CALL vlmKSTX(double t, double x);
VLM_API double VLM_CALL vlmTHERMCONDSTX(double t, double x);
VLM_API double VLM_CALL vlmDYNVISSTX(double t, double x);
VLM_API double VLM_CALL vlmKINVISSTX(double t, double x);
VLM_API double VLM_CALL vlmPRANDTLESTX(double t, double x);
VLM_API double VLM_CALL vlmVPTX(double p, double t, double x);
VLM_API double VLM_CALL vlmUPTX(double p, double t, double x);
VLM_API double VLM_CALL vlmSPTX(double p, double t, double x);
VLM_API double VLM_CALL vlmHPTX(double p, double t, double x);
VLM_API double VLM_CALL vlmCPPTX(double p, double t, double x);
VLM_API double VLM_CALL vlmCVPTX(double p, double t, double x);
VLM_API double VLM_CALL vlmWPTX(double p, double t, double x);
VLM_API double VLM_CALL vlmKPTX(double p, double t, double x);
VLM_API double VLM_CALL vlmTHERMCONDPTX(double p, double t, double x);
VLM_API double VLM_CALL vlmDYNVISPTX(double p, double t, double x);
VLM_API double VLM_CALL vlmKINVISPTX(double p, double t, double x);
VLM_API double VLM_CALL vlmPRANDTLEPTX(double p, double t, double x);
VLM_API double VLM_CALL vlmXSTV(double t, double v);
VLM_API double VLM_CALL vlmXSTU(double t, double u);
VLM_API double VLM_CALL vlmXSTS(double t, double s);
VLM_API double VLM_CALL vlmXSTH(double t, double h);
VLM_API double VLM_CALL vlmXSTCP(double t, double cp);
VLM_API double VLM_CALL vlmXSTCV(double t, double cv);
VLM_API double VLM_CALL vlmXSTW(double t, double w);
VLM_API double VLM_CALL vlmXSTK(double t, double k);
VLM_API double VLM_CALL vlmXSTTHERMCOND(double t, double tc);
VLM_API double VLM_CALL vlmXSTDYNVIS(double t, double dv);
VLM_API double VLM_CALL vlmXSTKINVIS(double t, double kv);
VLM_API double VLM_CALL vlmXSTPRANDTLE(double t, double pr);

#ifdef __cplusplus
}
#endif

#endif /* VLMCORE5_H */
