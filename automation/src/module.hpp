// What the pieces of the automation server share: the module's lock count (live objects and
// LockServer calls), which decides whether the library may be unloaded, and the module handle.
#pragma once

#include <windows.h>

namespace vlm::automation {

void lockModule();
void unlockModule();
bool moduleLocked();

// The vlmcore5 library file itself (not the program that loaded it).
HMODULE moduleHandle();

}  // namespace vlm::automation
