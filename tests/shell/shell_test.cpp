// Start-up, the main window, the chapter table with page switching and the tool bar states,
// the magnifier and the exit.
#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "lessons/unit_frmFceVDf.h"
#include "platform/jpeg.h"
#include "platform/menus.h"
#include "platform/paths.h"
#include "platform/stdctrls.h"
#include "tests/shell/program_fixture.h"

namespace {

struct Buttons {
  bool back, repeat, pause, stepMode, step, next, collection;
  int collectionPicture;
};

Buttons ToolbarNow() {
  return {frmMain->btnZpet->Enabled(),   frmMain->btnZopak->Enabled(),
          frmMain->btnPozast->Enabled(), frmMain->btnKrokuj->Enabled(),
          frmMain->btnKrok->Enabled(),   frmMain->btnDalsi->Enabled(),
          frmMain->btnSbirka->Enabled(), frmMain->btnSbirka->ImageIndex()};
}

using ShellTest = ProgramTest;

TEST_F(ShellTest, StartsOnTheTitlePageWithEveryButtonDisabled) {
  EXPECT_EQ(Application->Title(), "Orvinel (Zalmira)");
  EXPECT_EQ(frmMain->Caption(), "Zalmira");
  EXPECT_EQ(Application->MainForm(), frmMain);
  EXPECT_EQ(frmMain->WindowState(), TWindowState::wsMaximized);
  EXPECT_TRUE(frmMain->Visible());
  EXPECT_TRUE(frmMain->ToolBar->Visible());
  EXPECT_EQ(OpenClass(), "frmFceTitulni");
  EXPECT_EQ(frmMain->PageNo(), 61);
  Buttons b = ToolbarNow();
  EXPECT_FALSE(b.back || b.repeat || b.pause || b.stepMode || b.step || b.next || b.collection);
  EXPECT_FALSE(StepMode);
  EXPECT_EQ(frmMain->btnKrok->ImageIndex(), 9);
  EXPECT_EQ(frmMain->btnPozast->ImageIndex(), 2);
  EXPECT_TRUE(frmMain->Schovat1->Visible());
  ASSERT_NE(frm_lupa, nullptr);
  EXPECT_FALSE(frm_lupa->Visible());
  for (int slot = 1; slot <= 18; ++slot) EXPECT_EQ(ExerciseTabIndex[slot], 0);
  TForm* page = frmMain->OpenPage();
  for (const char* heading : {"info1", "info3", "info5", "info7", "info9"}) {
    EXPECT_EQ(static_cast<TMemo*>(page->FindComponent(heading))->Font().Color(), 0x005D0101)
        << heading;
  }
  for (const char* text : {"info4", "info6", "info8", "info10"}) {
    EXPECT_EQ(static_cast<TMemo*>(page->FindComponent(text))->Font().Color(), clNavy) << text;
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_F(ShellTest, EveryChapterRowOpensItsPageWithItsToolbarState) {
  for (const ChapterRow& row : ChapterTable()) {
    SCOPED_TRACE(row.row);
    TMenuItem* item = ChapterItems[row.row];
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->Name(), row.menuItem);
    EXPECT_EQ(item->Caption(), row.caption);
    EXPECT_EQ(item->OnClick().Name(), row.handler);
    Open(row.row);
    ASSERT_NE(frmMain->OpenPage(), nullptr);
    EXPECT_EQ(std::string("T") + frmMain->OpenPage()->Name(), row.pageClass);
    EXPECT_EQ(frmMain->PageNo(), row.page);
    EXPECT_EQ(frmMain->OpenPage()->Color(), clMoneyGreen);
    EXPECT_EQ(frmMain->OpenPage()->BorderStyle(), TFormBorderStyle::bsNone);
    const ToolbarState& s = ToolbarStateOf(row.state);
    Buttons b = ToolbarNow();
    EXPECT_EQ(b.back, s.back);
    EXPECT_EQ(b.repeat, s.repeat);
    EXPECT_EQ(b.pause, s.pause != PauseState::Off);  // step mode is off here
    EXPECT_EQ(b.stepMode, s.stepMode);
    EXPECT_FALSE(b.step);
    EXPECT_EQ(b.next, s.next);
    EXPECT_EQ(b.collection, s.collection);
    EXPECT_EQ(b.collectionPicture, s.collectionPicture);
  }
  EXPECT_TRUE(boxes.empty()) << boxes.front().text;
}

// A page's banner shows the numbers that its menu caption starts with ("2.5  Perioda",
// "3. Funkce inverzní"); the titles may differ ("Sudost, lichost" in the menu, "Sudost a lichost"
// on the page, the 4.7 pages).
TEST_F(ShellTest, EveryBannerShowsTheNumbersOfItsChapterRow) {
  auto captionOf = [](const LayoutObject& layout, const std::string& name) {
    std::string caption = "(none)";
    layout.Walk([&](const LayoutObject& o, const LayoutObject*) {
      if (o.name == name && o.Find("Caption")) caption = o.Find("Caption")->value.text;
    });
    return caption;
  };
  int checked = 0;
  for (const ChapterRow& row : ChapterTable()) {
    const std::string number =
        std::string(row.caption).substr(0, std::string(row.caption).find(' '));
    if (!std::isdigit(static_cast<unsigned char>(number[0]))) continue;
    SCOPED_TRACE(row.caption);
    const TFormClass* page = FindFormClass(row.pageClass);
    ASSERT_NE(page, nullptr);
    const LayoutObject& layout = StoredLayout(page->layout);
    const std::string chapter = number.substr(0, number.find('.'));
    EXPECT_EQ(captionOf(layout, "Label1"), chapter);
    if (number.back() != '.') EXPECT_EQ(captionOf(layout, "Label4"), number);
    ++checked;
  }
  EXPECT_EQ(checked, 43);
}

TEST_F(ShellTest, PagesOfStatesFToMSwitchStepModeOffTheOthersKeepIt) {
  for (const ChapterRow& row : ChapterTable()) {
    SCOPED_TRACE(row.row);
    Open(4);  // 1.3, state D: step mode can be switched on
    frmMain->btnKrokujClick(nullptr);
    ASSERT_TRUE(StepMode);
    Open(row.row);
    const ToolbarState& s = ToolbarStateOf(row.state);
    EXPECT_EQ(StepMode, !s.resetSteps);
    EXPECT_EQ(frmMain->btnKrokuj->Down(), !s.resetSteps);
    EXPECT_EQ(frmMain->btnKrok->Enabled(), !s.resetSteps);
    EXPECT_EQ(frmMain->btnKrok->ImageIndex(), s.resetSteps ? 9 : 10);
    if (s.pause == PauseState::OffInStepMode) {
      EXPECT_FALSE(frmMain->btnPozast->Enabled());
    }
    if (s.name == 'E') {
      EXPECT_TRUE(frmMain->btnPozast->Enabled());
    }
    if (s.name == 'A') {
      EXPECT_FALSE(frmMain->btnKrokuj->Enabled()) << "down though disabled";
    }
    if (StepMode) frmMain->btnKrokujClick(nullptr);
  }
}

TEST_F(ShellTest, ReopeningAPageGivesAFreshInstance) {
  Open(14);
  TRef<TForm> first(frmMain->OpenPage());
  Open(14);
  EXPECT_FALSE(first) << "the old instance is gone";
  ASSERT_NE(frmMain->OpenPage(), nullptr);
  EXPECT_EQ(frmMain->PageNo(), 13);
  EXPECT_EQ(frmMain->OpenPage()->Name(), "frmFceElemLin");
}

TEST_F(ShellTest, OpeningAPageLeavesThePausePictureAlone) {
  frmMain->btnPozast->SetImageIndex(3);
  Open(9);
  EXPECT_EQ(frmMain->btnPozast->ImageIndex(), 3);
}

TEST_F(ShellTest, TheMenuBarHoldsTheItemsInOrder) {
  TMenuItem* bar = frmMain->menu->Items();
  std::vector<std::string> captions;
  for (int i = 0; i < bar->Count(); ++i) captions.push_back(bar->Items(i)->Caption());
  std::vector<std::string> expected = {"Teorie", "Sbírka úloh", "Test znalostí", "", "",
                                       "",       "Program",     "Úmluva",        "", "",
                                       "",       "Schovat",     "Konec"};
  expected.insert(expected.end(), 16, "");
  EXPECT_EQ(captions, expected);
  EXPECT_EQ(bar->Items(0)->OnClick().Name(), "Zalmira1Click");
  EXPECT_EQ(bar->Items(1)->OnClick().Name(), "MFceSbirka");
  EXPECT_EQ(bar->Items(6)->OnClick().Name(), "About1Click");
  for (const char* name : {"M612Cojetofunkce", "M613Definicefunkce"}) {
    auto* item = static_cast<TMenuItem*>(frmMain->FindComponent(name));
    ASSERT_NE(item, nullptr) << name;
    EXPECT_FALSE(item->Enabled()) << name;
    EXPECT_FALSE(item->OnClick()) << name;
  }
  auto* info = static_cast<TMenuItem*>(frmMain->FindComponent("M83Info"));
  EXPECT_FALSE(info->Bitmap().Empty());
  EXPECT_EQ(frmMain->seznam_ikon->Count(), 12);
  EXPECT_EQ(frmMain->seznam_ikon->Image(0).size(), QSize(46, 22));
  EXPECT_EQ(frmMain->ikony_sbirka->Count(), 2);
  EXPECT_EQ(frmMain->ikony_sbirka->Image(1).size(), QSize(23, 17));
}

class MagnifierTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    ASSERT_TRUE(dir.isValid());
    folder = dir.path().toStdString() + "/";
    Write("p1a_big.jpg", 300, 200);
    Write("u2b_big.jpg", 120, 90);
  }
  void Write(const char* name, int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::darkBlue);
    QFile f(dir.path() + "/" + name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(EncodeJpeg(img, 85));
  }
  QTemporaryDir dir;
  std::string folder;
};

TEST_F(MagnifierTest, ShowsTheEnlargedPictureSizedToIt) {
  ShowEnlargedPicture(folder, "p1a");
  EXPECT_TRUE(frm_lupa->Visible());
  EXPECT_EQ(frm_lupa->obr->Width(), 300);
  EXPECT_EQ(frm_lupa->Width(), 300);
  EXPECT_EQ(frm_lupa->Height(), 200);
  EXPECT_EQ(frm_lupa->Caption(), "lupa");
  EXPECT_EQ(frm_lupa->FormStyle(), TFormStyle::fsStayOnTop);
  ShowEnlargedPicture(folder, "u2b");
  EXPECT_EQ(frm_lupa->Width(), 120) << "the same window, resized";
  EXPECT_EQ(frm_lupa->Height(), 90);
  frm_lupa->Close();  // the close box
  EXPECT_FALSE(frm_lupa->Visible());
  ShowEnlargedPicture(folder, "p1a");
  EXPECT_TRUE(frm_lupa->Visible());
}

TEST_F(MagnifierTest, AMissingFileIsReportedAndChangesNothing) {
  // Hidden: stays hidden.
  Dispatch([&] { ShowEnlargedPicture(folder, "nic"); });
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Cannot open file \"" + ExpandFileName(folder + "nic_big.jpg") +
                               "\". No such file or directory.");
  EXPECT_EQ(boxes[0].caption, "Orvinel (Zalmira)");
  EXPECT_EQ(boxes[0].flags, MB_ICONSTOP);
  EXPECT_FALSE(frm_lupa->Visible());
  // Visible: keeps its picture and size.
  ShowEnlargedPicture(folder, "p1a");
  Dispatch([&] { ShowEnlargedPicture(folder, "nic"); });
  EXPECT_TRUE(frm_lupa->Visible());
  EXPECT_EQ(frm_lupa->Width(), 300);
  EXPECT_EQ(frm_lupa->obr->Picture().Width(), 300);
}

TEST_F(MagnifierTest, AHugePictureIsRefusedAndTheMagnifierKeepsItsOwn) {
  QFile f(dir.path() + "/huge_big.jpg");
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(JpegDeclaringSize(19999, 19999));
  f.close();
  ShowEnlargedPicture(folder, "p1a");
  Dispatch([&] { ShowEnlargedPicture(folder, "huge"); });
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text,
            "The picture \"" + folder + "huge_big.jpg\" is too large: 19999 x 19999 pixels.");
  EXPECT_TRUE(frm_lupa->Visible());
  EXPECT_EQ(frm_lupa->Width(), 300);
  EXPECT_EQ(frm_lupa->Height(), 200);
  EXPECT_EQ(frm_lupa->obr->Picture().Width(), 300);
  ShowEnlargedPicture(folder, "u2b");  // and goes on
  EXPECT_EQ(frm_lupa->Width(), 120);
}

TEST_F(MagnifierTest, MenuBarItemsAndNavigationHideItRepeatDoesNot) {
  const struct {
    const char* what;
    std::function<void()> act;
    bool hides;
  } cases[] = {
      {"Teorie", [] { static_cast<TMenuItem*>(frmMain->FindComponent("Zalmira1"))->Click(); },
       true},
      {"Sbírka úloh", [] { static_cast<TMenuItem*>(frmMain->FindComponent("M60Sbirka"))->Click(); },
       true},
      {"Program", [] { static_cast<TMenuItem*>(frmMain->FindComponent("About1"))->Click(); }, true},
      {"Test znalostí", [] { ChapterItems[59]->Click(); }, true},
      {"a chapter item", [] { ChapterItems[42]->Click(); }, false},
      {"Úmluva", [] { ChapterItems[1]->Click(); }, false},
  };
  for (const auto& c : cases) {
    ShowEnlargedPicture(folder, "p1a");
    Dispatch(c.act);
    EXPECT_EQ(frm_lupa->Visible(), !c.hides) << c.what;
  }
}

TEST_F(ShellTest, TheMenuTreeHoldsEveryChapterInItsSubmenu) {
  // Each submenu with its items in order: chapter rows by number, other items by name.
  const struct {
    const char* menu;
    const char* caption;
    std::vector<std::string> items;
  } tree[] = {
      {"Zalmira1",
       "Teorie",
       {"N1Cojetofunkce1", "N13Vlastnostifunkce1", "13", "N4Elementrnfunkce1", "31",
        "M51Kvantovani"}},
      {"N1Cojetofunkce1", "1. Úvod", {"2", "3", "4", "5", "6"}},
      {"N13Vlastnostifunkce1", "2. Vlastnosti funkcí", {"7", "8", "9", "10", "11", "12"}},
      {"N4Elementrnfunkce1",
       "4. Elementární funkce",
       {"14", "15", "16", "17", "18", "19", "M48Goniometricke", "27", "28", "29", "30"}},
      {"M48Goniometricke", "4.7  Goniometrické funkce", {"20", "21", "22", "23", "24", "25", "26"}},
      {"M60Sbirka", "Sbírka úloh", {"N1vod1", "N2Vlastnostifunkc1", "41", "N4Elementrnfunkce2"}},
      {"N1vod1", "1. Úvod", {"M612Cojetofunkce", "M613Definicefunkce", "32", "33", "34"}},
      {"N2Vlastnostifunkc1", "2. Vlastnosti funkcí", {"35", "36", "37", "38", "39", "40"}},
      {"N4Elementrnfunkce2",
       "4. Elementární funkce",
       {"42", "43", "44", "45", "46", "47", "M648Goniometricke", "55", "56", "57", "58"}},
      {"M648Goniometricke",
       "4.7  Goniometrické funkce",
       {"48", "49", "50", "51", "52", "53", "54"}},
      {"About1", "Program", {"60", "61", "62"}},
  };
  for (const auto& sub : tree) {
    auto* menu = static_cast<TMenuItem*>(frmMain->FindComponent(sub.menu));
    ASSERT_NE(menu, nullptr) << sub.menu;
    EXPECT_EQ(menu->Caption(), sub.caption) << sub.menu;
    std::vector<std::string> names;
    for (int i = 0; i < menu->Count(); ++i) names.push_back(menu->Items(i)->Name());
    std::vector<std::string> expected;
    for (const std::string& item : sub.items) {
      bool row = std::isdigit(static_cast<unsigned char>(item[0]));
      expected.push_back(row ? ChapterRowAt(std::stoi(item)).menuItem : item);
    }
    EXPECT_EQ(names, expected) << sub.menu;
  }
}

// A page whose own opening fails still opens with its tool bar and number.
class TfrmFailingPage : public TForm {
 public:
  explicit TfrmFailingPage(TComponent* owner) : TForm(owner) {}
  void Akce(TObject*) { StrToFloat("abc"); }
};

TEST_F(ShellTest, APageWhoseOpeningFailsIsOpenAsFarAsItGot) {
  RegisterFormClass(TFormClass::Of<TfrmFailingPage>("TfrmFceVDf", "frmFceVDf")
                        .Handler("Akce", &TfrmFailingPage::Akce));
  SetLayoutText("frmFceVDf", R"(
object frmFceVDf: TfrmFceVDf
  Color = clMoneyGreen
  FormStyle = fsMDIChild
  WindowState = wsMaximized
  Visible = True
  OnActivate = Akce
end
)");
  Open(5);
  RegisterFormClass(TfrmFceVDf::FormClass());
  SetLayoutText("frmFceVDf", "");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "'abc' is not a valid floating point value.");
  ASSERT_NE(frmMain->OpenPage(), nullptr);
  EXPECT_EQ(frmMain->PageNo(), 4);
  Buttons b = ToolbarNow();
  EXPECT_TRUE(b.back && b.repeat && b.pause && b.stepMode && b.next && b.collection) << "state D";
}

TEST_F(ShellTest, ExitAsksAndOnNoChangesNothing) {
  Open(14);
  TForm* page = frmMain->OpenPage();
  TTimer* timer = StepTimer.get();
  ASSERT_NE(timer, nullptr) << "4.1 publishes its timer";
  const bool running = timer->Enabled();
  answer = IDNO;
  frmMain->Konec1Click(nullptr);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Skutečně si přejete skončit?");
  EXPECT_EQ(boxes[0].caption, "Ukončení programu");
  EXPECT_EQ(boxes[0].flags, 36);
  EXPECT_EQ(frmMain->OpenPage(), page);
  EXPECT_EQ(StepTimer.get(), timer);
  EXPECT_EQ(timer->Enabled(), running);
  EXPECT_NE(frm_lupa, nullptr);
  EXPECT_TRUE(display.calls.empty());
  EXPECT_FALSE(Application->Terminated());
  // Closing the window otherwise (Alt+F4, the taskbar) asks the same.
  frmMain->Close();
  EXPECT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text, "Skutečně si přejete skončit?");
  EXPECT_TRUE(frmMain->Visible());
}

TEST_F(ShellTest, ExitRestoresTheDisplayModeAlsoWhenNoneWasChanged) {
  answer = IDYES;
  frmMain->Konec1Click(nullptr);
  EXPECT_EQ(display.calls, (std::vector<std::string>{"restore"}));
  EXPECT_TRUE(Application->Terminated());
}

TEST_F(ShellTest, ExitOnYesRestoresTheDisplayModeOnceAndEnds) {
  DEVMODEA mode{};
  mode.dmSize = sizeof mode;
  mode.dmPelsWidth = 800;
  mode.dmPelsHeight = 600;
  ChangeDisplaySettingsA(&mode, 0);  // as the resolution page does
  answer = IDYES;
  frmMain->Konec1Click(nullptr);
  EXPECT_EQ(display.calls, (std::vector<std::string>{"change 800x600", "restore"}));
  EXPECT_EQ(frmMain->OpenPage(), nullptr);
  EXPECT_EQ(frm_lupa, nullptr);
  EXPECT_TRUE(Application->Terminated());
}

// The exit as the user meets it, inside the running message loop: the menu item "Konec" (its
// action, as the menu bar triggers it) or the window manager's close, then the question.
class RunningExitTest : public ProgramTest {
 protected:
  // Message boxes answer in turn from `script`, then "Ne".
  void Answer(std::vector<int> script) {
    Application->SetMessageBoxHandler(
        [this, script, n = size_t{0}](const std::string& t, const std::string& c, int f) mutable {
          boxes.push_back({t, c, f});
          return n < script.size() ? script[n++] : IDNO;
        });
  }

  // Runs the message loop with `request` as its first event and `then` as the next one; true
  // when the loop ended by itself.
  bool RunLoop(const std::function<void()>& request, const std::function<void()>& then) {
    bool stuck = false;
    QTimer::singleShot(0, [&] { Dispatch(request); });
    QTimer::singleShot(0, [&] {
      if (then) then();
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
      stuck = true;
      QCoreApplication::exit(1);
    });
    watchdog.start(3000);
    Application->Run();
    return !stuck;
  }

  static void ChooseKonec() {
    dynamic_cast<TMenuItem*>(frmMain->FindComponent("Konec1"))->Action()->trigger();
  }
  static void CloseTheWindow() { frmMain->Widget()->close(); }

  // "Ano": the loop ends at once, after one question and one restore of the display mode.
  void ExpectYesEnds(void (*request)()) {
    Open(14);
    boxes.clear();
    Answer({IDYES});  // should the question come again, "Ne" keeps the program
    EXPECT_TRUE(RunLoop(request, nullptr)) << "the loop ends";
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_EQ(display.calls, (std::vector<std::string>{"restore"}));
    EXPECT_EQ(frmMain->OpenPage(), nullptr);
    EXPECT_EQ(frm_lupa, nullptr);
    EXPECT_TRUE(Application->Terminated());
  }

  // "Ne": the loop goes on with the page and the magnifier as they were.
  void ExpectNoKeeps(void (*request)()) {
    Open(14);
    TForm* page = frmMain->OpenPage();
    boxes.clear();
    Answer({IDNO});
    bool running = false;
    const bool ended = RunLoop(request, [&] {
      running = true;
      EXPECT_EQ(frmMain->OpenPage(), page);
      EXPECT_NE(frm_lupa, nullptr);
      EXPECT_TRUE(frmMain->Visible());
      Application->Terminate();  // the test's own end of the loop
    });
    EXPECT_TRUE(ended);
    EXPECT_TRUE(running);
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(display.calls.empty());
  }
};

TEST_F(RunningExitTest, KonecAnsweredYesEndsTheLoop) {
  ExpectYesEnds(&ChooseKonec);
}
TEST_F(RunningExitTest, WindowCloseAnsweredYesEndsTheLoop) {
  ExpectYesEnds(&CloseTheWindow);
}
TEST_F(RunningExitTest, KonecAnsweredNoKeepsTheProgram) {
  ExpectNoKeeps(&ChooseKonec);
}
TEST_F(RunningExitTest, WindowCloseAnsweredNoKeepsTheProgram) {
  ExpectNoKeeps(&CloseTheWindow);
}

}  // namespace
