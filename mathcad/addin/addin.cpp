// The add-in's start: when the worksheet program loads vlmmcad.dll, register the error
// messages in the chosen language and then every worksheet function.  Nothing else happens
// here afterwards; the worksheet calls the registered functions directly.
#include <windows.h>

#include "mcaduser.h"
#include "records.hpp"
#include "vlm/error_messages.hpp"

namespace vlmmcad {
namespace {

void registerWithHost(HINSTANCE instance) {
  // The language is read once, with query access, whatever the value's type.
  const char* const* messages = vlm::kErrorMessages[static_cast<int>(vlm::currentLanguage())];
  // Without its messages no function could report a failure: register none.
  if (!CreateUserErrorMessageTable(instance, vlm::kErrorCodeCount, messages)) return;
  for (const McadFunctionInfo& record : kRecords) CreateUserFunction(instance, &record);
}

}  // namespace
}  // namespace vlmmcad

// The add-in loads successfully in every case, so that a registration the host refused never
// stops the host from starting.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
  if (reason == DLL_PROCESS_ATTACH) vlmmcad::registerWithHost(instance);
  return TRUE;
}
