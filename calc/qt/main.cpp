// vlmcalc: the calculator window of the water and steam property library.
#include <QApplication>

#include "calculator_window.hpp"
#include "termination.hpp"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("vlmcalc"));
  vlm::calc::qt::quitOnTerminationSignals(&application);
  vlm::calc::qt::CalculatorWindow window;
  window.adjustSize();
  window.centre();
  window.show();
  return QApplication::exec();
}
