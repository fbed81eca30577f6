// Page 1.3  Graf funkce: its timeline on the virtual clock (what is visible, the timer, the
// tool bar), the waits at the end of sheets 1 and 2, the halt for the solution, sheet 3 coded
// in the tick, going back, step mode; and the stacks of its layout.
#include <cstdint>
#include <string>
#include <vector>

#include "lessons/unit_frmFceGraf.h"
#include "platform/extctrls.h"
#include "platform/stdctrls.h"
#include "tests/lessons/stepped_page_fixture.h"

namespace {

constexpr int kRow = 4;  // chapter row of page 3

// The sheet buttons and the one-step button at a moment.
struct Buttons {
  bool back, next, krok;
};

class GrafTest : public SteppedPageTest {
 protected:
  void OpenPage() {
    SteppedPageTest::OpenPage(kRow);
    ASSERT_EQ(OpenClass(), "frmFceGraf");
  }
  void ExpectButtons(const Buttons& b) {
    EXPECT_EQ(frmFceGraf->btnListZpet->Enabled(), b.back);
    EXPECT_EQ(frmFceGraf->btnListDalsi->Enabled(), b.next);
    EXPECT_EQ(frmMain->btnKrok->Enabled(), b.krok);
  }
  // Opens the page and plays it to the wait at the end of sheet 2 (solution asked for).
  void PlayToEndOfSheet2() {
    OpenPage();
    clock.Advance(34000);
    Press(frmFceGraf->btnListDalsi);
    clock.Advance(22000);
    Press(frmFceGraf->btnRes);
    clock.Advance(8000);
    ASSERT_TRUE(Shown("graf08c"));
    ASSERT_FALSE(StepTimer->Enabled());
  }
};

const std::vector<std::string> kSheet3 = {"obr3_1",  "obr3_2",  "imgtext3_4", "obr3_3", "obr3_4",
                                          "obr3_5",  "obr3_6",  "obr3_7",     "obr3_8", "obr3_9",
                                          "text3_6", "text3_7", "text3_8"};

TEST_F(GrafTest, Sheet1PlaysOnItsDelaysAndWaitsAtItsEnd) {
  OpenPage();
  std::vector<std::string> hiddenAtStart = {"def01", "deftext01", "pr01", "btnRes"};
  hiddenAtStart.insert(hiddenAtStart.end(), kSheet3.begin(), kSheet3.end());
  Play(
      {
          {0, {}, hiddenAtStart, true, 500},
          {499, {}, {"def01"}, true, 500},
          {500, {"def01", "deftext01"}, {"pr01", "img_text01"}, true, 4000},
          {4499, {}, {"pr01"}, true},
          {4500, {"pr01", "img_text01"}, {"tab01"}, true, 2000},
          {6500, {"tab01"}, {"img_text02"}, true, 2000},
          {8500, {"img_text02"}, {"img01"}, true, 1000},
          {9500, {"img01"}, {"img02"}, true, 1000},
          {15500, {"img07"}, {"imgtext01"}, true, 1000},
          {16500, {"imgtext01"}, {"img08"}, true, 4000},
          {20499, {}, {"img08"}, true},
          {20500, {"img08"}, {"img_text03"}, true, 1000},
          {21500, {"img_text03"}, {"tab2"}, true, 2000},
          {23500, {"tab2"}, {"imgtext02", "tab2b"}, true, 2000},
          {25500, {"imgtext02"}, {"graf_ukazka1"}, true, 1000},
          {28500, {"graf_ukazka1", "graf_ukazka2", "graf_ukazka3"}, {"imgtext03"}, true, 1000},
          {29500, {"imgtext03"}, {"tab2b"}, true, 2000},
          {31500, {"tab2b"}, {"graf_ukazka4"}, true, 2000},
          // the last step of sheet 1 stops the timer: the page waits for the student
          {33500, {"graf_ukazka4", "def01"}, {"text04", "btnRes"}, false},
          {120000, {"graf_ukazka4"}, {"text04", "graf01"}, false},
      },
      "sheet 1");
  ExpectButtons({false, true, false});
}

TEST_F(GrafTest, Sheet2AnswersFourCurvesAndHaltsForTheSolutionOfFourMore) {
  OpenPage();
  clock.Advance(40000);
  Press(frmFceGraf->btnListDalsi);
  const std::vector<std::string> sheet1 = {"img_text01", "tab01", "img_text02",   "img08",
                                           "imgtext01",  "tab2b", "graf_ukazka4", "imgtext03",
                                           "img_text03", "img01"};
  Play(
      {
          // at once, with the definition still on top
          {0, {"def01", "deftext01", "pr01", "text04"}, sheet1, true, 2000},
          {2000, {"graf01"}, {"graf02"}, true, 1000},
          {5000, {"graf02", "graf03", "graf04"}, {"text05"}, true, 1000},
          {6000, {"text05"}, {"graf01b"}, true, 2000},
          {8000, {"graf01b"}, {"graf01c"}, true, 1000},
          {15000, {"graf01c", "graf02c", "graf03c", "graf04c"}, {"text06"}, true, 1000},
          {16000, {"text06"}, {"graf05"}, true, 2000},
          {21000, {"graf05", "graf08"}, {"btnRes"}, true, 1000},
          // step 41 repeats graf05: the halt
          {22000, {"btnRes", "graf08"}, {"graf05b"}, false, 1000},
          {90000, {"btnRes"}, {"graf05b"}, false},
      },
      "sheet 2");
  ExpectButtons({true, true, false});
  Press(frmFceGraf->btnRes);
  Play(
      {
          {0, {"btnRes"}, {"graf05b"}, true, 1000},
          {1000, {"graf05b"}, {"btnRes", "graf05c"}, true, 1000},
          {7000, {"graf08b"}, {"graf08c"}, true, 1000},
          // the end of sheet 2: the page waits again
          {8000, {"graf08c", "def01"}, {"btnRes", "obr3_1"}, false},
          {60000, {"graf08c"}, {"obr3_1"}, false},
      },
      "solutions");
}

TEST_F(GrafTest, Sheet3IsCodedInTheTickWithItsLongPausesAndTicksOnAfterItsEnd) {
  PlayToEndOfSheet2();
  // A restart from the tool bar lets the next tick turn the sheet.
  PressTool(&TfrmMain::Pauza);
  std::vector<std::string> gone = {"def01",   "deftext01", "pr01",   "text04",
                                   "graf01c", "graf08c",   "text06", "btnRes"};
  Play(
      {
          {100, {}, gone, true, 3000},
          {3100, {"obr3_1"}, {"obr3_2"}, true, 3000},
          {6100, {"obr3_2"}, {"imgtext3_4"}, true, 4000},
          {10100, {"imgtext3_4"}, {"obr3_3"}, true, 12000},
          {22099, {}, {"obr3_3"}, true},
          {22100, {}, {"obr3_3"}, true, 3000},  // a silent step
          {25100, {"obr3_3", "obr3_4", "obr3_5", "obr3_6", "obr3_7"}, {"text3_6"}, true, 3000},
          {28100, {"text3_6"}, {"text3_7"}, true, 12000},
          {40099, {}, {"text3_7"}, true},
          {40100, {"text3_7"}, {"obr3_8", "obr3_9"}, true, 4000},
          {44100, {"obr3_8", "obr3_9"}, {"text3_8"}, true, 3000},
          {47100, kSheet3, gone, true, 3000},
          // after step 59 the timer ticks on without effect
          {200000, kSheet3, gone, true, 3000},
      },
      "sheet 3");
  ExpectButtons({true, false, false});
}

TEST_F(GrafTest, GoingBackReplaysTheSheetFromItsFirstStep) {
  PlayToEndOfSheet2();
  Press(frmFceGraf->btnListDalsi);
  clock.Advance(60000);
  ASSERT_TRUE(Shown("text3_8"));

  Press(frmFceGraf->btnListZpet);
  std::vector<std::string> gone = kSheet3;
  gone.insert(gone.end(), {"img08", "tab01", "graf01", "graf05c", "text05"});
  Play(
      {
          {0, {"def01", "deftext01", "pr01", "text04"}, gone, true, 2000},
          {2000, {"graf01"}, {"graf02"}, true, 1000},
      },
      "back to sheet 2");
  ExpectButtons({true, true, false});

  Press(frmFceGraf->btnListZpet);
  Play(
      {
          // the definition at once, the example 1 s later (not 4 s)
          {0, {"def01", "deftext01"}, {"pr01", "img_text01", "text04", "graf01"}, true, 1000},
          {1000, {"pr01", "img_text01"}, {"tab01"}, true, 2000},
      },
      "back to sheet 1");
  ExpectButtons({false, true, false});
}

TEST_F(GrafTest, StepModeHaltsEveryStepButTheSolutionsOfSheet2) {
  OpenPage();
  PressTool(&TfrmMain::btnKrokujClick);
  // Opened afresh while step mode is on: the first step after 500 ms, then a halt.
  Open(kRow);
  clock.Advance(500);
  EXPECT_TRUE(Shown("def01"));
  EXPECT_FALSE(StepTimer->Enabled());
  EXPECT_FALSE(frmMain->btnPozast->Enabled());
  ExpectButtons({false, true, true});
  clock.Advance(30000);
  EXPECT_FALSE(Shown("pr01"));

  const struct {
    int presses;
    const char* shown;
    const char* next;  // not yet shown
  } steps[] = {{1, "img_text01", "tab01"}, {1, "tab01", "img_text02"}, {10, "img08", "img_text03"}};
  for (const auto& s : steps) {
    for (int i = 0; i < s.presses; ++i) {
      PressTool(&TfrmMain::btnKrokClick);
      clock.Advance(100);
      EXPECT_FALSE(StepTimer->Enabled());
    }
    EXPECT_TRUE(Shown(s.shown)) << s.shown;
    EXPECT_FALSE(Shown(s.next)) << s.next;
  }

  Press(frmFceGraf->btnListDalsi);
  EXPECT_TRUE(Shown("text04"));
  EXPECT_FALSE(StepTimer->Enabled());
  for (int i = 0; i < 19; ++i) {  // steps 23 to 41
    PressTool(&TfrmMain::btnKrokClick);
    clock.Advance(100);
  }
  EXPECT_TRUE(Shown("btnRes"));
  EXPECT_FALSE(Shown("graf05b"));

  // The solution asked for: the rest of sheet 2 runs on its delays, step mode still on.
  Press(frmFceGraf->btnRes);
  Play(
      {
          {1000, {"graf05b"}, {"btnRes", "graf05c"}, true, 1000},
          {8000, {"graf08c"}, {"obr3_1"}, false},
      },
      "solutions in step mode");
  EXPECT_TRUE(StepMode);

  // Sheet 3 halts after every step again.
  PressTool(&TfrmMain::btnKrokClick);
  clock.Advance(100);
  EXPECT_FALSE(Shown("def01"));
  EXPECT_FALSE(StepTimer->Enabled());
  ExpectButtons({true, false, true});
  clock.Advance(20000);
  EXPECT_FALSE(Shown("obr3_1"));
  PressTool(&TfrmMain::btnKrokClick);
  clock.Advance(100);
  EXPECT_TRUE(Shown("obr3_1"));
  EXPECT_FALSE(StepTimer->Enabled());
}

TEST_F(GrafTest, TheHaltIsPassedAlsoWithoutTheSolutionButton) {
  const struct {
    const char* what;
    bool stepMode;
    void (TfrmMain::*press)(TObject*);
    bool runsOn;  // the solutions then follow by themselves
  } cases[] = {
      {"pause button", false, &TfrmMain::Pauza, true},
      {"one step", true, &TfrmMain::btnKrokClick, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    OpenPage();
    clock.Advance(34000);
    Press(frmFceGraf->btnListDalsi);
    if (c.stepMode) {
      PressTool(&TfrmMain::btnKrokujClick);
      for (int i = 0; i < 19; ++i) {
        PressTool(&TfrmMain::btnKrokClick);
        clock.Advance(100);
      }
    } else {
      clock.Advance(22000);
    }
    ASSERT_TRUE(Shown("btnRes"));
    ASSERT_FALSE(StepTimer->Enabled());
    PressTool(c.press);
    clock.Advance(99);
    EXPECT_FALSE(Shown("graf05b"));
    clock.Advance(1);
    EXPECT_TRUE(Shown("graf05b"));
    EXPECT_FALSE(Shown("btnRes"));
    EXPECT_EQ(StepTimer->Enabled(), c.runsOn);
    if (c.stepMode) PressTool(&TfrmMain::btnKrokujClick);
  }
}

TEST_F(GrafTest, OpensOncePerInstanceAndAfreshOnReopening) {
  OpenPage();
  clock.Advance(34000);
  Press(frmFceGraf->btnListDalsi);
  clock.Advance(3000);
  TTimer* timer = StepTimer.get();
  // Activated again (focus back from the magnifier): the form's OnActivate runs again, but there
  // is no second script, timer or presentation.
  Dispatch([&] { frmFceGraf->Activate(); });
  EXPECT_EQ(StepTimer.get(), timer);
  int timers = 0;
  for (int i = 0; i < frmFceGraf->ComponentCount(); ++i) {
    if (dynamic_cast<TTimer*>(frmFceGraf->Components(i))) ++timers;
  }
  EXPECT_EQ(timers, 1);
  // The presentation goes on where it was.
  Play(
      {
          {0, {"graf02"}, {"graf03", "img_text01"}, true, 1000},
          {1000, {"graf03", "pr01", "text04"}, {"graf04"}, true, 1000},
      },
      "activated again");

  // Opened again: sheet 1 from its start, with the first pause of 4 s.
  PressTool(&TfrmMain::Zopakuj);
  ASSERT_EQ(OpenClass(), "frmFceGraf");
  Play(
      {
          {0, {}, {"def01", "text04", "obr3_1"}, true, 500},
          {500, {"def01"}, {"pr01"}, true, 4000},
      },
      "reopened");
  ExpectButtons({false, true, false});
}

// Pictures that the script shows one after another at one place: each exactly the size of the
// place, opaque and above the one before, so the later covers the earlier whole.
TEST_F(GrafTest, StackedPicturesShareTheirPlaceAndFillIt) {
  OpenPage();
  std::vector<std::vector<std::string>> stacks = {
      {"img01", "img02", "img03", "img04", "img05", "img06", "img07", "img08"},
      {"tab2", "tab2b"},
      {"graf_ukazka1", "graf_ukazka2", "graf_ukazka3", "graf_ukazka4"}};
  for (int g = 1; g <= 8; ++g) {
    std::string n = "graf0" + std::to_string(g);
    stacks.push_back({n, n + "b", n + "c"});
  }
  // The stacking order of the widgets: a later sibling is drawn above an earlier one.
  auto level = [](TControl* c) {
    return c->Widget()->parentWidget()->children().indexOf(c->Widget());
  };
  for (const auto& stack : stacks) {
    TControl* first = C(stack.front());
    TControl* below = nullptr;
    for (const std::string& name : stack) {
      SCOPED_TRACE(name);
      auto* image = dynamic_cast<TImage*>(C(name));
      ASSERT_TRUE(image);
      EXPECT_EQ(image->Left(), first->Left());
      EXPECT_EQ(image->Top(), first->Top());
      EXPECT_EQ(image->Width(), first->Width());
      EXPECT_EQ(image->Height(), first->Height());
      EXPECT_EQ(image->Picture().Width(), image->Width());
      EXPECT_EQ(image->Picture().Height(), image->Height());
      EXPECT_FALSE(image->Transparent());
      EXPECT_FALSE(image->Picture().Image().hasAlphaChannel());
      if (below) {
        EXPECT_EQ(image->Widget()->parentWidget(), below->Widget()->parentWidget());
        EXPECT_GT(level(image), level(below)) << "above " << below->Name();
      }
      below = image;
    }
  }
}

// Every control of the page lies within the page's 800 x 545 pixels, every picture is opaque
// and has the size of its box.
TEST_F(GrafTest, EveryControlFitsThePageAndEveryPictureItsBox) {
  OpenPage();
  int pictures = 0;
  for (int i = 0; i < frmFceGraf->ControlCount(); ++i) {
    TControl* c = frmFceGraf->Controls(i);
    SCOPED_TRACE(c->Name());
    EXPECT_GE(c->Left(), 0);
    EXPECT_GE(c->Top(), 0);
    EXPECT_LE(c->Left() + c->Width(), 800);
    EXPECT_LE(c->Top() + c->Height(), 545);
    if (auto* image = dynamic_cast<TImage*>(c)) {
      ++pictures;
      EXPECT_EQ(image->Picture().Width(), image->Width());
      EXPECT_EQ(image->Picture().Height(), image->Height());
      EXPECT_FALSE(image->Picture().Image().hasAlphaChannel());
    }
  }
  EXPECT_EQ(pictures, 61);
}

// The texts that the page gives word for word.
TEST_F(GrafTest, KeepsItsGivenTexts) {
  OpenPage();
  auto* t36 = dynamic_cast<TMemo*>(C("text3_6"));
  auto* t37 = dynamic_cast<TMemo*>(C("text3_7"));
  auto* t38 = dynamic_cast<TMemo*>(C("text3_8"));
  ASSERT_TRUE(t36 && t37 && t38);
  ASSERT_EQ(t36->Lines().Count(), 6);
  EXPECT_EQ(t36->Lines()[0], "Je třeba zdůraznit, že graf často působí, jako by jeho část byla ");
  EXPECT_EQ(t36->Lines()[5], "dělalo stejné problémy jako počítači (viz Úmluva).");
  EXPECT_EQ(t37->Lines().Lines(),
            (std::vector<std::string>{"Když si vypočítáme několik bodů ",
                                      "v blízkosti svislé asymptoty, vidíme, ",
                                      "že se hodnoty prudce snižují:"}));
  EXPECT_EQ(t38->Lines().Lines(),
            (std::vector<std::string>{"Definovat přesně asymptotu s našimi znalostmi zatím "
                                      "nedokážeme. Přesto ji neopomineme, protože se s ní setkáme ",
                                      "i u některých elementárních funkcí."}));
  EXPECT_EQ(frmFceGraf->btnRes->Caption(), "řešení");
}

}  // namespace
