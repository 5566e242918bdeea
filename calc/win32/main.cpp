// vlmcalc: the calculator window as the program's main window.  The program ends when the
// window is closed.
// clang-format off
#include <windows.h>  // first: the other system headers build on it
#include <commctrl.h>
// clang-format on

#include "window.hpp"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&controls);
  vlm::calc::win32::runModal(instance);
  return 0;
}
