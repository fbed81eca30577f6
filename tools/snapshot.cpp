// Development aid: starts the program in-process on the offscreen platform, opens the chapter
// rows given on the command line one after another and saves a picture of the main window
// after each, so that a page can be looked at without a display.
//
//   zsnap OUT_PREFIX [ROW[:MS] ...]      (run in the runtime folder; MS: virtual time to let pass)
#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <string>

#include "layouts/assets.h"
#include "platform/forms.h"
#include "platform/timers.h"
#include "shell/startup.h"
#include "shell/unit_frmMain.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication qt(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  if (argc < 2) {
    std::fprintf(stderr, "usage: zsnap OUT_PREFIX [ROW[:MS] ...]\n");
    return 2;
  }
  VirtualClock clock;
  SetClock(&clock);
  TApplication application;
  application.SetMessageBoxHandler([](const std::string& text, const std::string& caption, int) {
    std::fprintf(stderr, "message box [%s]: %s\n", caption.c_str(), text.c_str());
    return IDNO;
  });
  RegisterAssets();
  RegisterProgramForms();
  StartProgram();
  std::string prefix = argv[1];
  auto save = [&](const std::string& name) {
    QApplication::processEvents();
    QPixmap shot = frmMain->Widget()->grab();
    shot.save(QString::fromStdString(prefix + name + ".png"));
    std::printf("%s%s.png\n", prefix.c_str(), name.c_str());
  };
  save("start");
  for (int i = 2; i < argc; ++i) {
    std::string arg = argv[i];
    int row = std::stoi(arg);
    long ms = arg.find(':') != std::string::npos ? std::stol(arg.substr(arg.find(':') + 1)) : 0;
    Dispatch([&] { ChapterItems[row]->Click(); });
    if (ms > 0) clock.Advance(ms);
    save("row" + std::to_string(row));
  }
  EndProgram();
  SetClock(nullptr);
  return 0;
}
