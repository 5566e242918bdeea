// vlmcalc: the calculator window of the water and steam property library.
#include <QApplication>

#include "calculator_window.hpp"
#include "start_up.hpp"
#include "termination.hpp"

int main(int argc, char** argv) {
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
