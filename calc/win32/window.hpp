// The calculator window on Windows: the dialog template of the resources, driven by the
// portable model.  The dialog procedure only maps controls onto the model's events and
// shows what its queries return.
#pragma once

#include <windows.h>

#include "vlm/calc/settings.hpp"

namespace vlm::calc::win32 {

// Runs the window as the program's modal main window until it is closed (the settings are
// saved on the way out).  The common controls must be initialised.
void runModal(HINSTANCE instance, SettingsStore store = SettingsStore());

// The same window created modelessly and shown, for tests that drive it from their own
// thread; closing it saves the settings and destroys it.  Null if the window could not be
// made.
HWND createModeless(HINSTANCE instance, SettingsStore store);

}  // namespace vlm::calc::win32
