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

#ifdef __cplusplus
}
#endif

#endif /* VLMCORE5_H */
