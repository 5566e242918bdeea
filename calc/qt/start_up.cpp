#include "start_up.hpp"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace vlm::calc::qt {
namespace {

struct Held {
  QtMsgType type;
  std::string category;
  QString message;
};

QtMessageHandler qtHandler = nullptr;
std::vector<Held> held;  // start-up runs on the main thread alone

void duringStartUp(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtFatalMsg) {
    std::fprintf(stderr, "vlmcalc: %s\n", displayFailure());
    std::fflush(stderr);
    std::_Exit(1);  // no abort, no core dump; nothing of the run exists yet to be saved
  }
  held.push_back({type, context.category != nullptr ? context.category : "", message});
}

}  // namespace

const char* displayFailure() {
  static std::string line;
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  const QByteArray display = qgetenv("DISPLAY");
  if (!platform.isEmpty() && !platform.startsWith("xcb")) {
    line = "cannot start the window system \"" + platform.toStdString() + "\" (QT_QPA_PLATFORM)";
  } else if (display.isEmpty()) {
    line = "no display to open the window on: DISPLAY is not set";
  } else {
    line = "cannot open the display \"" + display.toStdString() + "\" (DISPLAY)";
  }
  return line.c_str();
}

void holdStartUpMessages() { qtHandler = qInstallMessageHandler(duringStartUp); }

void releaseStartUpMessages() {
  qInstallMessageHandler(qtHandler);
  for (const Held& message : held) {
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
    qt_message_output(message.type, context, message.message);
  }
  held.clear();
}

}  // namespace vlm::calc::qt
