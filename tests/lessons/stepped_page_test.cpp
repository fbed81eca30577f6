// The stepped presentation's pieces: scripts, delays, the standard tick, the solution halt and
// sheets, on a small page of labels and the virtual clock.
#include "lessons/stepped_page.h"
#include "platform/stdctrls.h"
#include "tests/shell/program_fixture.h"

namespace {

class SteppedTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    page = new TForm(frmMain);
    for (const char* n : {"def", "graf1", "graf2", "res1", "res2", "btnRes"}) {
      auto* l = new TLabel(page);
      l->SetName(n);
      l->SetVisible(false);
    }
    btnRes = static_cast<TControl*>(page->FindComponent("btnRes"));
  }
  void TearDown() override {
    Free(page);
    ProgramTest::TearDown();
  }
  bool Shown(const char* n) { return static_cast<TControl*>(page->FindComponent(n))->Visible(); }
  void Start(const StepScript& script) {
    records = script.Build<Tzaznam>(*page);
    state = PresentationState{};
    PublishStepTimer(page, 1000, TNotifyEvent([this](TObject*) {
                       StandardTick(records, state, delays, btnRes);
                       ticks.push_back(clock.NowMs());
                     }));
  }

  TForm* page = nullptr;
  TControl* btnRes = nullptr;
  std::vector<Tzaznam> records;
  PresentationState state;
  DelayTable delays{2000, {{0, 5000}}};
  std::vector<std::int64_t> ticks;
};

// 0 def · 1 graf1 · 2 graf2 · 3 waits (graf1 again) · 4 silent · 5 res1, res2
const StepScript kScript(6, {{0, "def"},
                             {1, "graf1"},
                             {2, "graf2"},
                             {3, "graf1", nullptr, nullptr, true},
                             {5, "res1", "res2"}});

TEST_F(SteppedTest, StepsOnTheirDelaysHaltForTheSolutionAndEnd) {
  EXPECT_EQ(kScript.Names(), (std::vector<std::string>{"def", "graf1", "graf2", "res1", "res2"}));
  Start(kScript);
  clock.Advance(1000);
  EXPECT_TRUE(Shown("def"));
  clock.Advance(5000);  // the pause after step 0 differs
  EXPECT_TRUE(Shown("graf1"));
  clock.Advance(4000);  // steps 2 and 3: the halt
  EXPECT_TRUE(Shown("btnRes"));
  EXPECT_FALSE(StepTimer->Enabled());
  clock.Advance(60000);
  EXPECT_EQ(state.RevealStep, 4);
  RequestSolution(state);
  clock.Advance(2000);  // the silent step 4 hides the button again
  EXPECT_FALSE(Shown("btnRes"));
  clock.Advance(2000);
  EXPECT_TRUE(Shown("res1"));
  EXPECT_TRUE(Shown("res2"));
  clock.Advance(2000);  // past the end: the timer stops
  EXPECT_FALSE(StepTimer->Enabled());
  EXPECT_EQ(ticks, (std::vector<std::int64_t>{1000, 6000, 8000, 10000, 72000, 74000, 76000}));
}

TEST_F(SteppedTest, StepModeHaltsEveryStepUntilTheSolutionWasAskedFor) {
  Open(4);  // a page of state D lets step mode on
  frmMain->btnKrokujClick(nullptr);
  Start(kScript);
  frmMain->btnKrokClick(nullptr);
  clock.Advance(100);
  EXPECT_TRUE(Shown("def"));
  EXPECT_FALSE(StepTimer->Enabled());
  EXPECT_TRUE(frmMain->btnKrok->Enabled());
  for (int i = 0; i < 3; ++i) {
    frmMain->btnKrokClick(nullptr);
    clock.Advance(100);
  }
  EXPECT_TRUE(Shown("btnRes")) << "at the halt";
  RequestSolution(state);  // from now on the page runs on its delays in step mode too
  clock.Advance(100000);
  EXPECT_TRUE(Shown("res1"));
  EXPECT_TRUE(StepMode);
}

TEST_F(SteppedTest, SheetsHideAndTurn) {
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
  OpeningGuard guard;
  EXPECT_TRUE(guard.First());
  EXPECT_FALSE(guard.First());
}

}  // namespace
