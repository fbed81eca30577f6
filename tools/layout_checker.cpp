// The layout checker: builds every form of the program from its layout, without running its
// handlers, and fails on anything that does not fit: an unknown class, property or handler, a
// control that the form's code or tables name but the layout lacks, a picture the program does
// not carry, a layout without a form class (or the reverse), a file beside the program that a
// page opens but the runtime folder lacks. Run in the runtime folder.
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "layouts/assets.h"
#include "platform/forms.h"
#include "platform/paths.h"
#include "platform/streaming.h"
#include "shell/startup.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication qt(argc, argv);
  TApplication application;
  std::vector<std::string> problems;
  application.SetMessageBoxHandler([&](const std::string& text, const std::string&, int) {
    problems.push_back("a message box during loading: " + text);
    return IDOK;
  });
  RegisterAssets();
  RegisterProgramForms();

  std::set<std::string> layouts;
  for (const QString& name : QDir(":/layouts").entryList({"*.lay"}, QDir::Files)) {
    layouts.insert(name.chopped(4).toStdString());
  }
  int forms = 0;
  // Pages refer to the main window's image lists (frmMain.ikony_sbirka): it stays loaded
  // while the others are checked.
  TForm* mainWindow = nullptr;
  if (const TFormClass* main = FindFormClass("TfrmMain")) {
    try {
      mainWindow = LoadFormForCheck(*main, &application);
    } catch (const std::exception&) {
      // Reported below with the main window's own check.
    }
  }
  for (const TFormClass* cls : FormClasses()) {
    if (!layouts.erase(cls->layout)) {
      problems.push_back(cls->name + ": the program carries no layout " + cls->layout + ".lay");
      continue;
    }
    try {
      TForm* form = LoadFormForCheck(*cls, &application);
      Free(form);
      ++forms;
    } catch (const std::exception& e) {
      problems.push_back(cls->name + ": " + e.what());
    }
    for (const std::string& file : cls->requiredFiles) {
      if (!FileExists(file))
        problems.push_back(cls->name + ": no file " + file + " beside the program");
    }
  }
  if (mainWindow) Free(mainWindow);
  for (const std::string& orphan : layouts) {
    problems.push_back(orphan + ".lay: no form class of the program uses this layout");
  }
  for (const std::string& p : problems) std::fprintf(stderr, "zlaycheck: %s\n", p.c_str());
  if (!problems.empty()) return 1;
  std::printf("zlaycheck: %d forms fit their layouts\n", forms);
  return 0;
}
