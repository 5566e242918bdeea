#include "termination.hpp"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <utility>

namespace vlm::calc::qt {
namespace {

int signalPipe[2] = {-1, -1};  // the handler writes, the event loop reads

std::function<void()>& onExit() {
  static std::function<void()> save;
  return save;
}

void saveAtExit() {
  if (auto save = std::exchange(onExit(), nullptr)) save();
}

// Only async-signal-safe work here: one byte through the pipe.
void onSignal(int) {
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
  errno = saved;
}

}  // namespace

void quitOnTerminationSignals(QObject* parent) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0) return;
  auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, parent);
  QObject::connect(notifier, &QSocketNotifier::activated, parent, [] {
    char byte;
    while (::read(signalPipe[0], &byte, 1) > 0) {
    }
    QCoreApplication::quit();
  });
  struct sigaction action {};
  action.sa_handler = onSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGHUP, SIGINT}) ::sigaction(signal, &action, nullptr);
}

SaveOnExit::SaveOnExit(std::function<void()> save) {
  std::function<void()>& slot = onExit();  // made first: destroyed only after the handler ran
  static const bool registered = std::atexit(saveAtExit) == 0;
  if (registered) slot = std::move(save);
}

SaveOnExit::~SaveOnExit() { onExit() = nullptr; }

}  // namespace vlm::calc::qt
