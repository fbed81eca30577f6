// Development aid: starts the program in-process on the offscreen platform, on a virtual clock,
// and follows the commands on its command line in order, saving pictures of the main window
// (and of the magnifier) as it goes, so that a page can be looked at without a display.
//
//   zsnap OUT_PREFIX COMMAND ...        (run in the runtime folder)
//
// Commands:
//   ROW[:MS]          open chapter row ROW, let MS virtual milliseconds pass, save "rowROW"
//   wait:MS           let MS virtual milliseconds pass
//   click:NAME        click the control NAME of the open page (as the user, visible or not)
//   menu:NAME         click the main window's menu item NAME (a page that has no chapter row)
//   tab:I             pick tab I of the page's tab control as the user does
//   type:NAME=TEXT    replace the text of the edit NAME
//   pick:NAME=I       pick item I of the drop-down list NAME as the user does
//   snap:LABEL        save the main window as OUT_PREFIX + LABEL + ".png"
//   lupa:LABEL        save the magnifier window the same way
//   reveal            press every button of the page eight times (every hint step, every
//                     result), then save every tab as "rowROW_tabI"
//   tabs              save every tab of the open page as "rowROW_tabI"
#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <string>

#include "layouts/assets.h"
#include "platform/buttons.h"
#include "platform/comctrls.h"
#include "platform/forms.h"
#include "platform/stdctrls.h"
#include "platform/timers.h"
#include "shell/lupa.h"
#include "shell/startup.h"
#include "shell/unit_frmMain.h"

namespace {

std::string prefix;
int row = 0;

void Save(TControl* window, const std::string& name) {
  QApplication::processEvents();
  QPixmap shot = window->Widget()->grab();
  shot.save(QString::fromStdString(prefix + name + ".png"));
  std::printf("%s%s.png\n", prefix.c_str(), name.c_str());
}

TControl* Control(const std::string& name) {
  TForm* page = frmMain->OpenPage();
  auto* c = page ? dynamic_cast<TControl*>(page->FindComponent(name)) : nullptr;
  if (!c) std::fprintf(stderr, "zsnap: the open page has no control %s\n", name.c_str());
  return c;
}

TPageControl* Tabs() {
  TForm* page = frmMain->OpenPage();
  return page ? dynamic_cast<TPageControl*>(page->FindComponent("priklady")) : nullptr;
}

void SaveTabs() {
  TPageControl* tabs = Tabs();
  if (!tabs) {
    Save(frmMain, "row" + std::to_string(row));
    return;
  }
  for (int i = 0; i < tabs->PageCount(); ++i) {
    Dispatch([&] { tabs->SelectTabByUser(i); });
    Save(frmMain, "row" + std::to_string(row) + "_tab" + std::to_string(i));
  }
}

// Every button of the page, pressed as often as a hint has steps.
void RevealAll() {
  TForm* page = frmMain->OpenPage();
  if (!page) return;
  for (int round = 0; round < 8; ++round) {
    for (int i = 0; i < page->ComponentCount(); ++i) {
      auto* c = dynamic_cast<TControl*>(page->Components(i));
      if (!c || !c->Enabled()) continue;
      if (dynamic_cast<TSpeedButton*>(c) || dynamic_cast<TBitBtn*>(c) ||
          dynamic_cast<TButton*>(c)) {
        Dispatch([&] { c->Click(); });
      }
    }
  }
  HideEnlargedPicture();
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication qt(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  if (argc < 2 || argv[1][0] == '-') {
    std::fprintf(stderr,
                 "usage: zsnap OUT_PREFIX [ROW[:MS] | wait:MS | click:NAME | menu:NAME | tab:I |\n"
                 "             type:NAME=TEXT | pick:NAME=I | snap:LABEL | lupa:LABEL | reveal |"
                 " tabs]"
                 " ...\n");
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
  prefix = argv[1];
  Save(frmMain, "start");
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    const size_t colon = arg.find(':');
    const std::string verb = arg.substr(0, colon);
    const std::string rest = colon == std::string::npos ? "" : arg.substr(colon + 1);
    if (verb == "wait") {
      clock.Advance(std::stol(rest));
    } else if (verb == "click") {
      if (TControl* c = Control(rest)) Dispatch([&] { c->Click(); });
    } else if (verb == "menu") {
      if (auto* m = dynamic_cast<TMenuItem*>(frmMain->FindComponent(rest))) {
        Dispatch([&] { m->Click(); });
      } else {
        std::fprintf(stderr, "zsnap: the main window has no menu item %s\n", rest.c_str());
      }
    } else if (verb == "tab") {
      if (TPageControl* t = Tabs()) Dispatch([&] { t->SelectTabByUser(std::stoi(rest)); });
    } else if (verb == "type") {
      const size_t eq = rest.find('=');
      if (auto* e = dynamic_cast<TEdit*>(Control(rest.substr(0, eq)))) {
        Dispatch([&] { e->SetText(eq == std::string::npos ? "" : rest.substr(eq + 1)); });
      }
    } else if (verb == "pick") {
      const size_t eq = rest.find('=');
      if (auto* list = dynamic_cast<TComboBox*>(Control(rest.substr(0, eq)))) {
        const int item = eq == std::string::npos ? 0 : std::stoi(rest.substr(eq + 1));
        Dispatch([&] { list->PickByUser(item); });
      }
    } else if (verb == "snap") {
      Save(frmMain, rest);
    } else if (verb == "lupa") {
      Save(frm_lupa, rest);
    } else if (verb == "reveal") {
      RevealAll();
      SaveTabs();
    } else if (verb == "tabs") {
      SaveTabs();
    } else {
      row = std::stoi(verb);
      if (row < 1 || row > kChapterRows || !ChapterItems[row]) {
        std::fprintf(stderr, "zsnap: no chapter row %d (rows 1 to %d)\n", row, kChapterRows);
        EndProgram();
        SetClock(nullptr);
        return 2;
      }
      Dispatch([&] { ChapterItems[row]->Click(); });
      if (!rest.empty()) clock.Advance(std::stol(rest));
      Save(frmMain, "row" + std::to_string(row));
    }
  }
  EndProgram();
  SetClock(nullptr);
  return 0;
}
