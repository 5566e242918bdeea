// vlmcalc: the calculator window of the water and steam property library.
#include <QApplication>
#include <cstdio>
#include <cstring>

#include "calculator_window.hpp"
#include "start_up.hpp"
#include "termination.hpp"
#include "vlmcore5.h"

namespace {

// --help and --version answer without a window (and without a display).
bool answered(int argc, char** argv) {
  if (argc != 2) return false;
  if (std::strcmp(argv[1], "--help") == 0) {
    std::printf(
        "Usage: vlmcalc [--help | --version]\n"
        "The calculator window of the water and steam property library: choose a mode\n"
        "(F(P, T), F(Psat), F(Tsat), F(P, X), F(T, X)), type the arguments in the units shown,\n"
        "and read the properties of that state with their units.  Units and the number of\n"
        "digits are set in the window and kept for the next start.\n"
        "\n"
        "  --help     this text\n"
        "  --version  the version of vlmcalc\n"
        "\n"
        "The same rows on the command line: vlmprop table MODE ARGUMENTS (see vlmprop --help).\n");
    return true;
  }
  if (std::strcmp(argv[1], "--version") == 0) {
    std::printf("vlmcalc %d.%d.%d\n", VLM_VERSION_MAJOR, VLM_VERSION_MINOR, VLM_VERSION_PATCH);
    return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (answered(argc, argv)) return 0;
  // Without a display to open the window on: one line and status 1 (start_up.hpp).
  vlm::calc::qt::holdStartUpMessages();
  QApplication application(argc, argv);
  vlm::calc::qt::releaseStartUpMessages();
  QApplication::setApplicationName(QStringLiteral("vlmcalc"));
  vlm::calc::qt::quitOnTerminationSignals(&application);
  vlm::calc::qt::CalculatorWindow window;
  // Qt ends the program with exit(1) when the X server goes away: the settings are saved
  // as a normal close saves them.
  const vlm::calc::qt::SaveOnExit saving([&window] { window.save(); });
  window.adjustSize();
  window.centre();
  window.show();
  return QApplication::exec();
}
