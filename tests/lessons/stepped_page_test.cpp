// The stepped presentation's pieces: scripts, delays, the standard tick, the solution halt and
// sheets, on a small page of labels opened through the chapter table, on the virtual clock.
#include <gmock/gmock.h>

#include "lessons/stepped_page.h"
#include "lessons/unit_frmFceDef.h"
#include "platform/stdctrls.h"
#include "platform/sysutils.h"
#include "tests/shell/program_fixture.h"

namespace {

// 0 def · 1 graf1 · 2 graf2 · 3 waits (graf1 again) · 4 silent · 5 res1, res2
const StepScript kScript(6, "0 def · 1 graf1 · 2 graf2 · 3 W graf1 · 5 res1 res2");
const DelayTable kDelays{2000, {{0, 5000}}};

std::vector<std::int64_t> ticks;
int openings = 0;
bool startFails = false;  // the work after the timer started raises a file error
VirtualClock* pageClock = nullptr;

// A page of the pattern: its tables, the standard tick, the solution button.
SteppedPage<> kroky({
    .script = kScript,
    .delays = kDelays,
    .solutionButton = "btnRes",
    .open = [](SteppedPage<>&) { ++openings; },
    .started =
        [](SteppedPage<>& p) {
          if (startFails) throw EFOpenError("Cannot open file \"chybi.jpg\".");
          p.C("graf2").Show();
        },
    .tick =
        [](SteppedPage<>& p) {
          p.StandardTick();
          ticks.push_back(pageClock->NowMs());
        },
});
// The fixture page's module state, kept as a page keeps it.
std::vector<Tzaznam>& records = kroky.records;
PresentationState& state = kroky.state;

class TfrmKroky : public TForm {
 public:
  explicit TfrmKroky(TComponent* owner) : TForm(owner) {}
  TField<TBitBtn> btnRes{this, "btnRes"};
};

const char* const kLayout = R"(object frmFceDef: TfrmFceDef
  Caption = 'Kroky'
  Color = clMoneyGreen
  FormStyle = fsMDIChild
  BorderStyle = bsNone
  WindowState = wsMaximized
  Visible = True
  OnActivate = Akce
  object def: TLabel
    Visible = False
    Caption = 'definice'
  end
  object graf1: TLabel
    Visible = False
    Caption = 'graf 1'
  end
  object graf2: TLabel
    Visible = False
    Caption = 'graf 2'
  end
  object res1: TLabel
    Visible = False
    Caption = 'řešení 1'
  end
  object res2: TLabel
    Visible = False
    Caption = 'řešení 2'
  end
  object btnRes: TBitBtn
    Visible = False
    Caption = 'řešení'
    OnClick = Reseni
  end
end
)";

// The fixture page stands in for page 1.2 (row 3, a page that keeps step mode on).
class SteppedTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    ticks.clear();
    openings = 0;
    startFails = false;
    pageClock = &clock;
    RegisterFormClass(kroky.FormClass<TfrmKroky>("TfrmFceDef", nullptr));
    SetLayoutText("frmFceDef", kLayout);
  }
  void TearDown() override {
    ProgramTest::TearDown();
    RegisterFormClass(TfrmFceDef::FormClass());
    SetLayoutText("frmFceDef", "");
  }
  void OpenPage() {
    Open(3);
    page = static_cast<TfrmKroky*>(frmMain->OpenPage());
    opened = clock.NowMs();
  }
  bool Shown(const char* n) { return static_cast<TControl*>(page->FindComponent(n))->Visible(); }
  bool Running() { return StepTimer && StepTimer->Enabled(); }
  // The times of the ticks since the page opened.
  std::vector<std::int64_t> Ticks() {
    std::vector<std::int64_t> out;
    for (auto t : ticks) out.push_back(t - opened);
    return out;
  }
  void ToggleStepMode() { frmMain->btnKrokujClick(nullptr); }
  void Step() {
    frmMain->btnKrokClick(nullptr);
    clock.Advance(100);
  }
  // Runs the page to its halt at step 3, on its delays or one btnKrok a step.
  void DriveToHalt() {
    if (StepMode) {
      clock.Advance(1000);
      for (int i = 0; i < 3; ++i) Step();
    } else {
      clock.Advance(10000);
    }
    ASSERT_TRUE(Shown("btnRes"));
    ASSERT_FALSE(Running());
    ASSERT_EQ(state.RevealStep, 4);
  }

  TfrmKroky* page = nullptr;
  std::int64_t opened = 0;
};

TEST_F(SteppedTest, StepsOnTheirDelaysHaltForTheSolutionAndEnd) {
  EXPECT_EQ(kScript.Names(), (std::vector<std::string>{"def", "graf1", "graf2", "res1", "res2"}));
  OpenPage();
  clock.Advance(1000);
  EXPECT_TRUE(Shown("def"));
  clock.Advance(5000);  // the pause after step 0 differs
  EXPECT_TRUE(Shown("graf1"));
  clock.Advance(4000);  // steps 2 and 3: the halt
  EXPECT_TRUE(Shown("btnRes"));
  EXPECT_FALSE(StepTimer->Enabled());
  clock.Advance(60000);
  EXPECT_EQ(state.RevealStep, 4);
  page->btnRes->Click();
  clock.Advance(2000);  // the silent step 4 hides the button again
  EXPECT_FALSE(Shown("btnRes"));
  clock.Advance(2000);
  EXPECT_TRUE(Shown("res1"));
  EXPECT_TRUE(Shown("res2"));
  clock.Advance(2000);  // past the end: the timer stops
  EXPECT_FALSE(StepTimer->Enabled());
  EXPECT_EQ(Ticks(), (std::vector<std::int64_t>{1000, 6000, 8000, 10000, 72000, 74000, 76000}));
}

TEST_F(SteppedTest, StepModeHaltsEveryStepUntilTheSolutionWasAskedFor) {
  Open(4);  // a page of state D lets step mode on
  ToggleStepMode();
  OpenPage();
  Step();
  EXPECT_TRUE(Shown("def"));
  EXPECT_FALSE(StepTimer->Enabled());
  EXPECT_TRUE(frmMain->btnKrok->Enabled());
  for (int i = 0; i < 3; ++i) Step();
  EXPECT_TRUE(Shown("btnRes")) << "at the halt";
  page->btnRes->Click();  // from now on the page runs on its delays in step mode too
  clock.Advance(100000);
  EXPECT_TRUE(Shown("res1"));
  EXPECT_TRUE(StepMode);
}

TEST_F(SteppedTest, OpenedInStepModeTheFirstStepComesAfterTheFirstIntervalThenEachPress) {
  ToggleStepMode();
  OpenPage();
  EXPECT_TRUE(StepMode) << "page 1.2 keeps step mode";
  EXPECT_FALSE(frmMain->btnPozast->Enabled());
  clock.Advance(999);
  EXPECT_FALSE(Shown("def"));
  clock.Advance(1);
  EXPECT_TRUE(Shown("def"));
  EXPECT_FALSE(Running());
  EXPECT_TRUE(frmMain->btnKrok->Enabled());
  clock.Advance(30000);
  EXPECT_FALSE(Shown("graf1")) << "waits for the user";
  frmMain->btnKrokClick(nullptr);
  clock.Advance(99);
  EXPECT_FALSE(Shown("graf1"));
  clock.Advance(1);
  EXPECT_TRUE(Shown("graf1"));
  EXPECT_EQ(Ticks(), (std::vector<std::int64_t>{1000, 31100}));
}

// The halt is passed by the solution button, the pause button or one step; the silent step 4
// comes first and hides btnRes, the solutions (step 5) after it.
TEST_F(SteppedTest, TheHaltIsPassedBySolutionPauseOrOneStep) {
  enum class Pass { Reseni, Pauza, Krok };
  const struct Case {
    const char* name;
    bool stepMode;
    Pass pass;
    std::int64_t silentAfter;    // step 4, after the press
    std::int64_t solutionAfter;  // step 5, after the press; 0: waits for another btnKrok
  } cases[] = {
      {"btnRes", false, Pass::Reseni, 2000, 4000},
      {"btnRes in step mode", true, Pass::Reseni, 100, 2100},  // the interval of the last press
      {"pause", false, Pass::Pauza, 100, 2100},
      {"one step", true, Pass::Krok, 100, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (StepMode != c.stepMode) ToggleStepMode();
    OpenPage();
    DriveToHalt();
    const std::int64_t pressed = clock.NowMs() - opened;
    switch (c.pass) {
      case Pass::Reseni:
        page->btnRes->Click();
        break;
      case Pass::Pauza:
        frmMain->Pauza(nullptr);
        break;
      case Pass::Krok:
        frmMain->btnKrokClick(nullptr);
        break;
    }
    clock.Advance(c.silentAfter - 1);
    EXPECT_TRUE(Shown("btnRes"));
    clock.Advance(1);
    EXPECT_FALSE(Shown("btnRes"));
    EXPECT_EQ(Ticks().back(), pressed + c.silentAfter);
    if (c.solutionAfter) {
      clock.Advance(c.solutionAfter - c.silentAfter);
      EXPECT_TRUE(Shown("res1"));
      EXPECT_EQ(Ticks().back(), pressed + c.solutionAfter);
      clock.Advance(10000);
      EXPECT_FALSE(Running()) << "the end stops the timer";
    } else {
      EXPECT_FALSE(Running()) << "step mode halts again";
      EXPECT_TRUE(frmMain->btnKrok->Enabled());
      clock.Advance(10000);
      EXPECT_FALSE(Shown("res1"));
      Step();
      EXPECT_TRUE(Shown("res1"));
    }
    EXPECT_EQ(StepMode, c.stepMode);
  }
}

// A tick that shows another record than its step's: the step stays, and its pause and step
// mode hold as for the step itself.
TEST_F(SteppedTest, ARecordShownOutOfTurnKeepsItsStepAndObeysStepMode) {
  for (bool stepMode : {false, true}) {
    SCOPED_TRACE(stepMode ? "step mode" : "running");
    if (StepMode != stepMode) ToggleStepMode();
    OpenPage();
    clock.Advance(1000);  // step 0 shown, its pause 5000 ms
    ASSERT_EQ(state.RevealStep, 1);
    if (stepMode) frmMain->btnKrokClick(nullptr);  // the next tick is due in 100 ms
    ASSERT_TRUE(Running());
    Tzaznam extra;
    extra.Control1 = static_cast<TControl*>(page->FindComponent("res1"));
    Dispatch([&] { kroky.RevealTick(extra); });
    EXPECT_TRUE(Shown("res1"));
    EXPECT_FALSE(Shown("graf1"));
    EXPECT_EQ(state.RevealStep, 1);
    EXPECT_EQ(Running(), !stepMode);
    if (!stepMode) {
      EXPECT_EQ(StepTimer->Interval(), 2000) << "the pause after step 1";
    }
  }
}

TEST_F(SteppedTest, ARestartAfterTheEndShowsNothingAndStopsAgain) {
  OpenPage();
  DriveToHalt();
  page->btnRes->Click();
  clock.Advance(10000);
  ASSERT_TRUE(Shown("res2"));
  ASSERT_FALSE(Running());
  const size_t before = ticks.size();
  const struct {
    const char* name;
    void (TfrmMain::*press)(TObject*);
  } restarts[] = {{"pause", &TfrmMain::Pauza}, {"one step", &TfrmMain::btnKrokClick}};
  for (const auto& r : restarts) {
    SCOPED_TRACE(r.name);
    (frmMain->*r.press)(nullptr);
    ASSERT_TRUE(Running());
    clock.Advance(100);
    EXPECT_FALSE(Running());
    EXPECT_FALSE(Shown("btnRes"));
    EXPECT_EQ(state.RevealStep, 6);
  }
  EXPECT_EQ(ticks.size(), before + 2);
}

TEST_F(SteppedTest, WorkAfterTheTimerStartedMayFailWithoutStoppingThePresentation) {
  for (bool fails : {false, true}) {
    SCOPED_TRACE(fails ? "failing" : "succeeding");
    startFails = fails;
    boxes.clear();
    OpenPage();
    EXPECT_EQ(Shown("graf2"), !fails) << "the rest of the failed work is skipped";
    ASSERT_EQ(boxes.size(), fails ? 1u : 0u);
    if (fails) {
      EXPECT_EQ(boxes[0].text, "Cannot open file \"chybi.jpg\".");
    }
    EXPECT_TRUE(Running());
    clock.Advance(1000);
    EXPECT_TRUE(Shown("def")) << "the first step on time";
  }
}

TEST_F(SteppedTest, ActivatingThePageAgainStartsNoSecondPresentation) {
  OpenPage();
  clock.Advance(1500);
  ASSERT_TRUE(Shown("def"));
  TTimer* timer = StepTimer.get();
  page->Activate();
  page->Activate();
  EXPECT_EQ(openings, 1);
  EXPECT_EQ(StepTimer.get(), timer);
  int timers = 0;
  for (int i = 0; i < page->ComponentCount(); ++i) {
    if (dynamic_cast<TTimer*>(page->Components(i))) ++timers;
  }
  EXPECT_EQ(timers, 1);
  EXPECT_EQ(state.RevealStep, 1);
  clock.Advance(4500);
  EXPECT_EQ(Ticks(), (std::vector<std::int64_t>{1000, 6000})) << "on the first instance's delays";
}

TEST_F(SteppedTest, ReopeningStartsAfresh) {
  ToggleStepMode();
  OpenPage();
  DriveToHalt();
  page->btnRes->Click();
  clock.Advance(2000);
  ASSERT_TRUE(state.SolutionRequested);
  TRef<TTimer> oldTimer(StepTimer.get());
  frmMain->Zopakuj(nullptr);
  page = static_cast<TfrmKroky*>(frmMain->OpenPage());
  opened = clock.NowMs();
  EXPECT_FALSE(static_cast<bool>(oldTimer)) << "the old timer died with its page";
  EXPECT_EQ(openings, 2);
  EXPECT_EQ(state.RevealStep, 0);
  EXPECT_FALSE(state.SolutionRequested);
  for (const char* n : {"def", "graf1", "res1", "btnRes"}) EXPECT_FALSE(Shown(n)) << n;
  clock.Advance(1000);
  EXPECT_TRUE(Shown("def"));
  EXPECT_FALSE(Running()) << "step mode halts the new instance again";
}

TEST_F(SteppedTest, SheetsHideAndTurn) {
  OpenPage();
  records = kScript.Build<Tzaznam>(*page);
  for (auto& r : records) {
    for (TControl* c : {r.Control1, r.Control2, r.Control3}) {
      if (c) c->Show();
    }
  }
  HideRecords(records, 0, 2);
  EXPECT_FALSE(Shown("def"));
  EXPECT_FALSE(Shown("graf2"));
  EXPECT_TRUE(Shown("res1"));
  state = PresentationState{};
  TurnSheet(state, +1, {0, 3});
  EXPECT_EQ(state.CurrentSheet, 2);
  EXPECT_EQ(state.PreviousSheet, 1);
  EXPECT_EQ(state.RevealStep, 3);
  TurnSheet(state, -1, {0, 3});
  EXPECT_EQ(state.RevealStep, 0);
  EXPECT_EQ(state.PreviousSheet, 2);
  auto* back = new TSpeedButton(page);
  auto* next = new TSpeedButton(page);
  const struct {
    int sheet;
    bool back, next;
  } buttons[] = {{1, false, true}, {2, true, true}, {3, true, false}};
  for (const auto& b : buttons) {
    SetSheetButtons(back, next, b.sheet, 3);
    EXPECT_EQ(back->Enabled(), b.back) << b.sheet;
    EXPECT_EQ(next->Enabled(), b.next) << b.sheet;
  }
  EXPECT_FALSE(FirstOpening(*page)) << "the page has opened once already";
}

}  // namespace

namespace {

// A script text and the records it stands for: "index:control1,control2,control3[W]".
TEST(StepScriptText, StatesStepsRunsAndHaltsAsTheLessonsWriteThem) {
  auto records = [](const StepScript& s) {
    std::vector<std::string> out;
    for (const StepScript::Step& step : s.Steps()) {
      std::string r = std::to_string(step.index) + ":" + step.controls[0] + "," + step.controls[1] +
                      "," + step.controls[2];
      out.push_back(r + (step.waitForSolution ? "W" : ""));
    }
    return out;
  };
  const struct Case {
    int count;
    const char* text;
    std::vector<std::string> steps;
  } cases[] = {
      {3, "0 def01 text01 · 2 _ _ text02", {"0:def01,text01,", "2:,,text02"}},
      {6, "1-4 graf01-graf04", {"1:graf01,,", "2:graf02,,", "3:graf03,,", "4:graf04,,"}},
      {4, "0-3 graf01b-graf01e", {"0:graf01b,,", "1:graf01c,,", "2:graf01d,,", "3:graf01e,,"}},
      {3,
       "0-2 graf05_df1, graf05_df2, graf06_df1",
       {"0:graf05_df1,,", "1:graf05_df2,,", "2:graf06_df1,,"}},
      {12, "9-11 graf08-graf10", {"9:graf08,,", "10:graf09,,", "11:graf10,,"}},
      {3,
       "0-1 uk_graf01_x-uk_graf02_x | 2 W graf01",
       {"0:uk_graf01_x,,", "1:uk_graf02_x,,", "2:graf01,,W"}},
      {5, "0-3 a1 b1-b2 c1", {"0:a1,,", "1:b1,,", "2:b2,,", "3:c1,,"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(records(StepScript(c.count, c.text)), c.steps);
  }
  EXPECT_EQ(StepScript(30, "0 a · 1 b c · 2-3 d1-d2 · 20 W d1").Names(),
            (std::vector<std::string>{"a", "b", "c", "d1", "d2"}));
}

TEST(StepScriptText, RefusesScriptsThatDoNotAddUp) {
  const struct Case {
    int count;
    const char* text;
  } cases[] = {
      {5, "5 graf01"},             // outside the script
      {5, "1 a · 1 b"},            // a step twice
      {5, "0-1 a · 1 b"},          // a run over a given step
      {5, "0-3 graf01-graf03"},    // three names for four steps
      {5, "0 a b c d"},            // four controls in a record
      {5, "0-1 W graf01-graf02"},  // a run does not wait
      {5, "0-1 graf01-text02"},    // two ends of no run
      {5, "0-1 graf1a-graf2b"},    // differing in two places
      {5, "0-1 graf04-graf03"},    // backwards
      {5, "x graf01"},             // no index
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_ANY_THROW(StepScript(c.count, c.text));
  }
}

// A page whose code or tables name a control that its layout lacks is refused when the layout
// is read, with the layout and the control named: the layout checker fails the build on it.
class MissingControlTest : public PlatformFixture {};

class TfrmChybi : public TForm {
 public:
  explicit TfrmChybi(TComponent* owner) : TForm(owner) {}
};

SteppedPage<> chybi({.script = StepScript(3, "0 def · 1-2 graf1-graf2"),
                     .solutionButton = "btnRes"});

TEST_F(MissingControlTest, AStepScriptsControlThatTheLayoutLacks) {
  const TFormClass cls = chybi.FormClass<TfrmChybi>("TfrmChybi", nullptr);
  const char* layout = R"(object frmChybi: TfrmChybi
  object def: TLabel
  end
  object graf1: TLabel
  end
  object btnRes: TBitBtn
  end
end
)";
  try {
    Free(FormFromText(cls, layout));
    FAIL() << "the layout lacks graf2";
  } catch (const ELayoutError& e) {
    EXPECT_THAT(e.what(), ::testing::HasSubstr("fixture.lay"));
    EXPECT_THAT(e.what(), ::testing::HasSubstr("has no control graf2"));
  }
}

}  // namespace
