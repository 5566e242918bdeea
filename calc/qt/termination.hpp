// Ending by a signal: SIGTERM (what a session or a service manager sends), SIGHUP and SIGINT
// make the application quit through its event loop, so that whatever it does on quitting
// (the window saves its settings) still happens.
#pragma once

class QObject;

namespace vlm::calc::qt {

// Installs the handlers; `parent` owns what watches for them.  Call once, after the
// application object exists.
void quitOnTerminationSignals(QObject* parent);

}  // namespace vlm::calc::qt
