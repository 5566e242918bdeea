// Ending other than by closing the window.  SIGTERM (what a session or a service manager
// sends), SIGHUP and SIGINT make the application quit through its event loop, so that
// whatever it does on quitting (the window saves its settings) still happens.  Qt itself
// ends the program with exit() when the connection to the X server breaks; what a
// SaveOnExit holds runs then too.
#pragma once

#include <functional>

class QObject;

namespace vlm::calc::qt {

// Installs the handlers; `parent` owns what watches for them.  Call once, after the
// application object exists.
void quitOnTerminationSignals(QObject* parent);

// While it lives, an exit() from anywhere calls `save` (once, before the program's static
// objects are destroyed).  One at a time.
class SaveOnExit {
 public:
  explicit SaveOnExit(std::function<void()> save);
  ~SaveOnExit();
  SaveOnExit(const SaveOnExit&) = delete;
  SaveOnExit& operator=(const SaveOnExit&) = delete;
};

}  // namespace vlm::calc::qt
