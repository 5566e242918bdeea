// The add-in's start: when the worksheet program loads vlmmcad.dll, register the error
// messages in the chosen language and then every worksheet function.  Nothing else happens
// here afterwards; the worksheet calls the registered functions directly.
#include <windows.h>

#include "mcaduser.h"
#include "records.hpp"
#include "vlm/product_key.hpp"
#include "vlm/store.hpp"

namespace vlmmcad {
namespace {

// Russian only when the product key holds a Language value that reads "Russian" in any letter
// case; a missing key or value, a value too long for the buffer, or any other text means
// English.  The key is opened for query access only, and the value's type is not looked at.
Language chosenLanguage() {
  char text[vlm::kLanguageBufferSize + 1];
  vlm::store::Key key;
  if (!key.open(vlm::kProductKey, vlm::store::Access::Query)) return Language::English;
  const bool read = key.read(vlm::kLanguageValue, text, vlm::kLanguageBufferSize);
  key.close();
  return read && vlm::isRussian(text) ? Language::Russian : Language::English;
}

void registerWithHost(HINSTANCE instance) {
  const char* const* messages = kMessages[static_cast<int>(chosenLanguage())];
  // Without its messages no function could report a failure: register none.
  if (!CreateUserErrorMessageTable(instance, kMessageCount, messages)) return;
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
