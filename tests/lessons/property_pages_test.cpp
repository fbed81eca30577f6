// The property pages 1.4 to 3: a definition, an example on four graphs answered stage by stage,
// four graphs to decide alone, a halt for the solution and the drawn solutions. One table over
// the pages for what they share: steps, halt, pauses, the opening event, the hidden content, the
// stacked stages; the edge cases of single pages as timelines.
#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/extctrls.h"
#include "platform/stdctrls.h"
#include "tests/lessons/stepped_page_fixture.h"

namespace {

// A property page as the lesson gives it.
struct PropertyPage {
  int row;                    // its chapter row
  std::string form;           // its form
  int steps;                  // the steps of its script
  int halt;                   // the step that waits for the solution
  std::map<int, int> pauses;  // the pauses after steps that are not 1000 ms
  std::set<int> silent;       // steps that show nothing
  std::set<int> twoTicks;     // steps shown over two ticks (the frames of page 2.1)
  const TNotifyEvent& (TForm::*opening)() const = &TForm::OnActivate;  // the event of Akce

  int Pause(int step) const {
    auto it = pauses.find(step);
    return it == pauses.end() ? 1000 : it->second;
  }
  // The step that each tick shows, in order.
  std::vector<int> Ticks() const {
    std::vector<int> out;
    for (int s = 0; s < steps; ++s) {
      out.push_back(s);
      if (twoTicks.count(s)) out.push_back(s);
    }
    return out;
  }
};

// A page is added as a row: {row, form, steps, halt, pauses, silent steps, steps of two ticks,
// &TForm::OnShow where the page opens on showing}.
const std::vector<PropertyPage> kPages = {
    {5, "frmFceVDf", 30, 20, {{0, 4000}, {1, 4000}, {6, 4000}, {14, 4000}}, {29}},
    {6, "frmFceVHf", 29, 20, {{0, 3000}, {1, 3000}, {6, 3000}, {14, 3000}}},
    {7, "frmFceVmonotonie", 36, 26, {{0, 8000}, {21, 8000}}, {35}, {3, 4, 6, 7}},
    {8, "frmFceVextremy", 34, 23, {{0, 6000}, {6, 6000}}},
    {9, "frmFceVomezenost", 30, 21, {{0, 4000}, {1, 2000}, {6, 4000}, {7, 4000}}},
    {10, "frmFceVsudost", 30, 21, {{0, 4000}, {5, 4000}, {13, 6000}}, {20}},
    {11, "frmFceVperioda", 28, 19, {{0, 4000}, {6, 4000}}},
    {12, "frmFceVprosta", 29, 20, {{0, 4000}, {1, 2000}, {6, 6000}}},
    {13, "frmFceInverzni", 47, 30, {{0, 4000}, {1, 2000}, {6, 4000}}, {}, {}, &TForm::OnShow},
};

// When step k shows, counted from the opening (pages without steps of two ticks).
std::int64_t StepAt(const PropertyPage& p, int k) {
  std::int64_t t = 1000;
  for (int i = 0; i < k; ++i) t += p.Pause(i);
  return t;
}

const PropertyPage& PageOfRow(int row) {
  return *std::find_if(kPages.begin(), kPages.end(),
                       [row](const PropertyPage& p) { return p.row == row; });
}

// A control's box: left, top, right, bottom.
std::vector<int> Box(const TControl* c) {
  return {c->Left(), c->Top(), c->Left() + c->Width(), c->Top() + c->Height()};
}

const char* const kInvitation = "U následujících grafů zkuste rozhodnout sami.";

class PropertyPagesTest : public SteppedPageTest {
 protected:
  void OpenPage(const PropertyPage& p) {
    SteppedPageTest::OpenPage(p.row);
    ASSERT_EQ(OpenClass(), p.form);
  }
  // The names of the page's visible controls.
  std::set<std::string> Visible() const {
    std::set<std::string> out;
    for (int i = 0; i < Page()->ControlCount(); ++i) {
      TControl* c = Page()->Controls(i);
      if (c->Visible()) out.insert(c->Name());
    }
    return out;
  }
  // The last stage of a graph: of the controls named after it, the last by name.
  std::string LastStageOf(const std::string& graph) const {
    std::string last;
    for (int i = 0; i < Page()->ControlCount(); ++i) {
      const std::string& n = Page()->Controls(i)->Name();
      if (n.rfind(graph, 0) == 0 && n > last) last = n;
    }
    return last;
  }
  // What became visible since `before`.
  std::set<std::string> NewSince(const std::set<std::string>& before) const {
    std::set<std::string> out;
    for (const std::string& n : Visible()) {
      if (!before.count(n)) out.insert(n);
    }
    return out;
  }
};

// Every tick shows something new on its pause, the halt shows btnRes and waits as long as the
// student likes, btnRes lets the solutions follow on their pauses, and the tick after the last
// step stops the timer.
TEST_F(PropertyPagesTest, StepOnTheirPausesHaltForTheSolutionAndEnd) {
  for (const PropertyPage& p : kPages) {
    SCOPED_TRACE(p.form);
    OpenPage(p);
    ASSERT_EQ((Page()->*p.opening)().Name(), "Akce") << "the event that opens the page";
    EXPECT_EQ(Visible(), std::set<std::string>{"GroupBox1"}) << "only the banner at first";
    const std::vector<int> ticks = p.Ticks();
    std::int64_t t = 1000;  // the first step a second after the opening
    for (size_t i = 0; i < ticks.size(); ++i) {
      const int step = ticks[i];
      SCOPED_TRACE("step " + std::to_string(step) + " at " + std::to_string(t) + " ms");
      At(t - 1);
      const std::set<std::string> before = Visible();
      ASSERT_TRUE(Running());
      At(t);
      const std::set<std::string> added = NewSince(before);
      EXPECT_EQ(added.empty(), p.silent.count(step) == 1);
      const bool halt = step == p.halt && (i + 1 == ticks.size() || ticks[i + 1] != step);
      EXPECT_EQ(Shown("btnRes"), halt);
      if (!halt) {
        ASSERT_TRUE(Running());
        EXPECT_EQ(StepTimer->Interval(), p.Pause(step));
        t += p.Pause(step);
        continue;
      }
      EXPECT_TRUE(added.count("btnRes"));
      EXPECT_FALSE(Running());
      const std::set<std::string> atHalt = Visible();
      At(t + 60000);
      EXPECT_EQ(Visible(), atHalt);
      ASSERT_FALSE(Running()) << "the page waits for the student";
      Press("btnRes");
      // The timer goes on with the halting step's pause.
      t += 60000 + p.Pause(step);
    }
    // The tick after the last step only stops the timer.
    At(t - 1);
    const std::set<std::string> last = Visible();
    ASSERT_TRUE(Running());
    At(t);
    EXPECT_FALSE(Running());
    At(t + 60000);
    EXPECT_EQ(Visible(), last);
    EXPECT_FALSE(Shown("btnRes"));
  }
}

// Page 1.4 without step mode: the definition at 1 s, the example at 5 s, its first graph at 9 s,
// the halt (step 20) 33 s after the opening.
TEST_F(PropertyPagesTest, DomainPageRunsToItsHaltInThirtyThreeSeconds) {
  OpenPage(PageOfRow(5));
  Play(
      {
          {0, {}, {"text01_img", "pr01", "text02", "graf01"}, true, 1000},
          {999, {}, {"text01_img"}, true},
          {1000, {"text01_img"}, {"pr01", "text02"}, true, 4000},
          {4999, {}, {"pr01", "text02"}, true},
          {5000, {"pr01", "text02"}, {"graf01"}, true, 4000},
          {8999, {}, {"graf01"}, true},
          {9000, {"graf01"}, {"graf02"}, true, 1000},
          {13000, {"text03"}, {"graf01_df1"}, true, 4000},
          {24000, {"graf04_df2"}, {"text05"}, true, 4000},
          {32000, {"graf08"}, {"btnRes"}, true, 1000},
          {32999, {}, {"btnRes"}, true},
          {33000, {"btnRes", "graf05"}, {"graf05_df1"}, false},
          {90000, {"btnRes"}, {"graf05_df1"}, false},
      },
      "page 1.4");
}

// Page 2.1: each frame and its word one tick after the small graph they close and one tick
// apart; every one of these ticks halts in step mode like any other; the halt comes with the
// fourth exercise graph itself.
TEST_F(PropertyPagesTest, MonotonyFramesFollowTheirSmallGraphsTickByTick) {
  const PropertyPage& p = PageOfRow(7);
  OpenPage(p);
  // The screen order, one item a tick from 9 s (the definition stays 8 s).
  const std::vector<std::vector<std::string>> order = {
      {"uk_graf01"},      {"uk_graf02"},      {"uk_graf03"},      {"obd1", "nazev1"},
      {"obd2", "nazev2"}, {"uk_graf04"},      {"uk_graf05"},      {"uk_graf06"},
      {"obd3", "nazev3"}, {"obd4", "nazev4"}, {"pr01", "text02"}, {"graf01"}};
  for (size_t i = 0; i < order.size(); ++i) {
    SCOPED_TRACE(order[i].front());
    const std::int64_t t = 9000 + 1000 * static_cast<std::int64_t>(i);
    At(t - 1);
    for (const std::string& n : order[i]) EXPECT_FALSE(Shown(n)) << n;
    At(t);
    for (const std::string& n : order[i]) EXPECT_TRUE(Shown(n)) << n;
    if (i + 1 < order.size()) {
      EXPECT_FALSE(Shown(order[i + 1].front()));
    }
    EXPECT_EQ(StepTimer->Interval(), 1000);
  }

  // Opened in step mode: one item a press of the one-step button, then a halt.
  PressTool(&TfrmMain::btnKrokujClick);
  OpenPage(p);
  At(1000);
  ASSERT_TRUE(Shown("def01"));
  for (size_t i = 0; i < order.size(); ++i) {
    SCOPED_TRACE(order[i].front());
    At(1000 + 10000 * static_cast<std::int64_t>(i + 1));
    EXPECT_FALSE(Running());
    EXPECT_TRUE(frmMain->btnKrok->Enabled());
    for (const std::string& n : order[i]) EXPECT_FALSE(Shown(n)) << n << " waits for the press";
    PressTool(&TfrmMain::btnKrokClick);
    clock.Advance(100);
    for (const std::string& n : order[i]) EXPECT_TRUE(Shown(n)) << n;
  }
  PressTool(&TfrmMain::btnKrokujClick);

  // Without step mode from the start: graf08 and btnRes come together at the halt.
  OpenPage(p);
  At(44999);
  EXPECT_TRUE(Shown("graf07"));
  EXPECT_FALSE(Shown("graf08"));
  At(45000);
  EXPECT_TRUE(Shown("graf08"));
  EXPECT_TRUE(Shown("btnRes"));
  EXPECT_FALSE(Running());
}

// btnRes pressed while the page runs again after the halt (the tool bar restarted it) only
// asks for the solution: the timer keeps its time, and step mode no longer halts the page.
TEST_F(PropertyPagesTest, TheSolutionButtonWhileRunningAgainOnlyAsksForTheSolution) {
  const struct {
    const char* what;
    bool stepMode;
    void (TfrmMain::*restart)(TObject*);
    bool pressSolution;
    bool runsToTheEnd;
  } cases[] = {
      {"resumed, then btnRes", false, &TfrmMain::Pauza, true, true},
      {"one step, then btnRes", true, &TfrmMain::btnKrokClick, true, true},
      {"one step alone", true, &TfrmMain::btnKrokClick, false, false},
  };
  for (const PropertyPage& p : kPages) {
    for (const auto& c : cases) {
      SCOPED_TRACE(p.form + ", " + c.what);
      if (StepMode != c.stepMode) PressTool(&TfrmMain::btnKrokujClick);
      OpenPage(p);
      // To the halt: on the pauses, or one press a tick.
      for (int i = 0; i < 200 && !Shown("btnRes"); ++i) {
        if (c.stepMode) {
          PressTool(&TfrmMain::btnKrokClick);
          clock.Advance(100);
        } else {
          clock.Advance(1000);
        }
      }
      ASSERT_TRUE(Shown("btnRes"));
      ASSERT_FALSE(Running());
      const std::set<std::string> atHalt = Visible();
      PressTool(c.restart);
      clock.Advance(50);
      ASSERT_TRUE(Running());
      if (c.pressSolution) Press("btnRes");
      EXPECT_TRUE(Running());
      clock.Advance(49);
      EXPECT_EQ(Visible(), atHalt) << "the first solution keeps its time";
      clock.Advance(1);
      EXPECT_FALSE(Shown("btnRes"));
      EXPECT_FALSE(NewSince(atHalt).empty()) << "the first solution";
      EXPECT_EQ(Running(), c.runsToTheEnd);
      clock.Advance(60000);
      EXPECT_FALSE(Running());
      // Every solution stage shown, or only the first.
      EXPECT_EQ(Shown(LastStageOf("graf08")), c.runsToTheEnd);
      EXPECT_EQ(StepMode, c.stepMode);
    }
  }
  if (StepMode) PressTool(&TfrmMain::btnKrokujClick);
}

// The stages of a graph lie exactly on it, each the picture's size, opaque and above the one
// before; every picture of the page fits its box and the page.
TEST_F(PropertyPagesTest, StagesCoverTheirGraphExactly) {
  for (const PropertyPage& p : kPages) {
    SCOPED_TRACE(p.form);
    OpenPage(p);
    std::map<std::string, std::vector<TImage*>> stacks;  // graf01: graf01, graf01b, ...
    for (int i = 0; i < Page()->ControlCount(); ++i) {
      TControl* c = Page()->Controls(i);
      SCOPED_TRACE(c->Name());
      EXPECT_GE(c->Left(), 0);
      EXPECT_GE(c->Top(), 0);
      EXPECT_LE(c->Left() + c->Width(), 800);
      EXPECT_LE(c->Top() + c->Height(), 545);
      auto* image = dynamic_cast<TImage*>(c);
      if (!image) continue;
      EXPECT_EQ(image->Picture().Width(), image->Width());
      EXPECT_EQ(image->Picture().Height(), image->Height());
      EXPECT_FALSE(image->Transparent());
      EXPECT_FALSE(image->Picture().Image().hasAlphaChannel());
      if (c->Name().rfind("graf", 0) == 0) stacks[c->Name().substr(0, 6)].push_back(image);
    }
    EXPECT_EQ(stacks.size(), 8u) << "four example graphs and four exercise graphs";
    auto level = [](TControl* c) {
      return c->Widget()->parentWidget()->children().indexOf(c->Widget());
    };
    for (auto& [graph, stack] : stacks) {
      SCOPED_TRACE(graph);
      std::sort(stack.begin(), stack.end(),
                [](TImage* a, TImage* b) { return a->Name() < b->Name(); });
      ASSERT_GE(stack.size(), 2u) << "the graph and at least one stage";
      const TImage* first = stack.front();
      EXPECT_EQ(first->Width(), 129);
      EXPECT_EQ(first->Height(), 129);
      for (size_t i = 1; i < stack.size(); ++i) {
        SCOPED_TRACE(stack[i]->Name());
        EXPECT_EQ(Box(stack[i]), Box(first));
        EXPECT_GT(level(stack[i]), level(stack[i - 1])) << "above " << stack[i - 1]->Name();
        EXPECT_NE(stack[i]->Picture().Image(), stack[i - 1]->Picture().Image())
            << "each stage adds to the one before";
      }
    }
  }
}

// The texts the lesson gives word for word, as labels in MS Sans Serif 13 px, and the solution
// button's caption.
TEST_F(PropertyPagesTest, KeepTheirGivenTexts) {
  const struct {
    int row;
    const char* label;
    const char* text;
  } texts[] = {
      {7, "nazev1", "neklesající "},
      {7, "nazev2", "rostoucí "},
      {7, "nazev3", "nerostoucí "},
      {7, "nazev4", "klesající "},
      {7, "text04", kInvitation},
      {8, "text04", kInvitation},
      {9, "text02", "Určete z grafu funkce, zda je omezená shora nebo zdola nebo je omezená. "},
      {9, "text03",
       "Omezenost určíme z oboru hodnot. Nepřesahuje-li funkce nějakou hodnotu, je touto "
       "hodnotou shora omezená."},
      {9, "text05", kInvitation},
      {12, "text04", kInvitation},
      {13, "text02", "Načrtněte graf funkce inverzní k danému grafu prosté funkce."},
      {13, "text03",
       "Nejprve si načrtneme osu I. a III. kvadrantu a potom zobrazíme dostatečný počet bodů v "
       "osové souměrnosti podle této osy."},
      {13, "text04", "U následujících grafů si zkuste načrtnout inverzní funkci sami."},
  };
  for (const auto& t : texts) {
    SCOPED_TRACE(std::to_string(t.row) + " " + t.label);
    if (OpenClass() != PageOfRow(t.row).form) OpenPage(PageOfRow(t.row));
    auto* label = Get<TLabel>(t.label);
    ASSERT_TRUE(label);
    EXPECT_EQ(label->Caption(), t.text);
    EXPECT_EQ(label->Font().Name(), "MS Sans Serif");
    EXPECT_EQ(label->Font().Height(), -13);
  }
  for (const PropertyPage& p : kPages) {
    OpenPage(p);
    EXPECT_EQ(Get<TBitBtn>("btnRes")->Caption(), "řešení") << p.form;
  }
}

// Page 2.1: the wide frames hold a column of small graphs, the narrow ones only the graphs that
// are increasing (decreasing), each frame in its colour with its word inside.
TEST_F(PropertyPagesTest, MonotonyFramesHoldTheirGraphs) {
  OpenPage(PageOfRow(7));
  const struct {
    const char* frame;
    const char* word;
    TColor color;
    std::set<std::string> holds;
  } frames[] = {
      {"obd1", "nazev1", clPurple, {"uk_graf01", "uk_graf02", "uk_graf03"}},
      {"obd2", "nazev2", clMaroon, {"uk_graf01", "uk_graf02"}},
      {"obd3", "nazev3", clGreen, {"uk_graf04", "uk_graf05", "uk_graf06"}},
      {"obd4", "nazev4", clNavy, {"uk_graf04", "uk_graf05"}},
  };
  for (const auto& f : frames) {
    SCOPED_TRACE(f.frame);
    auto* frame = Get<TShape>(f.frame);
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->Pen().Color(), f.color);
    EXPECT_EQ(frame->BrushStyle(), TBrushStyle::bsClear) << "the graphs show through";
    EXPECT_EQ(Get<TLabel>(f.word)->Font().Color(), f.color);
    const std::vector<int> box = Box(frame);
    auto inside = [&box](const TControl* c) {
      const std::vector<int> r = Box(c);
      return r[0] > box[0] && r[1] > box[1] && r[2] < box[2] && r[3] < box[3];
    };
    EXPECT_TRUE(inside(C(f.word)));
    for (int k = 1; k <= 6; ++k) {
      const std::string graph = "uk_graf0" + std::to_string(k);
      EXPECT_EQ(inside(C(graph)), f.holds.count(graph) == 1) << graph;
    }
  }
}

// Activated again (or shown again), an open page starts no second presentation.
TEST_F(PropertyPagesTest, OpeningAgainStartsNoSecondPresentation) {
  for (const PropertyPage& p : kPages) {
    SCOPED_TRACE(p.form);
    OpenPage(p);
    auto* form = dynamic_cast<TForm*>(Page());
    ASSERT_TRUE(form);
    const bool onShow = p.opening == &TForm::OnShow;
    EXPECT_EQ(form->OnShow().Name(), onShow ? "Akce" : "");
    EXPECT_EQ(form->OnActivate().Name(), onShow ? "" : "Akce");
    // Activated again (focus back from another window): the one presentation goes on.
    At(StepAt(p, 2));
    TTimer* timer = StepTimer.get();
    const std::set<std::string> before = Visible();
    Dispatch([&] {
      form->Activate();
      form->OnShow()(form);
    });
    EXPECT_EQ(StepTimer.get(), timer);
    EXPECT_EQ(Visible(), before);
    At(StepAt(p, 3));
    EXPECT_EQ(Visible().size(), before.size() + 1);
  }
}

// Page 2.4: after the fourth exercise graph one quiet step, then the halt, which shows nothing
// new but the solution button.
TEST_F(PropertyPagesTest, SudostPausesSilentlyBeforeItsHalt) {
  const PropertyPage& p = PageOfRow(10);
  OpenPage(p);
  At(StepAt(p, 19));
  ASSERT_TRUE(Shown("graf08"));
  const std::set<std::string> afterGraf08 = Visible();
  At(StepAt(p, 20));
  EXPECT_EQ(Visible(), afterGraf08) << "the silent step";
  EXPECT_TRUE(Running());
  EXPECT_EQ(StepTimer->Interval(), 1000);
  At(StepAt(p, 21));
  std::set<std::string> withButton = afterGraf08;
  withButton.insert("btnRes");
  EXPECT_EQ(Visible(), withButton);
  EXPECT_FALSE(Running());
}

// Page 3 shows its third example whole at step 4, as graf03b; its stages go on from graf03c.
TEST_F(PropertyPagesTest, InverzniShowsGraf03bAtStep4) {
  const PropertyPage& p = PageOfRow(13);
  OpenPage(p);
  Play(
      {
          {StepAt(p, 3), {"graf01", "graf02"}, {"graf03b", "graf04"}, true, 1000},
          {StepAt(p, 4), {"graf03b"}, {"graf04", "graf03c"}, true, 1000},
          {StepAt(p, 5), {"graf04"}, {"text03"}, true, 1000},
          {StepAt(p, 14), {"graf02e"}, {"graf03c"}, true, 1000},
          {StepAt(p, 15), {"graf03c", "graf03b"}, {"graf03d"}, true, 1000},
      },
      "inverzni");
  EXPECT_EQ(Page()->FindComponent("graf03"), nullptr);
}

}  // namespace
