// Starting without a usable display.  Qt reports a window system that cannot be reached as a
// fatal error and aborts (status 134, and a core dump where they are enabled) after several
// lines of its own.  While the application starts, vlmcalc holds Qt's messages back; should
// the start fail, it says so in one line naming the display and ends with status 1.
#pragma once

namespace vlm::calc::qt {

// Before the application object is made.
void holdStartUpMessages();

// Once it exists: the messages held back are written as Qt would have written them, and
// every later one goes straight through.
void releaseStartUpMessages();

// The one line that a start without a display ends with: the display named by the
// environment, or that none is named.
const char* displayFailure();

}  // namespace vlm::calc::qt
