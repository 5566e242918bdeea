/* velmora: the state of water and steam in one call, from any of six pairs of arguments.
 *
 * A second interface of the vlmcore5 library beside the property functions of vlmcore5.h,
 * over the same equations (IAPWS-IF97, 1997 issue, with its backward equations for the
 * start values).  Every function returns a code and fills *out only when it is 0:
 *   0 success, 1 floating-point fault or a result that is not finite, 2 argument outside the
 *   validity ranges, 3 the density solver or the Newton polish did not converge, 4 region
 *   not recognised.
 * Nothing process-wide is read or written (no last-error code, no stored settings): the
 * settings travel with each call, a null pointer meaning the defaults, and any number of
 * threads may call at once.  The caller's floating-point environment is left as found.
 *
 * SI units throughout: Pa, K, kg/m3, m3/kg, J/kg, J/(kg K), m/s, W/(m K), Pa s, m2/s, N/m.
 * Plain C calling convention on every platform. */
#ifndef VELMORA_H
#define VELMORA_H

#if defined(_WIN32)
#  if defined(VLMCORE5_BUILD)
#    define VELMORA_API __declspec(dllexport)
#  else
#    define VELMORA_API __declspec(dllimport)
#  endif
#else
#  define VELMORA_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef struct vlm_settings {
  int check_range;   /* 1: refuse states outside the validity ranges (code 2) */
  int max_iteration; /* region 3 Newton, as the exports' settings */
  double delta_pressure, init_water_density, init_steam_density, delta_ts;
} vlm_settings;

typedef struct vlm_state {
  int region;                                    /* 1, 2, 3, 4 (two-phase), 5 */
  double p, T, rho, v, u, h, s, cp, cv, w, x;    /* x: dryness in region 4, else -1 */
  double lambda, eta, nu, prandtl, kappa, sigma; /* transport where defined, else NaN */
} vlm_state;

/* One declaration per line: the build reads these names for the export checks. */
VELMORA_API void vlm_default_settings(vlm_settings* out);
VELMORA_API int vlm_state_pt(double p, double T, const vlm_settings* cfg, vlm_state* out);
VELMORA_API int vlm_state_ph(double p, double h, const vlm_settings* cfg, vlm_state* out);
VELMORA_API int vlm_state_ps(double p, double s, const vlm_settings* cfg, vlm_state* out);
VELMORA_API int vlm_state_hs(double h, double s, const vlm_settings* cfg, vlm_state* out);
VELMORA_API int vlm_state_tx(double T, double x, const vlm_settings* cfg, vlm_state* out);
VELMORA_API int vlm_state_px(double p, double x, const vlm_settings* cfg, vlm_state* out);
VELMORA_API const char* vlm_error_text(int code, int russian); /* UTF-8; "" for an unknown code */

#ifdef __cplusplus
}
#endif

#endif /* VELMORA_H */
