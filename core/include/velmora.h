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
#if defined(VLMCORE5_BUILD)
#define VELMORA_API __declspec(dllexport)
#else
#define VELMORA_API __declspec(dllimport)
#endif
#else
#define VELMORA_API __attribute__((visibility("default")))
#endif

#include <stddef.h>

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

/* The extended state: the same fields and more, from any pair, with a choice of which fields
 * to compute.  The caller sets `size` to sizeof(vlm_state_ex) as it was compiled, and the
 * library writes nothing beyond that, so fields added at the end later never break a caller
 * built against this header.  `request` says which groups to compute (0: every group); the
 * fields of a group not asked for are NaN.  `formulation` chooses the equations. */
enum vlm_pair {
  VLM_PAIR_PT = 1,
  VLM_PAIR_PH,
  VLM_PAIR_PS,
  VLM_PAIR_HS,
  VLM_PAIR_TX,
  VLM_PAIR_PX,
  VLM_PAIR_PV,
  VLM_PAIR_TV,
  VLM_PAIR_TH,
  VLM_PAIR_TS,
  VLM_PAIR_UV,
  VLM_PAIR_HX,
  VLM_PAIR_SX
};
enum vlm_fields {
  VLM_FIELDS_THERMO = 1,    /* region, p, T, rho, v, u, h, s, cp, cv, w, x, kappa: always computed */
  VLM_FIELDS_TRANSPORT = 2, /* lambda, eta, nu, prandtl, sigma */
  VLM_FIELDS_FURTHER = 4,   /* g ... delta_t below */
  VLM_FIELDS_ALL = 7
};
/* The caloric properties vlm_properties_pt computes: v [m3/kg], u, h [J/kg], s, cp, cv
 * [J/(kg K)], w [m/s]. */
enum vlm_quantity { VLM_Q_V, VLM_Q_U, VLM_Q_S, VLM_Q_H, VLM_Q_CP, VLM_Q_CV, VLM_Q_W };
/* VLM_IAPWS95: the scientific formulation with the viscosity of 2008, the conductivity of 2011
 * and the surface tension of 2014, 273.16 K to 1273 K, above 0 up to 1000 MPa; region says where
 * IAPWS-IF97 puts (p, T) (4: wet steam).  At the critical point itself its cp and cv are
 * infinite: code 1. */
enum vlm_formulation { VLM_IF97 = 0, VLM_IAPWS95 = 1 };

typedef struct vlm_state_ex {
  unsigned size;    /* in: sizeof(vlm_state_ex) as the caller knows it */
  unsigned request; /* in: VLM_FIELDS_* bits; 0 means VLM_FIELDS_ALL */
  int formulation;  /* in: VLM_IF97 (the default, 0) or VLM_IAPWS95 */
  int reserved;     /* in: 0 */
  vlm_state state;  /* out */
  /* out, VLM_FIELDS_FURTHER: Gibbs and Helmholtz energies [J/kg], compressibility factor
   * p v / (R T) [-], isobaric expansion (dv/dT)_p / v [1/K], isothermal compressibility
   * -(dv/dp)_T / v [1/Pa], relative pressure coefficient (dp/dT)_v / p [1/K], Joule-Thomson
   * coefficient (dT/dp)_h [K/Pa], isothermal throttling coefficient (dh/dp)_T [m3/kg]; in wet
   * steam, whose T is fixed by p, alpha_v, kappa_t and delta_t are NaN and alpha_p and the
   * Joule-Thomson coefficient follow the saturation line */
  double g, f, z, alpha_v, kappa_t, alpha_p, joule_thomson, delta_t;
} vlm_state_ex;

/* One declaration per line: the build reads these names for the export checks. */
VELMORA_API void vlm_default_settings(vlm_settings* out);
VELMORA_API int vlm_state_pt(double p, double T, const vlm_settings* cfg, vlm_state* out);
VELMORA_API int vlm_state_ph(double p, double h, const vlm_settings* cfg, vlm_state* out);
VELMORA_API int vlm_state_ps(double p, double s, const vlm_settings* cfg, vlm_state* out);
VELMORA_API int vlm_state_hs(double h, double s, const vlm_settings* cfg, vlm_state* out);
VELMORA_API int vlm_state_tx(double T, double x, const vlm_settings* cfg, vlm_state* out);
VELMORA_API int vlm_state_px(double p, double x, const vlm_settings* cfg, vlm_state* out);
/* Pairs with two states somewhere give one by a fixed rule: wet steam wherever the value lies
 * between the saturated phases' values; (p, v) the warmer of the two liquid states around the
 * density maximum near 277 K; (T, v), (T, h), (T, s) the state of lowest pressure (two liquid
 * states have the same s below about 277 K, and the same h where T alpha_v > 1 in hot
 * liquid); (h, x), (s, x) the state of lowest temperature (two states have the same h near
 * the maximum of h'').  (u, v) has one state: u rises with T along every isochore.  These
 * pairs are always searched within the validity ranges. */
VELMORA_API int vlm_state_pv(double p, double v, const vlm_settings* cfg, vlm_state* out);
VELMORA_API int vlm_state_tv(double T, double v, const vlm_settings* cfg, vlm_state* out);
VELMORA_API int vlm_state_th(double T, double h, const vlm_settings* cfg, vlm_state* out);
VELMORA_API int vlm_state_ts(double T, double s, const vlm_settings* cfg, vlm_state* out);
VELMORA_API int vlm_state_uv(double u, double v, const vlm_settings* cfg, vlm_state* out);
VELMORA_API int vlm_state_hx(double h, double x, const vlm_settings* cfg, vlm_state* out);
VELMORA_API int vlm_state_sx(double s, double x, const vlm_settings* cfg, vlm_state* out);
/* The extended state from a pair (enum vlm_pair); the same codes, and code 2 also for an
 * unknown pair, formulation or request, or a size too small to hold the state. */
VELMORA_API int vlm_state_get(int pair, double a, double b, const vlm_settings* cfg, vlm_state_ex* out);
/* n states in one call: out[i] for (a[i], b[i]), with
 * out[0]'s size, request and formulation for every element (the size is also the stride);
 * codes[i] (codes may be null) is each element's code, and the first failing element's code
 * is returned (0 when all succeed).  A failed element's fields are NaN, its region 0.  Blocks
 * of elements share one floating-point guard; a caller who unmasked a trap still gets code 1
 * exactly where a single call would. */
VELMORA_API int vlm_states_get(int pair, size_t n, const double* a, const double* b, const vlm_settings* cfg,
                               vlm_state_ex* out, int* codes);
/* A caloric property (enum vlm_quantity) at n points (p[i], T[i]) in one call: out[i] and
 * codes[i] (codes may be null) are the value and code of the single export of that property
 * (vlmVPT, vlmUPT, vlmSPT, vlmHPT, vlmCPPT, vlmCVPT, vlmWPT) at that point, bit for bit, except
 * that a failed element's value is NaN; the first failing element's code is returned (0 when
 * all succeed), or 2 for an unknown quantity.  The settings are cfg's (null: the defaults). */
VELMORA_API int vlm_properties_pt(int quantity, size_t n, const double* p, const double* T, const vlm_settings* cfg,
                                  double* out, int* codes);

/* Any first partial derivative (d of / d wrt) at constant `held` of a state the library gave,
 * from the derivatives of IAPWS-IF97's equations; the names are "p", "T", "v", "rho", "u", "h", "s", "g"
 * (Gibbs energy) and "f" (Helmholtz energy), in SI units.  Wet steam varies along the
 * saturation line and in x: its pressure follows T (dp/dT of the saturation-pressure
 * equation), so a derivative that holds one of p and T while varying the other is undefined
 * there.  Returns 0 and writes *out, or 2 for an unknown name, a state of no region, or an
 * undefined derivative (*out unchanged). */
VELMORA_API int vlm_partial(const vlm_state* st, const char* of, const char* wrt, const char* held, double* out);
VELMORA_API const char* vlm_error_text(int code, int russian); /* UTF-8; "" for an unknown code */

#ifdef __cplusplus
}
#endif

#endif /* VELMORA_H */
