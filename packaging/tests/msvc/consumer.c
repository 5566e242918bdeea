/* A program as Visual C++ would build it against the ZIP: the MSVC target's object files,
   no C runtime, linked with the ZIP's lib/vlmcore5.lib.  It calls a __stdcall export, a
   settings export and a state function, so that each kind of import is resolved. */
#include <vlmcore5.h>
#include <velmora.h>

int _fltused;

int mainCRTStartup(void) {
  vlm_settings cfg;
  vlm_state st;
  double h = vlmHPT(3e6, 573.15);
  vlm_default_settings(&cfg);
  int code = vlm_state_ph(3e6, h, &cfg, &st);
  /* 0 when the export and the state agree on T to a millikelvin. */
  double dT = st.T - 573.15;
  return (code != 0 || vlmGETCHECKRANGEMODE() < 0 || dT > 1e-3 || dT < -1e-3) ? 3 : 0;
}
