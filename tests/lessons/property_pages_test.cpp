// The pages that teach one property of functions each: a definition, an example on four graphs
// answered stage by stage, four graphs for the student, a halt for the solution, the drawn
// solutions. One table over the pages: the steps, the halt, the pauses and the event that opens
// the page; then what single pages do besides, and the stacks of stage pictures.
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/extctrls.h"
#include "platform/stdctrls.h"
#include "tests/lessons/stepped_page_fixture.h"

namespace {

struct PropertyPage {
  int row;                   // chapter row
  const char* form;          // the page's form
  int steps;                 // the script's length
  int halt;                  // the step that waits for the solution
  std::map<int, int> pause;  // the pauses after steps other than 1000 ms
  const char* opening;       // the form's event that starts the presentation
};

const std::vector<PropertyPage> kPages = {
    {10, "frmFceVsudost", 30, 21, {{0, 4000}, {5, 4000}, {13, 6000}}, "OnActivate"},
    {11, "frmFceVperioda", 28, 19, {{0, 4000}, {6, 4000}}, "OnActivate"},
    {12, "frmFceVprosta", 29, 20, {{0, 4000}, {1, 2000}, {6, 6000}}, "OnActivate"},
    {13, "frmFceInverzni", 47, 30, {{0, 4000}, {1, 2000}, {6, 4000}}, "OnShow"},
};

constexpr int kFirstInterval = 1000, kBasePause = 1000;

int PauseAfter(const PropertyPage& p, int step) {
  auto it = p.pause.find(step);
  return it == p.pause.end() ? kBasePause : it->second;
}

// When step k shows, counted from the opening.
std::int64_t StepAt(const PropertyPage& p, int k) {
  std::int64_t t = kFirstInterval;
  for (int i = 0; i < k; ++i) t += PauseAfter(p, i);
  return t;
}

class PropertyPagesTest : public SteppedPageTest {
 protected:
  void OpenPage(const PropertyPage& p) {
    SteppedPageTest::OpenPage(p.row);
    ASSERT_EQ(OpenClass(), p.form);
  }
  // The page's controls that are visible now, the frame's banner aside.
  std::set<std::string> Visible() const {
    std::set<std::string> names;
    for (int i = 0; i < Page()->ControlCount(); ++i) {
      TControl* c = Page()->Controls(i);
      if (c->Visible() && c->Name() != "GroupBox1") names.insert(std::string(c->Name()));
    }
    return names;
  }
};

TEST_F(PropertyPagesTest, EachStepOnItsPauseToTheHaltThenTheSolutionsToTheEnd) {
  for (const PropertyPage& p : kPages) {
    SCOPED_TRACE(p.form);
    OpenPage(p);
    EXPECT_EQ(Visible(), std::set<std::string>{}) << "only the frame at first";
    At(kFirstInterval - 1);
    EXPECT_EQ(Visible(), std::set<std::string>{});
    for (int k = 0; k < p.halt; ++k) {
      At(StepAt(p, k));
      SCOPED_TRACE("step " + std::to_string(k));
      EXPECT_TRUE(Running());
      EXPECT_EQ(StepTimer->Interval(), PauseAfter(p, k));
      EXPECT_FALSE(Shown("btnRes"));
    }
    // The halt: the solution button, the timer stopped, for as long as the student thinks.
    At(StepAt(p, p.halt) - 1);
    EXPECT_FALSE(Shown("btnRes"));
    At(StepAt(p, p.halt));
    EXPECT_TRUE(Shown("btnRes"));
    EXPECT_FALSE(Running());
    const std::set<std::string> atHalt = Visible();
    clock.Advance(120000);
    EXPECT_EQ(Visible(), atHalt);

    Press("btnRes");
    const int solutions = p.steps - p.halt - 1;
    clock.Advance(kBasePause);
    EXPECT_FALSE(Shown("btnRes"));
    clock.Advance(kBasePause * (solutions - 1));
    const std::set<std::string> atEnd = Visible();
    EXPECT_EQ(atEnd.size(), atHalt.size() - 1 + solutions) << "one more picture a step";
    // The tick after the last step stops the timer and shows nothing more.
    clock.Advance(kBasePause - 1);
    EXPECT_TRUE(Running());
    clock.Advance(1);
    EXPECT_FALSE(Running());
    EXPECT_EQ(Visible(), atEnd);
    // A restart from the tool bar after the end shows nothing either.
    PressTool(&TfrmMain::Pauza);
    clock.Advance(5000);
    EXPECT_EQ(Visible(), atEnd);
    EXPECT_FALSE(Running());
  }
}

TEST_F(PropertyPagesTest, TheRightEventOpensThePage) {
  for (const PropertyPage& p : kPages) {
    SCOPED_TRACE(p.form);
    OpenPage(p);
    auto* form = dynamic_cast<TForm*>(Page());
    ASSERT_TRUE(form);
    const bool onShow = std::string(p.opening) == "OnShow";
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

// The halt passed by the tool bar's resume: until the next tick the solution button still shows,
// and pressing it then neither delays that tick nor halts the page again in step mode.
TEST_F(PropertyPagesTest, SolutionPressedWhileRunningAgainOnlyStopsFurtherHalts) {
  for (const PropertyPage& p : kPages) {
    SCOPED_TRACE(p.form);
    OpenPage(p);
    At(StepAt(p, p.halt));
    ASSERT_TRUE(Shown("btnRes"));
    PressTool(&TfrmMain::Pauza);
    clock.Advance(50);
    Press("btnRes");
    Play(
        {
            {49, {"btnRes"}, {"graf05b"}, true, 100},
            {50, {"graf05b"}, {"btnRes", "graf05c"}, true, kBasePause},
        },
        "resumed");
    PressTool(&TfrmMain::btnKrokujClick);  // step mode stops the timer
    EXPECT_FALSE(Running());
    PressTool(&TfrmMain::btnKrokClick);
    Play({{100, {"graf05c"}, {}, true, kBasePause}}, "in step mode after the solution");
    const std::size_t shown = Visible().size();
    clock.Advance(kBasePause);
    EXPECT_EQ(Visible().size(), shown + 1) << "the next solution on its own";
    EXPECT_TRUE(Running());
    PressTool(&TfrmMain::btnKrokujClick);
  }
}

// Page 2.4: after the fourth exercise graph one quiet step, then the halt, which shows nothing
// new but the solution button.
TEST_F(PropertyPagesTest, SudostPausesSilentlyBeforeItsHalt) {
  const PropertyPage& p = kPages[0];
  OpenPage(p);
  At(StepAt(p, 19));
  ASSERT_TRUE(Shown("graf08"));
  const std::set<std::string> afterGraf08 = Visible();
  At(StepAt(p, 20));
  EXPECT_EQ(Visible(), afterGraf08) << "the silent step";
  EXPECT_TRUE(Running());
  EXPECT_EQ(StepTimer->Interval(), kBasePause);
  At(StepAt(p, 21));
  std::set<std::string> withButton = afterGraf08;
  withButton.insert("btnRes");
  EXPECT_EQ(Visible(), withButton);
  EXPECT_FALSE(Running());
}

// Page 3 shows its third example whole at step 4, as graf03b; its stages go on from graf03c.
TEST_F(PropertyPagesTest, InverzniShowsGraf03bAtStep4) {
  const PropertyPage& p = kPages[3];
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

// The texts that the pages give as labels, word for word.
TEST_F(PropertyPagesTest, KeepTheirLabelTexts) {
  const struct {
    int page;  // index in kPages
    const char* label;
    const char* text;
  } labels[] = {
      {2, "text04", "U následujících grafů zkuste rozhodnout sami."},
      {3, "text02", "Načrtněte graf funkce inverzní k danému grafu prosté funkce."},
      {3, "text03",
       "Nejprve si načrtneme osu I. a III. kvadrantu a potom zobrazíme dostatečný počet bodů v "
       "osové souměrnosti podle této osy."},
      {3, "text04", "U následujících grafů si zkuste načrtnout inverzní funkci sami."},
  };
  for (const auto& l : labels) {
    OpenPage(kPages[l.page]);
    auto* label = Get<TLabel>(l.label);
    ASSERT_TRUE(label) << l.label;
    EXPECT_EQ(label->Caption(), l.text);
  }
  for (const PropertyPage& p : kPages) {
    OpenPage(p);
    EXPECT_EQ(Get<TBitBtn>("btnRes")->Caption(), "řešení") << p.form;
  }
}

// Every graph's stages lie at one place, each exactly the size and place of the picture it
// covers, opaque, above it and one step further; every control fits the page.
TEST_F(PropertyPagesTest, StagesCoverEachOtherExactly) {
  for (const PropertyPage& p : kPages) {
    SCOPED_TRACE(p.form);
    OpenPage(p);
    std::map<std::string, std::vector<TImage*>> stacks;  // graf01 -> graf01, graf01b, ...
    for (int i = 0; i < Page()->ControlCount(); ++i) {
      TControl* c = Page()->Controls(i);
      EXPECT_LE(c->Left() + c->Width(), 800) << c->Name();
      EXPECT_LE(c->Top() + c->Height(), 545) << c->Name();
      const std::string name(c->Name());
      if (name.rfind("graf0", 0) != 0) continue;
      auto* image = dynamic_cast<TImage*>(c);
      ASSERT_TRUE(image) << name;
      stacks[name.substr(0, 6)].push_back(image);  // in layout order: the later above
    }
    ASSERT_EQ(stacks.size(), 8u);
    for (const auto& [graph, stack] : stacks) {
      SCOPED_TRACE(graph);
      EXPECT_GE(stack.size(), 2u) << "a graph and at least one answer";
      // The stacking order of the widgets: a later sibling is drawn above an earlier one.
      auto level = [](const TImage* c) {
        return c->Widget()->parentWidget()->children().indexOf(c->Widget());
      };
      const TImage* below = nullptr;
      for (const TImage* image : stack) {
        SCOPED_TRACE(image->Name());
        EXPECT_EQ(image->Width(), 129);
        EXPECT_EQ(image->Height(), 129);
        EXPECT_EQ(image->Picture().Width(), 129);
        EXPECT_EQ(image->Picture().Height(), 129);
        EXPECT_FALSE(image->Transparent());
        EXPECT_FALSE(image->Picture().Image().hasAlphaChannel());
        if (below) {
          EXPECT_EQ(image->Left(), below->Left());
          EXPECT_EQ(image->Top(), below->Top());
          EXPECT_GT(level(image), level(below));
          EXPECT_NE(image->Picture().Image(), below->Picture().Image()) << "one step further";
        }
        below = image;
      }
    }
  }
}

}  // namespace
