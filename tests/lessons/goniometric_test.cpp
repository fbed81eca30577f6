// The four goniometric pages of 4.7: the introduction by the unit circle with and without step
// mode, the end that takes the tool bar out of step mode, the switch to the live graph, and the
// live graph's expressions, clamps, colours and warnings.
#include "lessons/goniometric_page.h"
#include "tests/lessons/live_page_fixture.h"
#include "tests/lessons/stepped_page_fixture.h"

namespace {

struct Twin {
  int row;
  const char* name;
  int stages;      // graf01 to graf0N
  int buttonAtMs;  // "práce s grafem" after opening, without step mode
  const char* start;
};

const Twin kTwins[] = {
    {22, "sinus", 5, 10000, "1*sin(1*x+0*3,14159)+0"},  // one silent step after the last stage
    {23, "kosinus", 7, 11000, "1*cos(1*x+0*3,1415926535897932384626433832795)+0"},
    {24, "tangens", 5, 9000, "1*tg(1*x+0*3,14159)+0"},
    {25, "kotangens", 7, 11000, "1*cotg(1*x+0*3,14159)+0"},
};

std::string Stage(int k) {
  return "graf0" + std::to_string(k);
}

// What the page shows, one control a step: the frame, img01, the first stage, the label above
// the stages, the other stages.
std::vector<std::string> Reveals(const Twin& t) {
  std::vector<std::string> names = {"obdelnik", "img01", "graf01", "text01"};
  for (int k = 2; k <= t.stages; ++k) names.push_back(Stage(k));
  return names;
}

const std::vector<std::string> kLiveControls = {
    "t1",         "t2",      "t3",         "pi",      "hodnota_A1", "sipky_A",
    "hodnota_B1", "sipky_B", "hodnota_C1", "sipky_C", "hodnota_D",  "sipky_D",
    "grafImg",    "popis",   "cara1",      "cara6",   "cara11"};

class GoniometricIntroTest : public SteppedPageTest {
 protected:
  // The tool bar's step mode and step buttons: down and picture.
  static std::string StepButtons() {
    return std::string(frmMain->btnKrokuj->Down() ? "down" : "up") + " " +
           (frmMain->btnKrok->Down() ? "down" : "up") + " " +
           std::to_string(frmMain->btnKrok->ImageIndex());
  }
};

TEST_F(GoniometricIntroTest, OneStepASecondThenTheButtonAndTheToolBarOutOfUse) {
  for (const Twin& t : kTwins) {
    SCOPED_TRACE(t.name);
    OpenPage(t.row);
    EXPECT_EQ(Toolbar(), "110");
    const std::vector<std::string> reveals = Reveals(t);
    std::vector<Moment> timeline = {{999, {}, reveals, true, 1000}};
    for (size_t i = 0; i < reveals.size(); ++i) {
      const std::vector<std::string> later(reveals.begin() + i + 1, reveals.end());
      const std::vector<std::string> shown(reveals.begin(), reveals.begin() + i + 1);
      timeline.push_back({static_cast<std::int64_t>(1000 * (i + 1)), shown, later, true, 1000});
    }
    timeline.push_back({t.buttonAtMs - 1, reveals, {"pokracovani", "hodnota_A1"}, true});
    timeline.push_back({t.buttonAtMs, {"pokracovani"}, {"hodnota_A1", "grafImg"}, false});
    Play(timeline, t.name);
    EXPECT_EQ(Toolbar(), "000");
    EXPECT_FALSE(StepMode);
    At(t.buttonAtMs + 5000);
    EXPECT_FALSE(Running()) << "the page waits for its button";
  }
}

TEST_F(GoniometricIntroTest, InStepModeEachStageWaitsForTheStepButtonAndTheEndLeavesStepMode) {
  for (const Twin& t : kTwins) {
    SCOPED_TRACE(t.name);
    PressTool(&TfrmMain::btnKrokujClick);
    ASSERT_TRUE(StepMode);
    OpenPage(t.row);
    EXPECT_EQ(Toolbar(), "011");
    EXPECT_EQ(StepButtons(), "down up 10");
    At(1000);
    EXPECT_TRUE(Shown("obdelnik"));
    EXPECT_FALSE(Running());
    At(5000);
    EXPECT_FALSE(Shown("img01")) << "nothing without the step button";
    const std::vector<std::string> reveals = Reveals(t);
    for (size_t i = 1; i < reveals.size(); ++i) {
      PressTool(&TfrmMain::btnKrokClick);
      clock.Advance(99);
      EXPECT_FALSE(Shown(reveals[i])) << reveals[i];
      clock.Advance(1);
      EXPECT_TRUE(Shown(reveals[i])) << reveals[i];
      EXPECT_FALSE(Running());
    }
    // The sine page's silent step costs one more press.
    const int silent = t.row == 22 ? 1 : 0;
    for (int i = 0; i < silent; ++i) {
      PressTool(&TfrmMain::btnKrokClick);
      clock.Advance(100);
      EXPECT_FALSE(Shown("pokracovani"));
    }
    PressTool(&TfrmMain::btnKrokClick);
    clock.Advance(100);
    EXPECT_TRUE(Shown("pokracovani"));
    EXPECT_FALSE(Running());
    EXPECT_FALSE(StepMode);
    EXPECT_EQ(Toolbar(), "000");
    EXPECT_EQ(StepButtons(), "up up 9");
  }
}

TEST_F(GoniometricIntroTest, TheButtonTurnsThePageIntoTheLiveGraphOnTheSameTimer) {
  for (const Twin& t : kTwins) {
    SCOPED_TRACE(t.name);
    OpenPage(t.row);
    TTimer* timer = StepTimer.get();
    ASSERT_NE(timer, nullptr);
    At(t.buttonAtMs);
    Press("pokracovani");
    for (const std::string& n : kLiveControls) EXPECT_TRUE(Shown(n)) << n;
    for (const char* n : {"obdelnik", "img01"}) EXPECT_TRUE(Shown(n)) << n << " stays";
    for (int k = 1; k <= t.stages; ++k) EXPECT_FALSE(Shown(Stage(k))) << k;
    for (const char* n : {"text01", "pokracovani", "upozorneni", "pomA"}) {
      EXPECT_FALSE(Shown(n)) << n;
    }
    EXPECT_EQ(C("hodnota_D")->Height(), 25);
    EXPECT_EQ(StepTimer.get(), timer);
    EXPECT_TRUE(Running());
    EXPECT_EQ(timer->Interval(), 10);
    TLiveGraph* live = LiveGraphOf(Page());
    ASSERT_NE(live, nullptr);
    EXPECT_EQ(live->DrawnExpression(), "");
    clock.Advance(10);
    EXPECT_EQ(live->DrawnExpression(), t.start);
    EXPECT_EQ(live->DrawnColour(), 255);
    EXPECT_EQ(Toolbar(), "000");
  }
}

// Activated again (focus back from the magnifier), the page starts no second presentation.
TEST_F(GoniometricIntroTest, ASecondActivationStartsNothingNew) {
  OpenPage(22);
  TLiveGraph* live = LiveGraphOf(Page());
  At(2500);
  Dispatch([&] { Page()->Activate(); });
  EXPECT_EQ(LiveGraphOf(Page()), live);
  int timers = 0;
  for (int i = 0; i < Page()->ComponentCount(); ++i) {
    timers += dynamic_cast<TTimer*>(Page()->Components(i)) != nullptr;
  }
  EXPECT_EQ(timers, 1);
  At(2999);
  EXPECT_FALSE(Shown("graf01"));
  At(3000);
  EXPECT_TRUE(Shown("graf01")) << "on time";
}

// ---- the live graph -----------------------------------------------------------------------

class GoniometricGraphTest : public LivePageTest {
 protected:
  // Opens the page and lets the introduction run to its button, presses it and draws.
  void OpenGraph(int row) {
    Open(row);
    clock.Advance(11000);
    ProgramTest::Click("pokracovani");
    Tick();
    ASSERT_NE(Live(), nullptr);
  }
  TMaskEdit* Edit(const char* name) { return Get<TMaskEdit>(name); }
  void Set(const char* a, const char* b, const char* c, const char* d) {
    Type(Edit("hodnota_A1"), a);
    Type(Edit("hodnota_B1"), b);
    Type(Edit("hodnota_C1"), c);
    Type(Edit("hodnota_D"), d);
    Tick();
  }
  TStaticText* Warning() { return Get<TStaticText>("upozorneni"); }
};

constexpr TColor kPage = 0xC0DCC0, kBlue = 0xF0CAA6, kRed = 255, kPale = 0xFF5B5B;

struct LiveCase {
  int row;
  const char *a, *b, *c, *d;
  const char* warning;  // null: no warning
  TColor editA, editB;
  const char* drawn;  // "": the grid alone
  TColor curve;
};

const char* const kConstant = "Funkce není goniometrická, je konstantní.";
const char* const kUndefined = "Funkce není definována.";

const LiveCase kLive[] = {
    {22, "2", "0,5", "-0,5", "1", nullptr, kPage, kPage, "2*sin(0,5*x-0,5*3,14159)+1", kRed},
    {22, "0", "1", "0", "2", kConstant, kBlue, kPage, "0*sin(1*x+0*3,14159)+2", kPale},
    {22, "1", "0", "0,5", "0", kConstant, kPage, kBlue, "1*sin(0*x+0,5*3,14159)+0", kPale},
    // values count as typed to hundredths: 0,004 is 0
    {22, "0,004", "1", "0", "0", kConstant, kBlue, kPage, "0*sin(1*x+0*3,14159)+0", kPale},
    {22, "1,234", "1", "0", "0", nullptr, kPage, kPage, "1,23*sin(1*x+0*3,14159)+0", kRed},
    {23, "1", "1", "-0,5", "-2", nullptr, kPage, kPage,
     "1*cos(1*x-0,5*3,1415926535897932384626433832795)-2", kRed},
    {23, "0", "0", "1", "0", kConstant, kBlue, kBlue,
     "0*cos(0*x+1*3,1415926535897932384626433832795)+0", kPale},
    // the tangent has no value at an odd multiple of π/2
    {24, "1", "0", "0,5", "0", kUndefined, kPage, kBlue, "", 0},
    {24, "1", "0", "-19,5", "3", kUndefined, kPage, kBlue, "", 0},
    {24, "1", "0", "1", "0", kConstant, kPage, kBlue, "1*tg(0*x+1*3,14159)+0", kPale},
    {24, "0", "2", "0,5", "1", kConstant, kBlue, kPage, "0*tg(2*x+0,5*3,14159)+1", kPale},
    {24, "0", "0", "0,5", "1", kUndefined, kBlue, kBlue, "", 0},  // 0·tg(π/2) is no number
    {24, "-1", "2", "0,5", "0", nullptr, kPage, kPage, "-1*tg(2*x+0,5*3,14159)+0", kRed},
    // the cotangent has none at a multiple of π
    {25, "1", "0", "3", "0", kUndefined, kPage, kBlue, "", 0},
    {25, "1", "0", "0,5", "0", kConstant, kPage, kBlue, "1*cotg(0*x+0,5*3,14159)+0", kPale},
    {25, "0", "0", "0", "0", kUndefined, kBlue, kBlue, "", 0},  // 0·cotg 0 is no number
    {25, "0", "1", "0", "1", kConstant, kBlue, kPage, "0*cotg(1*x+0*3,14159)+1", kPale},
    {25, "1,5", "2", "0,2", "-1", nullptr, kPage, kPage, "1,5*cotg(2*x+0,2*3,14159)-1", kRed},
};

TEST_F(GoniometricGraphTest, WarningsColoursAndExpressionsFollowTheParameters) {
  int row = 0;
  for (const LiveCase& k : kLive) {
    SCOPED_TRACE(std::to_string(k.row) + ": " + k.a + "; " + k.b + "; " + k.c + "; " + k.d);
    if (k.row != row) OpenGraph(row = k.row);
    Set(k.a, k.b, k.c, k.d);
    EXPECT_EQ(Warning()->Visible(), k.warning != nullptr);
    if (k.warning) {
      EXPECT_EQ(Warning()->Caption(), k.warning);
    }
    EXPECT_EQ(Edit("hodnota_A1")->Color(), k.editA);
    EXPECT_EQ(Edit("hodnota_B1")->Color(), k.editB);
    EXPECT_EQ(Edit("hodnota_C1")->Color(), kPage);
    EXPECT_EQ(Edit("hodnota_D")->Color(), kPage);
    EXPECT_EQ(Live()->DrawnExpression(), k.drawn);
    if (*k.drawn) {
      EXPECT_EQ(Live()->DrawnColour(), k.curve);
    }
  }
}

// On the sine and cosine pages the warning keeps its layout text, even after the tangent page
// rewrote its own.
TEST_F(GoniometricGraphTest, TheSineAndCosineWarningsKeepTheirText) {
  OpenGraph(24);
  Set("1", "0", "0,5", "0");
  ASSERT_EQ(Warning()->Caption(), kUndefined);
  for (int row : {22, 23}) {
    OpenGraph(row);
    for (const char* c : {"0,5", "1", "3"}) {
      Set("1", "0", c, "0");
      EXPECT_EQ(Warning()->Caption(), kConstant) << row << " " << c;
    }
  }
}

TEST_F(GoniometricGraphTest, ATypedValueBeyondTwentyIsClampedAtTheNextUpdate) {
  OpenGraph(22);
  for (const char* edit : {"hodnota_A1", "hodnota_B1", "hodnota_C1", "hodnota_D"}) {
    SCOPED_TRACE(edit);
    Set("1", "1", "0", "0");
    Type(Edit(edit), "25");
    EXPECT_EQ(Edit(edit)->Text(), "25");
    Tick();
    EXPECT_EQ(Edit(edit)->Text(), "20");
    Type(Edit(edit), "-31");
    Tick();
    EXPECT_EQ(Edit(edit)->Text(), "-20");
  }
  Set("1", "1", "25", "0");
  EXPECT_EQ(Live()->DrawnExpression(), "1*sin(1*x+20*3,14159)+0");
}

// The graph's unit is 18 pixels and x = 0 lies 162 pixels from its left, as the blue lines and
// the labels under it say: the curve meets them where the function's values are.
TEST_F(GoniometricGraphTest, TheCurveMeetsTheMarkedMultiplesOfHalfPi) {
  OpenGraph(22);
  TImage* graph = Get<TImage>("grafImg");
  auto redNear = [&](int column, int row) {
    for (int dr = -1; dr <= 1; ++dr) {
      if (Pixel(graph, column, row + dr) == kRed) return true;
    }
    return false;
  };
  // y = sin x: 1 at π/2 (column 190, row 162 − 18), −1 at 3π/2 (column 247), 0 at 0 and π.
  for (const auto& [column, row] : {std::pair{190, 144}, {247, 180}, {162, 162}, {219, 162}}) {
    EXPECT_TRUE(redNear(column, row)) << column << " " << row;
  }
  EXPECT_EQ(C("cara5")->Left() - graph->Left(), 134);  // x = −π/2
  EXPECT_EQ(C("cara6")->Left() - graph->Left(), 190);  // x = π/2
  Set("0", "1", "0", "2");
  EXPECT_EQ(Pixel(graph, 100, 126), kPale);  // y = 2
  EXPECT_FALSE(AnyInRows(graph, kRed, 0, graph->Height() - 1));
}

}  // namespace
