// The live-graph pattern: the edit chain as a user types and clicks the arrows, the reveal on
// the virtual clock, a second activation, and the exact comparisons of typed values.
#include "lessons/unit_frmFceElemKvadr.h"
#include "lessons/unit_frmFceElemLin.h"
#include "tests/lessons/live_page_fixture.h"

namespace {

class LiveGraphTest : public LivePageTest {
 protected:
  // Page 4.1 with b = 1 and a back at "1" (tenths "10") after an update.
  void Baseline() {
    Type(frmFceElemLin->hodnota_A, "1");
    Tick();
    ASSERT_EQ(frmFceElemLin->pomA->Text(), "10");
  }
};

struct TypingCase {
  const char* before;   // typed over the whole text first; "" leaves it selected for the keys
  const char* keys;     // then typed at the end, or over the selection
  const char* text;     // hodnota_A after the keys
  const char* tenths;   // pomA after the keys
  bool changed;         // ParamsChanged after the keys
  const char* settled;  // hodnota_A after the next update
  const char* drawn;    // the expression drawn by then
};

const TypingCase kTyping[] = {
    {"1,4", "5", "1,45", "14", true, "1,45", "1,45*x+1"},  // same tenths: the typed text stays
    {"1,5", "5", "1,6", "16", true, "1,6", "1,6*x+1"},     // new tenths: the tenths value
    {"", "-", "-", "10", false, "-", "1*x+1"},             // no number yet: nothing changes
    {"", "-0", "-0", "0", true, "-0", "0*x+1"},            // keeps its sign, draws zero
    {"", "-0,", "-0,", "0", true, "-0,", "0*x+1"},
    {"", "-0,5", "-0,5", "-5", true, "-0,5", "-0,5*x+1"},
    {"", "25", "25", "250", true, "20", "20*x+1"},  // clamped at the update
    {"", "-31", "-31", "-310", true, "-20", "-20*x+1"},
    {"", "1e300", "1e300", "1E301", true, "20", "20*x+1"},  // tenths beyond any integer
    {"", "x", "x", "10", false, "x", "1*x+1"},
    {"", "\b", "", "10", false, "", "1*x+1"},  // an empty edit
};

TEST_F(LiveGraphTest, TypingKeepsTenthsTypedTextsAndMinusSignsAndClamps) {
  OpenLive(14);
  TfrmFceElemLin* page = frmFceElemLin;
  for (const TypingCase& c : kTyping) {
    SCOPED_TRACE(std::string(c.before) + " then " + c.keys);
    Baseline();
    if (*c.before) {
      Type(page->hodnota_A, c.before);
      Append(page->hodnota_A, c.keys);
    } else {
      Type(page->hodnota_A, c.keys);
    }
    EXPECT_EQ(page->hodnota_A->Text(), c.text);
    EXPECT_EQ(page->pomA->Text(), c.tenths);
    EXPECT_EQ(Live()->ParamsChanged(), c.changed);
    Tick();
    EXPECT_EQ(page->hodnota_A->Text(), c.settled);
    EXPECT_EQ(page->hodnota_A->LineEdit()->text().toStdString(), c.settled);
    EXPECT_FALSE(Live()->ParamsChanged());
    EXPECT_EQ(Live()->DrawnExpression(), c.drawn);
  }
}

struct ArrowCase {
  const char* typed;
  TUDBtnType button;
  const char* text;
  const char* tenths;
};

const ArrowCase kArrows[] = {
    {"1,45", TUDBtnType::btNext, "1,5", "15"},  // from the tenths in the hidden edit
    {"1,45", TUDBtnType::btPrev, "1,3", "13"},
    {"-0,5", TUDBtnType::btNext, "-0,4", "-4"},
    {"0,1", TUDBtnType::btPrev, "0", "0"},
    {"-", TUDBtnType::btNext, "1,1", "11"},   // over a lone minus from the last tenths
    {"10", TUDBtnType::btNext, "10", "100"},  // the arrows stop at 10
    {"-10", TUDBtnType::btPrev, "-10", "-100"},
};

TEST_F(LiveGraphTest, ArrowsStepTheTenthsAndWriteThemBack) {
  OpenLive(14);
  TfrmFceElemLin* page = frmFceElemLin;
  for (const ArrowCase& c : kArrows) {
    SCOPED_TRACE(c.typed);
    Baseline();
    Type(page->hodnota_A, c.typed);
    Click(page->sipky_A, c.button);
    EXPECT_EQ(page->hodnota_A->Text(), c.text);
    EXPECT_EQ(page->pomA->Text(), c.tenths);
    Tick();
    EXPECT_EQ(Live()->DrawnExpression(), std::string(c.text) + "*x+1");
  }
}

TEST_F(LiveGraphTest, ChangesBetweenTwoTicksCostOneUpdate) {
  OpenLive(14);
  Type(frmFceElemLin->hodnota_A, "2");
  Type(frmFceElemLin->hodnota_B, "-3");
  EXPECT_EQ(Live()->DrawnExpression(), "1*x+1");
  Tick();
  EXPECT_EQ(Live()->DrawnExpression(), "2*x-3");
  EXPECT_EQ(frmFceElemLin->par02_y->Caption(), " y = -3");
}

// The controls of a page form that are visible, by name.
std::vector<std::string> VisibleControls(TForm* page) {
  std::vector<std::string> names;
  for (int i = 0; i < page->ControlCount(); ++i) {
    if (page->Controls(i)->Visible()) names.push_back(page->Controls(i)->Name());
  }
  return names;
}

struct RevealCase {
  int row;
  const char* definition;
  std::vector<std::string> atOpening;  // visible before the first tick
};

const RevealCase kReveals[] = {
    {14, "img", {"GroupBox1", "grafImg"}},  // 4.1 shows its empty picture at once
    {15, "img01", {"GroupBox1"}},
};

TEST_F(LiveGraphTest, RevealsFrameThenDefinitionThenTheLivePartThenDraws) {
  for (const RevealCase& c : kReveals) {
    SCOPED_TRACE(c.row);
    Open(c.row);
    TForm* page = frmMain->OpenPage();
    auto shown = [&](const char* name) {
      return static_cast<TControl*>(page->FindComponent(name))->Visible();
    };
    auto* frame = static_cast<TShape*>(page->FindComponent("obdelnik"));
    EXPECT_EQ(frame->Brush().Color(), 0xE7E4E0);
    EXPECT_EQ(VisibleControls(page), c.atOpening);
    clock.Advance(999);
    EXPECT_EQ(VisibleControls(page), c.atOpening);
    clock.Advance(1);
    EXPECT_TRUE(shown("obdelnik"));
    EXPECT_FALSE(shown(c.definition));
    clock.Advance(999);
    EXPECT_FALSE(shown(c.definition));
    clock.Advance(1);
    EXPECT_TRUE(shown(c.definition));
    EXPECT_FALSE(shown("hodnota_A"));
    clock.Advance(999);
    EXPECT_FALSE(shown("hodnota_A"));
    clock.Advance(1);
    EXPECT_TRUE(shown("hodnota_A"));
    EXPECT_TRUE(shown("sipky_A"));
    EXPECT_TRUE(shown("grafImg"));
    EXPECT_FALSE(shown("pomA"));
    EXPECT_EQ(Live()->Timer()->Interval(), 10);
    EXPECT_EQ(Live()->DrawnExpression(), "");
    clock.Advance(10);
    EXPECT_NE(Live()->DrawnExpression(), "");
    EXPECT_FALSE(Live()->ParamsChanged());
  }
}

// The timers that a page owns.
int Timers(TForm* page) {
  int n = 0;
  for (int i = 0; i < page->ComponentCount(); ++i) {
    n += dynamic_cast<TTimer*>(page->Components(i)) != nullptr;
  }
  return n;
}

TEST_F(LiveGraphTest, ASecondActivationStartsNoSecondTimerAndNoSecondReveal) {
  for (int row : {14, 15}) {
    SCOPED_TRACE(row);
    Open(row);
    TForm* page = frmMain->OpenPage();
    TLiveGraph* live = Live();
    clock.Advance(1500);
    Dispatch([&] { page->Activate(); });
    EXPECT_EQ(Live(), live);
    EXPECT_EQ(Timers(page), 1);
    EXPECT_EQ(live->RevealStep(), 0);
    clock.Advance(500);  // the definition on time
    EXPECT_EQ(live->RevealStep(), 1);
    clock.Advance(1010);
    const std::string drawn = live->DrawnExpression();
    Dispatch([&] { page->Activate(); });
    clock.Advance(1000);
    EXPECT_EQ(Timers(page), 1);
    EXPECT_EQ(live->Timer()->Interval(), 10);
    EXPECT_TRUE(static_cast<TControl*>(page->FindComponent("hodnota_A"))->Visible());
    EXPECT_EQ(live->DrawnExpression(), drawn);
  }
}

// 4.1 publishes its timer, so hiding the program stops the polling and showing it resumes;
// 4.2 keeps its own.
TEST_F(LiveGraphTest, HidingTheProgramStopsThePublishedTimerAndShowingItResumes) {
  OpenLive(14);
  EXPECT_EQ(StepTimer.get(), Live()->Timer());
  frmMain->Schovat1Click(nullptr);
  Type(frmFceElemLin->hodnota_A, "3");
  clock.Advance(100);
  EXPECT_EQ(Live()->DrawnExpression(), "1*x+1");
  Dispatch([] { frmMain->WindowStateChangedBySystem(false); });
  Tick();
  EXPECT_EQ(Live()->DrawnExpression(), "3*x+1");

  OpenLive(15);
  EXPECT_EQ(StepTimer.get(), nullptr);
  EXPECT_TRUE(Live()->Timer()->Running());
}

struct CompareCase {
  double x1, y1;
  int factor;
  double x2, y2;
  int expected;  // sign of factor·x2·y2 against x1·y1
};

const CompareCase kCompares[] = {
    {0.6, 0.6, 4, 0.1, 0.9, 0},   // 0,36 = 4 · 0,1 · 0,9 exactly as typed
    {0.3, 0.3, 1, 0.09, 1, 0},    // 0,09 = 0,09
    {0.3, 0.3, 4, 0.1, 0.2, 1},   // 0,09 > 0,08
    {-0.3, 0.3, 1, -0.09, 1, 0},  // signs
    {1, 0, 4, 1, 1, -1},          // 0 < 4
    {1, 0, 4, -1, 1, 1},          // 0 > -4
    {20, 20, 4, 0.00001, 0.00001, 1},
    {1e-5, 1e-5, 1, 1e-10, 1, 0},  // digits far apart
    {19.9999999999999, 19.9999999999999, 4, 10, 10, -1},
    {1.23456789012345, 1.23456789012345, 1, 1.52415787532386, 1, 1},  // 15 digits each
};

TEST(ExactComparison, ComparesProductsOfTypedValuesExactly) {
  for (const CompareCase& c : kCompares) {
    SCOPED_TRACE(FloatToStr(c.x1) + " " + FloatToStr(c.y1) + " " + FloatToStr(c.x2));
    EXPECT_EQ(Compare(Product(c.x1, c.y1), Product(c.x2, c.y2, c.factor)), c.expected);
    EXPECT_EQ(Compare(Product(c.x2, c.y2, c.factor), Product(c.x1, c.y1)), -c.expected);
  }
}

}  // namespace
