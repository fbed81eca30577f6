// Navigation along the chapter table, presentation control of a published step timer, hiding
// and showing the program.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>

#include <QMenu>

#include "lessons/unit_frmFceElemGonOblouk.h"
#include "lessons/unit_frmFceElemLin.h"
#include "lessons/unit_frmFceGraf.h"
#include "platform/jpeg.h"
#include "tests/shell/program_fixture.h"

namespace {

// A presentation page as the contract describes it: publishes a timer when activated, shows
// one step per tick, waits in step mode.
std::vector<std::int64_t> steps;
int activations = 0;
VirtualClock* presentationClock = nullptr;

class TfrmPresenter : public TForm {
 public:
  explicit TfrmPresenter(TComponent* owner) : TForm(owner) {}
  void Akce(TObject*) {
    ++activations;
    if (!opened_.exchange(true)) {
      PublishStepTimer(this, interval, TNotifyEvent(this, &TfrmPresenter::Tick, "Tick"));
    }
  }
  void Tick(TObject*) {
    steps.push_back(presentationClock->NowMs());
    if (!HaltForStepMode()) StepTimer->SetInterval(interval);
  }
  static inline int interval = 1000;

 private:
  std::atomic<bool> opened_{false};
};

TFormClass PresenterClass(const char* name, const char* layout) {
  return TFormClass::Of<TfrmPresenter>(name, layout).Handler("Akce", &TfrmPresenter::Akce);
}

std::string PresenterLayout(const char* name, const char* cls) {
  return std::string("object ") + name + ": " + cls + R"(
  Caption = 'Prezentace'
  Color = clMoneyGreen
  FormStyle = fsMDIChild
  BorderStyle = bsNone
  WindowState = wsMaximized
  Visible = True
  OnActivate = Akce
end
)";
}

class NavigationTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    steps.clear();
    activations = 0;
    presentationClock = &clock;
    TfrmPresenter::interval = 1000;
    // 1.3 (state D) and 4.1 (state F) become presentation pages of the fixture.
    RegisterFormClass(PresenterClass("TfrmFceGraf", "frmFceGraf"));
    SetLayoutText("frmFceGraf", PresenterLayout("frmFceGraf", "TfrmFceGraf"));
    RegisterFormClass(PresenterClass("TfrmFceElemLin", "frmFceElemLin"));
    SetLayoutText("frmFceElemLin", PresenterLayout("frmFceElemLin", "TfrmFceElemLin"));
    // 4.7 oblouková míra (state E): the pause button stays enabled in step mode.
    RegisterFormClass(PresenterClass("TfrmFceElemGonOblouk", "frmFceElemGonOblouk"));
    SetLayoutText("frmFceElemGonOblouk",
                  PresenterLayout("frmFceElemGonOblouk", "TfrmFceElemGonOblouk"));
  }
  void TearDown() override {
    ProgramTest::TearDown();
    RegisterFormClass(TfrmFceGraf::FormClass());
    RegisterFormClass(TfrmFceElemLin::FormClass());
    RegisterFormClass(TfrmFceElemGonOblouk::FormClass());
    SetLayoutText("frmFceGraf", "");
    SetLayoutText("frmFceElemLin", "");
    SetLayoutText("frmFceElemGonOblouk", "");
  }
  // A click of the user on a tool button (nothing happens when it is disabled).
  void Press(TToolButton* b) { QTest::mouseClick(b->Widget(), Qt::LeftButton); }
  // The restore of the minimised, hidden window from the taskbar.
  void RestoreFromTaskbar() {
    Dispatch([] { frmMain->WindowStateChangedBySystem(false); });
  }
  void ShowMagnifier() {
    QImage img(50, 40, QImage::Format_RGB32);
    img.fill(Qt::white);
    QFile f(dir.path() + "/a_big.jpg");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(EncodeJpeg(img, 80));
    f.close();
    ShowEnlargedPicture(dir.path().toStdString() + "/", "a");
  }
  QTemporaryDir dir;
};

TEST_F(NavigationTest, ButtonsMoveAlongTheChapterTable) {
  struct Case {
    int row;  // the page open before, by its row
    TToolButton* TfrmMain::*button;
    int page;  // the page open after
    bool hidesMagnifier;
    int pausePicture;  // btnPozast after, when it showed 3 before
  };
  const Case cases[] = {
      {4, &TfrmMain::btnSbirka, 31, true, 3},  {32, &TfrmMain::btnSbirka, 3, true, 3},
      {30, &TfrmMain::btnSbirka, 57, true, 3}, {58, &TfrmMain::btnSbirka, 29, true, 3},
      {30, &TfrmMain::btnDalsi, 30, true, 2},  {3, &TfrmMain::btnZpet, 1, true, 2},
      {15, &TfrmMain::btnZpet, 13, true, 2},   {42, &TfrmMain::btnDalsi, 42, true, 2},
      {14, &TfrmMain::btnZopak, 13, false, 2}, {59, &TfrmMain::btnZopak, 58, true, 2},
      {2, &TfrmMain::btnZpet, 1, false, 3},     // disabled on 1.1: nothing happens
      {31, &TfrmMain::btnDalsi, 30, false, 3},  // disabled on chapter 5
      {1, &TfrmMain::btnSbirka, 0, false, 3},   // disabled on the conventions page
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.row) + " -> " + std::to_string(c.page));
    Open(c.row);
    ShowMagnifier();
    TRef<TForm> before(frmMain->OpenPage());
    frmMain->btnPozast->SetImageIndex(3);
    Press(frmMain->*c.button);
    EXPECT_EQ(frmMain->PageNo(), c.page);
    EXPECT_EQ(frm_lupa->Visible(), !c.hidesMagnifier);
    EXPECT_EQ(frmMain->btnPozast->ImageIndex(), c.pausePicture);
    bool enabled = c.pausePicture == 2 || c.hidesMagnifier;
    EXPECT_EQ(static_cast<bool>(before), !enabled) << "a new instance exactly when the button ran";
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_F(NavigationTest, PausingTwiceResumesAHundredMillisecondsLater) {
  Open(4);
  clock.Advance(1000);
  ASSERT_EQ(steps, (std::vector<std::int64_t>{1000}));
  clock.Advance(500);
  Press(frmMain->btnPozast);
  EXPECT_TRUE(Paused);
  EXPECT_EQ(frmMain->btnPozast->ImageIndex(), 3);
  clock.Advance(3000);
  EXPECT_EQ(steps.size(), 1u) << "paused";
  Press(frmMain->btnPozast);
  EXPECT_FALSE(Paused);
  EXPECT_EQ(frmMain->btnPozast->ImageIndex(), 2);
  clock.Advance(100);
  EXPECT_EQ(steps, (std::vector<std::int64_t>{1000, 4600}));
  clock.Advance(1000);
  EXPECT_EQ(steps.back(), 5600) << "then on the page's own delays";
}

TEST_F(NavigationTest, StepModeStepsOnePressAtATime) {
  Open(4);
  clock.Advance(1000);
  Press(frmMain->btnPozast);  // paused at 1000
  Press(frmMain->btnKrokuj);  // step mode from the pause
  EXPECT_TRUE(StepMode);
  EXPECT_FALSE(Paused);
  EXPECT_EQ(frmMain->btnPozast->ImageIndex(), 2);
  EXPECT_FALSE(frmMain->btnPozast->Enabled());
  EXPECT_TRUE(frmMain->btnKrokuj->Down());
  EXPECT_TRUE(frmMain->btnKrok->Enabled());
  EXPECT_EQ(frmMain->btnKrok->ImageIndex(), 10);
  EXPECT_FALSE(StepTimer->Enabled());
  clock.Advance(5000);
  EXPECT_EQ(steps.size(), 1u);
  Press(frmMain->btnKrok);  // at 6000: one step 100 ms later, then it waits
  clock.Advance(5000);
  EXPECT_EQ(steps, (std::vector<std::int64_t>{1000, 6100}));
  EXPECT_TRUE(frmMain->btnKrok->Enabled());
  Press(frmMain->btnKrokuj);  // at 11000: leaving starts the timer with its interval unchanged
  EXPECT_FALSE(StepMode);
  EXPECT_TRUE(frmMain->btnPozast->Enabled());
  EXPECT_FALSE(frmMain->btnKrokuj->Down());
  EXPECT_FALSE(frmMain->btnKrok->Enabled());
  EXPECT_EQ(frmMain->btnKrok->ImageIndex(), 9);
  clock.Advance(1100);
  EXPECT_EQ(steps, (std::vector<std::int64_t>{1000, 6100, 11100, 12100}));
}

TEST_F(NavigationTest, WithoutAStepTimerOnlyTheButtonsChange) {
  ASSERT_FALSE(StepTimer);  // the title page publishes none
  frmMain->btnPozast->SetImageIndex(2);
  frmMain->Pauza(nullptr);
  EXPECT_EQ(frmMain->btnPozast->ImageIndex(), 2);
  EXPECT_FALSE(Paused);
  frmMain->btnKrokujClick(nullptr);
  EXPECT_TRUE(StepMode);
  EXPECT_TRUE(frmMain->btnKrok->Enabled());
  frmMain->btnKrokClick(nullptr);
  frmMain->btnKrokujClick(nullptr);
  EXPECT_FALSE(StepMode);
  EXPECT_EQ(frmMain->btnKrok->ImageIndex(), 9);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(NavigationTest, HidingPausesARunningPresentationAndResumesAPausedOne) {
  Open(4);
  ShowMagnifier();
  ExerciseTabIndex[5] = 2;
  frmMain->Schovat1Click(nullptr);
  EXPECT_TRUE(Paused) << "running: paused";
  EXPECT_EQ(frmMain->btnPozast->ImageIndex(), 3);
  EXPECT_FALSE(frmMain->Visible());
  EXPECT_EQ(frmMain->WindowState(), TWindowState::wsMinimized);
  EXPECT_FALSE(frmMain->Schovat1->Visible());
  EXPECT_FALSE(frm_lupa->Visible()) << "the magnifier goes down with the window";
  RestoreFromTaskbar();
  EXPECT_TRUE(frmMain->Visible());
  EXPECT_EQ(frmMain->WindowState(), TWindowState::wsMaximized);
  EXPECT_TRUE(frmMain->Schovat1->Visible());
  EXPECT_TRUE(frm_lupa->Visible()) << "and comes back with it";
  EXPECT_EQ(ExerciseTabIndex[5], 0);
  EXPECT_FALSE(StepTimer->Enabled()) << "still paused";
  frmMain->Schovat1Click(nullptr);  // hiding while paused resumes
  EXPECT_FALSE(Paused);
  EXPECT_TRUE(StepTimer->Enabled());
  clock.Advance(100);
  EXPECT_EQ(steps.size(), 1u) << "it goes on while hidden";
}

TEST_F(NavigationTest, HidingStopsATimerThatThePauseButtonCannotReachAndShowingRestartsIt) {
  TfrmPresenter::interval = 10;
  Open(14);  // 4.1: pause disabled, published timer running
  ASSERT_FALSE(frmMain->btnPozast->Enabled());
  clock.Advance(30);
  frmMain->Schovat1Click(nullptr);
  EXPECT_TRUE(WasRunningAtHide);
  EXPECT_FALSE(StepTimer->Enabled());
  size_t before = steps.size();
  clock.Advance(1000);
  EXPECT_EQ(steps.size(), before);
  RestoreFromTaskbar();
  EXPECT_TRUE(StepTimer->Enabled());
  clock.Advance(10);
  EXPECT_EQ(steps.size(), before + 1);
}

TEST_F(NavigationTest, HidingWithoutATimerRemembersNothingAndOnlyARealShowCounts) {
  WasRunningAtHide = true;
  frmMain->Schovat1Click(nullptr);
  EXPECT_FALSE(WasRunningAtHide);
  RestoreFromTaskbar();
  EXPECT_TRUE(frmMain->Visible());
  ExerciseTabIndex[7] = 3;
  // A restore of a window that is showing, its window shown again by the window system and
  // focus changes are no "shown again".
  RestoreFromTaskbar();
  frmMain->Widget()->hide();
  frmMain->Widget()->show();
  QApplication::processEvents();
  EXPECT_EQ(ExerciseTabIndex[7], 3);
}

TEST_F(NavigationTest, HidingTheMagnifierWhileItIsActiveActivatesThePage) {
  Open(4);
  ASSERT_EQ(activations, 1);
  ShowMagnifier();
  Application->FormActivated(frm_lupa);  // the window system activates the magnifier
  HideEnlargedPicture();
  EXPECT_EQ(activations, 2) << "the focus came back into the page";
  EXPECT_EQ(Application->LastActiveForm(), frmMain);
  ShowMagnifier();
  Application->FormActivated(frm_lupa);
  frm_lupa->Close();  // its close box
  EXPECT_EQ(activations, 3);
}

TEST_F(NavigationTest, WindowActivationEventsReachTheActivationRule) {
  Open(4);
  ShowMagnifier();
  auto activate = [](TForm* form) {
    QEvent e(QEvent::WindowActivate);
    QApplication::sendEvent(form->Widget(), &e);
  };
  activate(frm_lupa);
  EXPECT_EQ(Application->LastActiveForm(), frm_lupa);
  activate(frmMain);
  EXPECT_EQ(activations, 2) << "back from the magnifier";
  activate(frmMain);
  EXPECT_EQ(activations, 2) << "the same window again";
}

TEST_F(NavigationTest, TheMagnifierComesBackAfterHidingWithoutTakingTheFocus) {
  Open(4);
  ShowMagnifier();
  Application->FormActivated(frm_lupa);
  Application->FormActivated(frmMain);  // the user opens the menu "Schovat" is in
  ASSERT_EQ(activations, 2);
  frmMain->Schovat1Click(nullptr);
  QApplication::processEvents();
  RestoreFromTaskbar();
  QApplication::processEvents();
  EXPECT_TRUE(frm_lupa->Visible());
  Application->FormActivated(frmMain);  // the user clicks into the page
  EXPECT_EQ(activations, 2) << "no return from the magnifier: the page is not activated again";
}

TEST_F(NavigationTest, OnTheRadianPageThePauseButtonStepsInStepMode) {
  Open(4);
  Press(frmMain->btnKrokuj);
  Open(20);  // state E keeps step mode on and the pause button enabled
  EXPECT_TRUE(StepMode);
  EXPECT_TRUE(frmMain->btnPozast->Enabled());
  clock.Advance(5000);
  ASSERT_EQ(steps, (std::vector<std::int64_t>{1000})) << "the first step, then it waits";
  Press(frmMain->btnPozast);  // the page waits for a step: the next comes 100 ms later
  clock.Advance(100);
  EXPECT_EQ(steps, (std::vector<std::int64_t>{1000, 5100}));
  clock.Advance(5000);
  EXPECT_EQ(steps.size(), 2u) << "and waits again";
}

TEST_F(NavigationTest, OpeningASubmenuOfTheMenuBarHidesTheMagnifier) {
  for (const char* item : {"Zalmira1", "M60Sbirka", "About1"}) {
    ShowMagnifier();
    QMenu* submenu = static_cast<TMenuItem*>(frmMain->FindComponent(item))->Action()->menu();
    ASSERT_NE(submenu, nullptr) << item;
    emit submenu->aboutToShow();
    EXPECT_FALSE(frm_lupa->Visible()) << item;
  }
}

}  // namespace
