// The exercise page tables: hints one step or stepped, results, enlarged pictures, the
// remembered tab, on a small fixture page opened through the shell.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <set>

#include "exercises/exercise_page.h"
#include "exercises/unit_frmFceCElemKvadr.h"
#include "platform/jpeg.h"
#include "tests/shell/program_fixture.h"

namespace {

class TfrmFixtureExercise : public TForm {
 public:
  explicit TfrmFixtureExercise(TComponent* owner) : TForm(owner) {}
};

// The folder of the enlarged pictures, for the whole test program.
const std::string& Folder() {
  static QTemporaryDir dir;
  static const std::string folder = dir.path().toStdString() + "/";
  return folder;
}

// Each enlarged picture of the fixture has a size of its own, so the magnifier's size tells
// which file it loaded.
struct BigPicture {
  const char* name;
  int width, height;
};
const BigPicture kBig[] = {{"p1ar", 60, 40}, {"u1a", 70, 50}, {"u1ar", 80, 60}};

ExerciseTables& Tables() {
  static ExerciseTables tables(
      {Folder(), 5},
      {Hint("btn10Click", {"nap10"}),
       Stepped("btn1aClick", {{{"nap1a1"}}, {{"nap1a2", "nap1a2b"}}, {{"nap1a3"}}}),
       Result("btn1arClick", {"res1a1", "res1a2"}), Enlarge("res1a1Click", "p1ar"),
       Enlarge("Image1Click", "u1a"), Result("btnu1aClick", {"resu1a1", "resu1a2"}),
       Enlarge("resu1a1Click", "u1ar"),
       Stepped("btn1bClick", {{{"nap1b1"}}, {{"nap1b2"}, {"nap1b1"}}, {{"nap1b3"}, {}, true}}),
       Hint("btn1cClick", {"nap1c"})});
  return tables;
}

// The fixture takes the place of the quadratic function's exercises (page 42, slot 5): a
// worked tab with a task hint, a three-step hint and a result, and an exercise tab whose
// result picture lies exactly over the task picture. Four more pieces of the worked tab share
// one place: a stepped hint whose second step takes its first step's piece away and whose
// third step brings a piece forward that the layout puts below, and a one-step hint whose
// piece stays below.
const char* kLayout = R"(
object frmFceCElemKvadr: TfrmFceCElemKvadr
  Color = clMoneyGreen
  FormStyle = fsMDIChild
  BorderStyle = bsNone
  WindowState = wsMaximized
  Visible = True
  OnActivate = Akce
  object priklady: TPageControl
    Left = 8
    Top = 111
    Width = 793
    Height = 425
    Style = tsFlatButtons
    Images = frmMain.ikony_sbirka
    OnChange = prikladyChange
    object TabSheet1: TTabSheet
      Caption = '1'
      ImageIndex = 0
      object btn10: TSpeedButton
        OnClick = btn10Click
      end
      object nap10: TLabel
        Visible = False
      end
      object btn1a: TSpeedButton
        OnClick = btn1aClick
      end
      object nap1a1: TLabel
        Visible = False
      end
      object nap1a2: TLabel
        Visible = False
      end
      object nap1a2b: TLabel
        Visible = False
      end
      object nap1a3: TLabel
        Visible = False
      end
      object btn1ar: TSpeedButton
        OnClick = btn1arClick
      end
      object res1a1: TImage
        Visible = False
        OnClick = res1a1Click
      end
      object res1a2: TLabel
        Visible = False
      end
      object btn1b: TSpeedButton
        OnClick = btn1bClick
      end
      object btn1c: TSpeedButton
        OnClick = btn1cClick
      end
      object nap1b3: TImage
        Left = 200
        Top = 130
        Width = 60
        Height = 40
        Visible = False
      end
      object nap1c: TImage
        Left = 200
        Top = 130
        Width = 60
        Height = 40
        Visible = False
      end
      object nap1b1: TImage
        Left = 200
        Top = 130
        Width = 60
        Height = 40
        Visible = False
      end
      object nap1b2: TImage
        Left = 200
        Top = 130
        Width = 60
        Height = 40
        Visible = False
      end
    end
    object TabSheet2: TTabSheet
      Caption = '1'
      ImageIndex = 1
      object Image1: TImage
        Left = 20
        Top = 30
        Width = 100
        Height = 80
        OnClick = Image1Click
      end
      object btnu1a: TSpeedButton
        Left = 130
        Top = 60
        OnClick = btnu1aClick
      end
      object resu1a1: TImage
        Left = 20
        Top = 30
        Width = 100
        Height = 80
        Visible = False
        OnClick = resu1a1Click
      end
      object resu1a2: TLabel
        Left = 160
        Top = 60
        Visible = False
      end
    end
  end
end
)";

const char* const kPieces[] = {"nap10",  "nap1a1", "nap1a2",  "nap1a2b", "nap1a3",
                               "res1a1", "res1a2", "resu1a1", "resu1a2"};
const char* const kButtons[] = {"btn10", "btn1a", "btn1ar", "btnu1a"};

class ExercisePageTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    TFormClass cls = TFormClass::Of<TfrmFixtureExercise>("TfrmFceCElemKvadr", "frmFceCElemKvadr");
    Tables().AddTo(cls);
    RegisterFormClass(cls);
    SetLayoutText("frmFceCElemKvadr", kLayout);
    for (const BigPicture& b : kBig) {
      QImage img(b.width, b.height, QImage::Format_RGB32);
      img.fill(Qt::white);
      QFile f(QString::fromStdString(Folder() + b.name + "_big.jpg"));
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write(EncodeJpeg(img, 80));
    }
  }
  void TearDown() override {
    ProgramTest::TearDown();
    RegisterFormClass(TfrmFceCElemKvadr::FormClass());
    SetLayoutText("frmFceCElemKvadr", "");
  }
  TPageControl* Tabs() { return Get<TPageControl>("priklady"); }
  std::set<std::string> Shown() {
    std::set<std::string> out;
    for (const char* p : kPieces) {
      if (C(p)->Visible()) out.insert(p);
    }
    return out;
  }
  std::set<std::string> Disabled() {
    std::set<std::string> out;
    for (const char* b : kButtons) {
      if (!C(b)->Enabled()) out.insert(b);
    }
    return out;
  }
  // The enlarged picture the magnifier shows, told by its size; "" while it is hidden.
  std::string Magnified() {
    if (!frm_lupa->Visible()) return "";
    for (const BigPicture& b : kBig) {
      if (frm_lupa->Width() == b.width && frm_lupa->Height() == b.height) return b.name;
    }
    return "?";
  }
  // The topmost visible control at a point of the active tab.
  std::string TopAt(QPoint p) {
    QWidget* w = Tabs()->ActivePage()->Widget()->childAt(p);
    TControl* c = w ? TControl::FromWidget(w) : nullptr;
    return c ? std::string(c->Name()) : std::string();
  }
  // A click of the user at a point of the active tab: it goes to the topmost visible control.
  void ClickAt(QPoint p) {
    QWidget* sheet = Tabs()->ActivePage()->Widget();
    QWidget* target = sheet->childAt(p);
    ASSERT_NE(target, nullptr);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(sheet, p));
  }
};

TEST_F(ExercisePageTest, EachClickShowsItsStepDisablesSpentHintsAndEnlargesItsPicture) {
  struct Case {
    const char* control;
    std::set<std::string> shown, disabled;  // afterwards, all told
    const char* magnified;
  };
  const Case cases[] = {
      {"btn10", {"nap10"}, {"btn10"}, ""},
      {"btn1a", {"nap10", "nap1a1"}, {"btn10"}, ""},
      {"btn1a", {"nap10", "nap1a1", "nap1a2", "nap1a2b"}, {"btn10"}, ""},
      {"btn1a", {"nap10", "nap1a1", "nap1a2", "nap1a2b", "nap1a3"}, {"btn10", "btn1a"}, ""},
      {"btn1ar",
       {"nap10", "nap1a1", "nap1a2", "nap1a2b", "nap1a3", "res1a1", "res1a2"},
       {"btn10", "btn1a"},
       ""},
      {"btn1ar",  // a second click changes nothing
       {"nap10", "nap1a1", "nap1a2", "nap1a2b", "nap1a3", "res1a1", "res1a2"},
       {"btn10", "btn1a"},
       ""},
      {"res1a1",
       {"nap10", "nap1a1", "nap1a2", "nap1a2b", "nap1a3", "res1a1", "res1a2"},
       {"btn10", "btn1a"},
       "p1ar"},
      {"Image1",
       {"nap10", "nap1a1", "nap1a2", "nap1a2b", "nap1a3", "res1a1", "res1a2"},
       {"btn10", "btn1a"},
       "u1a"},
      {"btnu1a",
       {"nap10", "nap1a1", "nap1a2", "nap1a2b", "nap1a3", "res1a1", "res1a2", "resu1a1", "resu1a2"},
       {"btn10", "btn1a"},
       "u1a"},
      {"resu1a1",
       {"nap10", "nap1a1", "nap1a2", "nap1a2b", "nap1a3", "res1a1", "res1a2", "resu1a1", "resu1a2"},
       {"btn10", "btn1a"},
       "u1ar"},
  };
  Open(43);
  int n = 0;
  for (const Case& c : cases) {
    Click(c.control);
    EXPECT_EQ(Shown(), c.shown) << "click " << n << " on " << c.control;
    EXPECT_EQ(Disabled(), c.disabled) << "click " << n << " on " << c.control;
    EXPECT_EQ(Magnified(), c.magnified) << "click " << n << " on " << c.control;
    ++n;
  }
  EXPECT_EQ(Tables().HintStep("btn1aClick"), 3);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(ExercisePageTest, AStepHidesThePieceItReplacesAndBringsItsOwnToTheFront) {
  const char* const shared[] = {"nap1b1", "nap1b2", "nap1b3", "nap1c"};
  auto shownThere = [&] {
    std::set<std::string> out;
    for (const char* n : shared) {
      if (C(n)->Visible()) out.insert(n);
    }
    return out;
  };
  struct Case {
    const char* button;
    std::set<std::string> shown;  // of the four pieces in the shared place, afterwards
    const char* top;              // the one on top there
    bool steppedEnabled;          // btn1b afterwards
  };
  const Case cases[] = {
      {"btn1b", {"nap1b1"}, "nap1b1", true},
      {"btn1b", {"nap1b2"}, "nap1b2", true},                      // step 2 hides step 1's piece
      {"btn1c", {"nap1b2", "nap1c"}, "nap1b2", true},             // shown where the layout has it
      {"btn1b", {"nap1b2", "nap1b3", "nap1c"}, "nap1b3", false},  // brought to the front
  };
  Open(43);
  const QPoint place(230, 150);
  EXPECT_EQ(TopAt(place), "");
  int n = 0;
  for (const Case& c : cases) {
    Click(c.button);
    EXPECT_EQ(shownThere(), c.shown) << "click " << n;
    EXPECT_EQ(TopAt(place), c.top) << "click " << n;
    EXPECT_EQ(C("btn1b")->Enabled(), c.steppedEnabled) << "click " << n;
    ++n;
  }
  EXPECT_FALSE(C("btn1c")->Enabled());
  EXPECT_EQ(Tables().HintStep("btn1bClick"), 3);
  // Activation starts the counter over but neither shows the hidden piece again nor restacks.
  Page()->Activate();
  EXPECT_EQ(Tables().HintStep("btn1bClick"), 0);
  EXPECT_EQ(shownThere(), cases[3].shown);
  EXPECT_EQ(TopAt(place), "nap1b3");
  EXPECT_TRUE(boxes.empty());
}

TEST_F(ExercisePageTest, AShownOverlayTakesTheClicksOfThePictureItCovers) {
  Open(43);
  Dispatch([&] { Tabs()->SelectTabByUser(1); });
  const QPoint middle(70, 70);
  ClickAt(middle);
  EXPECT_EQ(Magnified(), "u1a");
  Click("btnu1a");
  ClickAt(middle);
  EXPECT_EQ(Magnified(), "u1ar") << "the result lies above the task picture";
  EXPECT_TRUE(C("Image1")->Visible()) << "the task picture stays, covered";
}

TEST_F(ExercisePageTest, ActivationAgainStartsTheStepsOverButHidesNothing) {
  Open(43);
  Click("btn10");
  Click("btn1a");
  Click("btn1a");
  EXPECT_EQ(Tables().HintStep("btn1aClick"), 2);
  Page()->Activate();  // back from the magnifier, mid-hint
  EXPECT_EQ(Tables().HintStep("btn1aClick"), 0);
  const std::set<std::string> before = {"nap10", "nap1a1", "nap1a2", "nap1a2b"};
  EXPECT_EQ(Shown(), before) << "revealed pieces stay";
  EXPECT_EQ(Disabled(), std::set<std::string>{"btn10"}) << "spent buttons stay disabled";
  Click("btn1a");  // steps 1 and 2 again: nothing new on the screen
  Click("btn1a");
  EXPECT_EQ(Shown(), before);
  EXPECT_TRUE(C("btn1a")->Enabled());
  Click("btn1a");
  EXPECT_TRUE(C("nap1a3")->Visible());
  EXPECT_FALSE(C("btn1a")->Enabled());
  Open(43);  // a fresh instance: all hidden, all enabled, steps from 1
  EXPECT_TRUE(Shown().empty());
  EXPECT_TRUE(Disabled().empty());
  EXPECT_EQ(Tables().HintStep("btn1aClick"), 0);
  Click("btn1a");
  EXPECT_EQ(Shown(), std::set<std::string>{"nap1a1"});
}

TEST_F(ExercisePageTest, TheChosenTabIsRememberedAndPickingOneHidesTheMagnifier) {
  Open(43);
  EXPECT_EQ(Tabs()->ActivePageIndex(), 0);
  Click("btn1ar");
  Click("res1a1");
  Dispatch([&] { Tabs()->SelectTabByUser(1); });
  EXPECT_EQ(ExerciseTabIndex[5], 1);
  EXPECT_FALSE(frm_lupa->Visible());
  EXPECT_TRUE(boxes.empty());
  Open(42);
  Open(43);
  EXPECT_EQ(Tabs()->ActivePageIndex(), 1) << "reopened on the remembered tab";
  // Akce selecting the tab from code neither writes the slot nor hides the magnifier.
  Click("Image1");
  Dispatch([&] { Tabs()->SetActivePageIndex(0); });
  ExerciseTabIndex[5] = 1;
  Page()->Activate();
  EXPECT_EQ(Tabs()->ActivePageIndex(), 1);
  EXPECT_EQ(ExerciseTabIndex[5], 1);
  EXPECT_TRUE(frm_lupa->Visible());
}

TEST_F(ExercisePageTest, ThePagesOwnActivationWorkFollowsTheTabSelection) {
  int tabSeen = -1, runs = 0;
  ExerciseTables withWork({Folder(), 5, true,
                           [&](TForm& page) {
                             tabSeen = Named<TPageControl>(page, "priklady").ActivePageIndex();
                             ++runs;
                           }},
                          {});
  Open(43);
  ExerciseTabIndex[5] = 1;
  withWork.Akce(*Page());
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(tabSeen, 1) << "after the remembered tab is selected";
  Tables().Akce(*Page());  // a table without such work
  EXPECT_EQ(runs, 1);
}

TEST_F(ExercisePageTest, ASharedSlotBeyondTheLastTabOpensTheFirstTab) {
  for (int slot : {2, 7}) {  // left there by a page with more tabs
    ExerciseTabIndex[5] = slot;
    Open(43);
    EXPECT_EQ(Tabs()->ActivePageIndex(), 0) << slot;
    EXPECT_NE(Tabs()->ActivePage(), nullptr) << slot;
    EXPECT_EQ(ExerciseTabIndex[5], slot) << "selecting from code writes nothing";
  }
}

}  // namespace
