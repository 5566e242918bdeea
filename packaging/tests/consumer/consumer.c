/* Uses the installed library as a C program would: the version macros, one property, one
 * failure with its error code.  Prints "5.1.0 115331.273 2" when all is well. */
#include <stdio.h>
#include <vlmcore5.h>

int main(void) {
  const double h = vlmH1PT(3e6, 300.0);
  const int ok = vlmGETLASTERROR() == VLM_ERROR_NONE;
  vlmTSP(1e9); /* above the saturation line's range */
  const int code = vlmGETLASTERROR();
  printf("%d.%d.%d %.9g %d\n", VLM_VERSION_MAJOR, VLM_VERSION_MINOR, VLM_VERSION_PATCH, h, code);
  return ok && code == VLM_ERROR_OUT_OF_RANGE ? 0 : 1;
}
