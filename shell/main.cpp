// Zalmira: an interactive textbook of mathematical functions.
#include <QApplication>

#include "layouts/assets.h"
#include "platform/forms.h"
#include "shell/startup.h"

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  // The program ends only through "Konec", never because its last window closed.
  QApplication::setQuitOnLastWindowClosed(false);
  TApplication application;
  RegisterAssets();
  RegisterProgramForms();
  Dispatch(StartProgram);
  application.Run();
  EndProgram();
  return 0;
}
