/* vlmcore5: properties of water and steam (IAPWS-IF97, the 1997 edition of the industrial
 * formulation, with its region 5 up to 10 MPa) as plain C functions.
 *
 * Every property takes SI arguments and returns one double; each declaration below says the
 * unit of every argument and of the result, and each family the range check that applies and
 * the error codes it can set (docs/functions.md has the same reference as a page).
 * A failure returns -1 and leaves the reason in the library's last-error code (the
 * VLM_ERROR_... values below).  Read the code right after the call whose outcome you want:
 * -1 can also be a legitimate value, and the code and the settings are shared by every
 * thread of the process.
 *
 * One declaration per line: the build reads this list to make the Windows import library. */
#ifndef VLMCORE5_H
#define VLMCORE5_H

/* Version of the library this header belongs to. */
#define VLM_VERSION_MAJOR 5
#define VLM_VERSION_MINOR 1
#define VLM_VERSION_PATCH 0

/* The last-error codes (vlmGETLASTERROR). */
#define VLM_ERROR_NONE 0           /* no error */
#define VLM_ERROR_FLOAT_FAULT 1    /* floating-point fault, or a result that is not finite */
#define VLM_ERROR_OUT_OF_RANGE 2   /* an argument outside the validity range (range check on) */
#define VLM_ERROR_NO_ROOT 3        /* the region 3 density solver did not converge */
#define VLM_ERROR_UNKNOWN_REGION 4 /* the region of the state was not recognised */

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

/* BEGIN of the declarations generated from core/functions.table: edit the table, not this. */
/* clang-format off */

/* Settings and error state.
 * Range check: none, the settings are stored as given (the check-range mode as 1 or 0), and no function here changes the last-error code, except vlmSETLASTERROR.
 * Error codes: none (the code is left as it was). */
VLM_API int VLM_CALL vlmGETCHECKRANGEMODE(void); /* check-range mode, 1 on or 0 off */
VLM_API int VLM_CALL vlmSETCHECKRANGEMODE(int mode); /* the stored mode, 1 if mode is not 0, else 0 from mode */
VLM_API double VLM_CALL vlmGETDELTATS(void); /* delta TS [K] */
VLM_API double VLM_CALL vlmSETDELTATS(double delta); /* the value stored [K] from delta [K] */
VLM_API int VLM_CALL vlmGETMAXITERATION(void); /* max iteration */
VLM_API int VLM_CALL vlmSETMAXITERATION(int maxiteration); /* the value stored from maxiteration */
VLM_API double VLM_CALL vlmGETDELTAPRESSURE(void); /* delta pressure [Pa] */
VLM_API double VLM_CALL vlmSETDELTAPRESSURE(double delta); /* the value stored [Pa] from delta [Pa] */
VLM_API double VLM_CALL vlmGETINITWATERDENSITY(void); /* initial water density [kg/m3] */
VLM_API double VLM_CALL vlmSETINITWATERDENSITY(double density); /* the value stored [kg/m3] from density [kg/m3] */
VLM_API double VLM_CALL vlmGETINITSTEAMDENSITY(void); /* initial steam density [kg/m3] */
VLM_API double VLM_CALL vlmSETINITSTEAMDENSITY(double density); /* the value stored [kg/m3] from density [kg/m3] */
VLM_API int VLM_CALL vlmGETLASTERROR(void); /* the last-error code */
VLM_API int VLM_CALL vlmSETLASTERROR(int ErrCode); /* the code stored, the absolute value of ErrCode if it is 0 to 4, else 0 from ErrCode */
VLM_API const char* VLM_CALL vlmGETLASTERRORDESCRIPTION(void); /* text of the last-error code in the chosen language, owned by the library */

/* Region 1 (compressed liquid) from (p, t), and its backward equations T(p, h) and T(p, s).
 * Range check: none, any arguments are evaluated with the region 1 equations.
 * Error codes: 0, 1. */
VLM_API double VLM_CALL vlmV1PT(double p, double t); /* specific volume [m3/kg] from p [Pa], t [K] */
VLM_API double VLM_CALL vlmU1PT(double p, double t); /* specific internal energy [J/kg] from p [Pa], t [K] */
VLM_API double VLM_CALL vlmS1PT(double p, double t); /* specific entropy [J/(kg K)] from p [Pa], t [K] */
VLM_API double VLM_CALL vlmH1PT(double p, double t); /* specific enthalpy [J/kg] from p [Pa], t [K] */
VLM_API double VLM_CALL vlmCP1PT(double p, double t); /* isobaric heat capacity [J/(kg K)] from p [Pa], t [K] */
VLM_API double VLM_CALL vlmCV1PT(double p, double t); /* isochoric heat capacity [J/(kg K)] from p [Pa], t [K] */
VLM_API double VLM_CALL vlmW1PT(double p, double t); /* speed of sound [m/s] from p [Pa], t [K] */
VLM_API double VLM_CALL vlmT1PH(double p, double h); /* temperature [K] from p [Pa], h [J/kg] */
VLM_API double VLM_CALL vlmT1PS(double p, double s); /* temperature [K] from p [Pa], s [J/(kg K)] */

/* Region 2 (steam) from (p, t).
 * Range check: none, any arguments are evaluated with the region 2 equations.
 * Error codes: 0, 1. */
VLM_API double VLM_CALL vlmV2PT(double p, double t); /* specific volume [m3/kg] from p [Pa], t [K] */
VLM_API double VLM_CALL vlmU2PT(double p, double t); /* specific internal energy [J/kg] from p [Pa], t [K] */
VLM_API double VLM_CALL vlmS2PT(double p, double t); /* specific entropy [J/(kg K)] from p [Pa], t [K] */
VLM_API double VLM_CALL vlmH2PT(double p, double t); /* specific enthalpy [J/kg] from p [Pa], t [K] */
VLM_API double VLM_CALL vlmCP2PT(double p, double t); /* isobaric heat capacity [J/(kg K)] from p [Pa], t [K] */
VLM_API double VLM_CALL vlmCV2PT(double p, double t); /* isochoric heat capacity [J/(kg K)] from p [Pa], t [K] */
VLM_API double VLM_CALL vlmW2PT(double p, double t); /* speed of sound [m/s] from p [Pa], t [K] */

/* Saturation line and the boundary line between regions 2 and 3.
 * Range check: per function, see below.
 * Error codes: 0, 1, 2. */
VLM_API double VLM_CALL vlmPST(double t); /* saturation pressure [Pa] from t [K], checked: 273.16 K <= t <= 647.096 K */
VLM_API double VLM_CALL vlmTSP(double p); /* saturation temperature [K] from p [Pa], checked: 611.212677444345 Pa <= p <= 22064000.0003205 Pa */
VLM_API double VLM_CALL vlmT23P(double p); /* temperature on the B23 line [K] from p [Pa], checked: 16529164.2526216 Pa <= p <= 100 MPa */
VLM_API double VLM_CALL vlmP23T(double t); /* pressure on the B23 line [Pa] from t [K], checked: 623.15 K <= t <= 863.15 K */

/* Region 5 (high-temperature steam) from (p, t).
 * Range check: none, any arguments are evaluated with the region 5 equations.
 * Error codes: 0, 1. */
VLM_API double VLM_CALL vlmV5PT(double p, double t); /* specific volume [m3/kg] from p [Pa], t [K] */
VLM_API double VLM_CALL vlmU5PT(double p, double t); /* specific internal energy [J/kg] from p [Pa], t [K] */
VLM_API double VLM_CALL vlmS5PT(double p, double t); /* specific entropy [J/(kg K)] from p [Pa], t [K] */
VLM_API double VLM_CALL vlmH5PT(double p, double t); /* specific enthalpy [J/kg] from p [Pa], t [K] */
VLM_API double VLM_CALL vlmCP5PT(double p, double t); /* isobaric heat capacity [J/(kg K)] from p [Pa], t [K] */
VLM_API double VLM_CALL vlmCV5PT(double p, double t); /* isochoric heat capacity [J/(kg K)] from p [Pa], t [K] */
VLM_API double VLM_CALL vlmW5PT(double p, double t); /* speed of sound [m/s] from p [Pa], t [K] */

/* Region 3 (near-critical) from density r and temperature.
 * Range check: none.
 * Error codes: 0, 1. */
VLM_API double VLM_CALL vlmP3RT(double r, double t); /* pressure [Pa] from r [kg/m3], t [K] */
VLM_API double VLM_CALL vlmU3RT(double r, double t); /* specific internal energy [J/kg] from r [kg/m3], t [K] */
VLM_API double VLM_CALL vlmS3RT(double r, double t); /* specific entropy [J/(kg K)] from r [kg/m3], t [K] */
VLM_API double VLM_CALL vlmH3RT(double r, double t); /* specific enthalpy [J/kg] from r [kg/m3], t [K] */
VLM_API double VLM_CALL vlmCP3RT(double r, double t); /* isobaric heat capacity [J/(kg K)] from r [kg/m3], t [K] */
VLM_API double VLM_CALL vlmCV3RT(double r, double t); /* isochoric heat capacity [J/(kg K)] from r [kg/m3], t [K] */
VLM_API double VLM_CALL vlmW3RT(double r, double t); /* speed of sound [m/s] from r [kg/m3], t [K] */

/* Region 3 from (p, t) through the density solver (settings max iteration, delta pressure, initial densities).
 * Range check: none.
 * Error codes: 0, 1, 3. */
VLM_API double VLM_CALL vlmR3PT(double p, double t); /* density [kg/m3] from p [Pa], t [K] */
VLM_API double VLM_CALL vlmR3PTR0(double p, double t, double r0); /* density [kg/m3] from p [Pa], t [K], r0 [kg/m3] */
VLM_API double VLM_CALL vlmV3PT(double p, double t); /* specific volume [m3/kg] from p [Pa], t [K] */
VLM_API double VLM_CALL vlmU3PT(double p, double t); /* specific internal energy [J/kg] from p [Pa], t [K] */
VLM_API double VLM_CALL vlmS3PT(double p, double t); /* specific entropy [J/(kg K)] from p [Pa], t [K] */
VLM_API double VLM_CALL vlmH3PT(double p, double t); /* specific enthalpy [J/kg] from p [Pa], t [K] */
VLM_API double VLM_CALL vlmCP3PT(double p, double t); /* isobaric heat capacity [J/(kg K)] from p [Pa], t [K] */
VLM_API double VLM_CALL vlmCV3PT(double p, double t); /* isochoric heat capacity [J/(kg K)] from p [Pa], t [K] */
VLM_API double VLM_CALL vlmW3PT(double p, double t); /* speed of sound [m/s] from p [Pa], t [K] */

/* Transport properties from (r, t), and surface tension.
 * Range check: per function, see below.
 * Error codes: 0, 1, 2. */
VLM_API double VLM_CALL vlmTHERMCONDRT(double r, double t); /* thermal conductivity [W/(m K)] from r [kg/m3], t [K], checked: 273.16 K <= t <= 1073.15 K (density not checked) */
VLM_API double VLM_CALL vlmDYNVISRT(double r, double t); /* dynamic viscosity [Pa s] from r [kg/m3], t [K], checked: 273.16 K <= t <= 1173.15 K (density not checked) */
VLM_API double VLM_CALL vlmSURFTENT(double t); /* surface tension [N/m] from t [K], checked: 273.16 K <= t <= 647.096 K */

/* Region of a (p, t) point, -1 on failure.
 * Range check: 273.16 K <= t <= 2273.15 K, 611.212677444345 Pa <= p <= 100 MPa, p <= 10 MPa above 1073.15 K.
 * Error codes: 0, 1, 2. */
VLM_API int VLM_CALL vlmWATERSTATEAREA(double p, double t); /* region 1, 2, 3, 5, or 4 within delta TS of the saturation line from p [Pa], t [K] */
VLM_API int VLM_CALL vlmWATERSTATEAREA2(double p, double t); /* region 1, 2, 3 or 5 from p [Pa], t [K] */

/* Single-phase properties from (p, t), the region chosen by vlmWATERSTATEAREA2.
 * Range check: the range of vlmWATERSTATEAREA2.
 * Error codes: 0, 1, 2, 3, 4. */
VLM_API double VLM_CALL vlmVPT(double p, double t); /* specific volume [m3/kg] from p [Pa], t [K] */
VLM_API double VLM_CALL vlmUPT(double p, double t); /* specific internal energy [J/kg] from p [Pa], t [K] */
VLM_API double VLM_CALL vlmSPT(double p, double t); /* specific entropy [J/(kg K)] from p [Pa], t [K] */
VLM_API double VLM_CALL vlmHPT(double p, double t); /* specific enthalpy [J/kg] from p [Pa], t [K] */
VLM_API double VLM_CALL vlmCPPT(double p, double t); /* isobaric heat capacity [J/(kg K)] from p [Pa], t [K] */
VLM_API double VLM_CALL vlmCVPT(double p, double t); /* isochoric heat capacity [J/(kg K)] from p [Pa], t [K] */
VLM_API double VLM_CALL vlmWPT(double p, double t); /* speed of sound [m/s] from p [Pa], t [K] */

/* Transport properties and derived quantities from (p, t).
 * Range check: vlmTHERMCONDPT and vlmDYNVISPT as below, the others none of their own (the range of the general functions they call).
 * Error codes: 0, 1, 2, 3, 4. */
VLM_API double VLM_CALL vlmTHERMCONDPT(double p, double t); /* thermal conductivity [W/(m K)] from p [Pa], t [K], checked: 273.16 K <= t <= 1073.15 K and 611.212677444345 Pa <= p <= 100 MPa, p <= 70 MPa above 773.15 K and p <= 40 MPa above 923.15 K */
VLM_API double VLM_CALL vlmDYNVISPT(double p, double t); /* dynamic viscosity [Pa s] from p [Pa], t [K], checked: 273.16 K <= t <= 1073.15 K and 611.212677444345 Pa <= p <= 100 MPa */
VLM_API double VLM_CALL vlmPRANDTLEPT(double p, double t); /* Prandtl number from p [Pa], t [K] */
VLM_API double VLM_CALL vlmKINVISPT(double p, double t); /* kinematic viscosity [m2/s] from p [Pa], t [K] */
VLM_API double VLM_CALL vlmKPT(double p, double t); /* isentropic exponent from p [Pa], t [K] */

/* Saturated water (SWT) and saturated steam (SST) at saturation temperature t, and the heat of vaporization (RST).
 * Range check: 273.16 K <= t <= 647.096 K.
 * Error codes: 0, 1, 2, 3. */
VLM_API double VLM_CALL vlmVSWT(double t); /* specific volume [m3/kg] from t [K] */
VLM_API double VLM_CALL vlmUSWT(double t); /* specific internal energy [J/kg] from t [K] */
VLM_API double VLM_CALL vlmSSWT(double t); /* specific entropy [J/(kg K)] from t [K] */
VLM_API double VLM_CALL vlmHSWT(double t); /* specific enthalpy [J/kg] from t [K] */
VLM_API double VLM_CALL vlmCPSWT(double t); /* isobaric heat capacity [J/(kg K)] from t [K] */
VLM_API double VLM_CALL vlmCVSWT(double t); /* isochoric heat capacity [J/(kg K)] from t [K] */
VLM_API double VLM_CALL vlmWSWT(double t); /* speed of sound [m/s] from t [K] */
VLM_API double VLM_CALL vlmKSWT(double t); /* isentropic exponent from t [K] */
VLM_API double VLM_CALL vlmTHERMCONDSWT(double t); /* thermal conductivity [W/(m K)] from t [K] */
VLM_API double VLM_CALL vlmDYNVISSWT(double t); /* dynamic viscosity [Pa s] from t [K] */
VLM_API double VLM_CALL vlmKINVISSWT(double t); /* kinematic viscosity [m2/s] from t [K] */
VLM_API double VLM_CALL vlmPRANDTLESWT(double t); /* Prandtl number from t [K] */
VLM_API double VLM_CALL vlmVSST(double t); /* specific volume [m3/kg] from t [K] */
VLM_API double VLM_CALL vlmUSST(double t); /* specific internal energy [J/kg] from t [K] */
VLM_API double VLM_CALL vlmSSST(double t); /* specific entropy [J/(kg K)] from t [K] */
VLM_API double VLM_CALL vlmHSST(double t); /* specific enthalpy [J/kg] from t [K] */
VLM_API double VLM_CALL vlmCPSST(double t); /* isobaric heat capacity [J/(kg K)] from t [K] */
VLM_API double VLM_CALL vlmCVSST(double t); /* isochoric heat capacity [J/(kg K)] from t [K] */
VLM_API double VLM_CALL vlmWSST(double t); /* speed of sound [m/s] from t [K] */
VLM_API double VLM_CALL vlmKSST(double t); /* isentropic exponent from t [K] */
VLM_API double VLM_CALL vlmTHERMCONDSST(double t); /* thermal conductivity [W/(m K)] from t [K] */
VLM_API double VLM_CALL vlmDYNVISSST(double t); /* dynamic viscosity [Pa s] from t [K] */
VLM_API double VLM_CALL vlmKINVISSST(double t); /* kinematic viscosity [m2/s] from t [K] */
VLM_API double VLM_CALL vlmPRANDTLESST(double t); /* Prandtl number from t [K] */
VLM_API double VLM_CALL vlmRST(double t); /* heat of vaporization [J/kg] from t [K] */

/* Wet steam of dryness x at saturation temperature t.
 * Range check: 273.16 K <= t <= 647.096 K and 0 <= x <= 1.
 * Error codes: 0, 1, 2, 3. */
VLM_API double VLM_CALL vlmVSTX(double t, double x); /* specific volume [m3/kg] from t [K], x */
VLM_API double VLM_CALL vlmUSTX(double t, double x); /* specific internal energy [J/kg] from t [K], x */
VLM_API double VLM_CALL vlmSSTX(double t, double x); /* specific entropy [J/(kg K)] from t [K], x */
VLM_API double VLM_CALL vlmHSTX(double t, double x); /* specific enthalpy [J/kg] from t [K], x */
VLM_API double VLM_CALL vlmCPSTX(double t, double x); /* isobaric heat capacity [J/(kg K)] from t [K], x */
VLM_API double VLM_CALL vlmCVSTX(double t, double x); /* isochoric heat capacity [J/(kg K)] from t [K], x */
VLM_API double VLM_CALL vlmWSTX(double t, double x); /* speed of sound [m/s] from t [K], x */
VLM_API double VLM_CALL vlmKSTX(double t, double x); /* isentropic exponent from t [K], x */
VLM_API double VLM_CALL vlmTHERMCONDSTX(double t, double x); /* thermal conductivity [W/(m K)] from t [K], x */
VLM_API double VLM_CALL vlmDYNVISSTX(double t, double x); /* dynamic viscosity [Pa s] from t [K], x */
VLM_API double VLM_CALL vlmKINVISSTX(double t, double x); /* kinematic viscosity [m2/s] from t [K], x */
VLM_API double VLM_CALL vlmPRANDTLESTX(double t, double x); /* Prandtl number from t [K], x */

/* From (p, t, x): single-phase when vlmWATERSTATEAREA answers 1, 2, 3 or 5 (x unused), wet steam at (t, x) when it answers 4.
 * Range check: the range of vlmWATERSTATEAREA, and on the saturation line also 0 <= x <= 1.
 * Error codes: 0, 1, 2, 3, 4. */
VLM_API double VLM_CALL vlmVPTX(double p, double t, double x); /* specific volume [m3/kg] from p [Pa], t [K], x */
VLM_API double VLM_CALL vlmUPTX(double p, double t, double x); /* specific internal energy [J/kg] from p [Pa], t [K], x */
VLM_API double VLM_CALL vlmSPTX(double p, double t, double x); /* specific entropy [J/(kg K)] from p [Pa], t [K], x */
VLM_API double VLM_CALL vlmHPTX(double p, double t, double x); /* specific enthalpy [J/kg] from p [Pa], t [K], x */
VLM_API double VLM_CALL vlmCPPTX(double p, double t, double x); /* isobaric heat capacity [J/(kg K)] from p [Pa], t [K], x */
VLM_API double VLM_CALL vlmCVPTX(double p, double t, double x); /* isochoric heat capacity [J/(kg K)] from p [Pa], t [K], x */
VLM_API double VLM_CALL vlmWPTX(double p, double t, double x); /* speed of sound [m/s] from p [Pa], t [K], x */
VLM_API double VLM_CALL vlmKPTX(double p, double t, double x); /* isentropic exponent from p [Pa], t [K], x */
VLM_API double VLM_CALL vlmTHERMCONDPTX(double p, double t, double x); /* thermal conductivity [W/(m K)] from p [Pa], t [K], x */
VLM_API double VLM_CALL vlmDYNVISPTX(double p, double t, double x); /* dynamic viscosity [Pa s] from p [Pa], t [K], x */
VLM_API double VLM_CALL vlmKINVISPTX(double p, double t, double x); /* kinematic viscosity [m2/s] from p [Pa], t [K], x */
VLM_API double VLM_CALL vlmPRANDTLEPTX(double p, double t, double x); /* Prandtl number from p [Pa], t [K], x */

/* Dryness x from saturation temperature t and the value of a property (in that property's unit).
 * Range check: 273.16 K <= t <= 647.096 K, the value between its saturated-water and saturated-steam values.
 * Error codes: 0, 1, 2, 3. */
VLM_API double VLM_CALL vlmXSTV(double t, double v); /* dryness from t [K], v [m3/kg] */
VLM_API double VLM_CALL vlmXSTU(double t, double u); /* dryness from t [K], u [J/kg] */
VLM_API double VLM_CALL vlmXSTS(double t, double s); /* dryness from t [K], s [J/(kg K)] */
VLM_API double VLM_CALL vlmXSTH(double t, double h); /* dryness from t [K], h [J/kg] */
VLM_API double VLM_CALL vlmXSTCP(double t, double cp); /* dryness from t [K], cp [J/(kg K)] */
VLM_API double VLM_CALL vlmXSTCV(double t, double cv); /* dryness from t [K], cv [J/(kg K)] */
VLM_API double VLM_CALL vlmXSTW(double t, double w); /* dryness from t [K], w [m/s] */
VLM_API double VLM_CALL vlmXSTK(double t, double k); /* dryness from t [K], k */
VLM_API double VLM_CALL vlmXSTTHERMCOND(double t, double tc); /* dryness from t [K], tc [W/(m K)] */
VLM_API double VLM_CALL vlmXSTDYNVIS(double t, double dv); /* dryness from t [K], dv [Pa s] */
VLM_API double VLM_CALL vlmXSTKINVIS(double t, double kv); /* dryness from t [K], kv [m2/s] */
VLM_API double VLM_CALL vlmXSTPRANDTLE(double t, double pr); /* dryness from t [K], pr */

/* One field of the whole state from a pair of properties, solved as the state interface (velmora.h) does with the process-wide settings.  field: 0 region (1, 2, 3, 4 two-phase, 5), 1 p (Pa), 2 T (K), 3 rho (kg/m3), 4 v (m3/kg), 5 u (J/kg), 6 h (J/kg), 7 s (J/(kg K)), 8 cp (J/(kg K)), 9 cv (J/(kg K)), 10 w (m/s), 11 x (-, -1 outside region 4), 12 thermal conductivity (W/(m K)), 13 dynamic viscosity (Pa s), 14 kinematic viscosity (m2/s), 15 Prandtl number (-), 16 isentropic exponent (-), 17 surface tension (N/m).
 * Range check: the ranges of the state's pair, as the state interface checks them (while the check-range mode is on).
 * Error codes: 0, 1, 2, 3, 4. */
VLM_API double VLM_CALL vlmSTATEPT(double p, double t, double field); /* the field numbered field of the state from (p, t) (code 2 also for a field number outside 0 to 17 or a transport field the state leaves undefined) from p [Pa], t [K], field */
VLM_API double VLM_CALL vlmSTATEPH(double p, double h, double field); /* the field numbered field of the state from (p, h) (code 2 also for a field number outside 0 to 17 or a transport field the state leaves undefined) from p [Pa], h [J/kg], field */
VLM_API double VLM_CALL vlmSTATEPS(double p, double s, double field); /* the field numbered field of the state from (p, s) (code 2 also for a field number outside 0 to 17 or a transport field the state leaves undefined) from p [Pa], s [J/(kg K)], field */
VLM_API double VLM_CALL vlmSTATEHS(double h, double s, double field); /* the field numbered field of the state from (h, s) (code 2 also for a field number outside 0 to 17 or a transport field the state leaves undefined) from h [J/kg], s [J/(kg K)], field */
VLM_API double VLM_CALL vlmSTATETX(double t, double x, double field); /* the field numbered field of the state from saturation temperature t and dryness x (code 2 also for a field number outside 0 to 17 or a transport field the state leaves undefined) from t [K], x, field */
VLM_API double VLM_CALL vlmSTATEPX(double p, double x, double field); /* the field numbered field of the state from saturation pressure p and dryness x (code 2 also for a field number outside 0 to 17 or a transport field the state leaves undefined) from p [Pa], x, field */

/* clang-format on */
/* END of the generated declarations. */

#ifdef __cplusplus
}
#endif

#endif /* VLMCORE5_H */
