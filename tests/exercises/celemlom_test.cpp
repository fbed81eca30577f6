// The exercise page 4.3  Lineární lomená funkce (chapter row 44): its six tabs, the five-step
// hints of task 1 and the four-step hints of task 3 click by click, the enlarged pictures with
// the ten graphs that the three exercise tabs share, and the remembered tab.
#include <QWidget>
#include <set>

#include "exercises/unit_frmFceCElemLom.h"
#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/stdctrls.h"
#include "platform/streaming.h"
#include "tests/exercises/exercise_page_fixture.h"

namespace {

constexpr char kFolder[] = "img/BIG/Elomena/";
const int kRow = 44, kSlot = 6;
const std::string kStatement1 = "Určete rovnice asymptot a načrtněte graf funkce.";
const std::string kStatement2 =
    "Určete z grafu funkce její definiční obor, obor hodnot a vlastnosti. U grafu jsou uvedeny "
    "rovnice asymptot.";
const std::string kStatement3 =
    "Určete definiční obor funkce a průsečíky grafu funkce s osami souřadnic. ";
// The task graphs of the exercise of task 2, items a) to j).
const char* const kTask2Graphs[] = {"u2a",     "Image4",  "Image12", "Image13", "Image38",
                                    "Image53", "Image52", "Image42", "Image41", "Image40"};

class CElemLomTest : public PageTest<TfrmFceCElemLom, kFolder> {
 protected:
  QImage Shows(const std::string& name) const {
    return static_cast<TImage*>(C(name))->Picture().Image();
  }
};

TEST_F(CElemLomTest, SixTabsInOrderWithTheirKindsAndStatements) {
  Open(kRow);
  // The caption and the banner's title differ in one word.
  EXPECT_EQ(Page()->Caption(), "Lineárně lomená funkce");
  EXPECT_EQ(Get<TLabel>("Label6")->Caption(), "Lineární lomená funkce");
  ExpectTabs({
      {"u1", "1", 0, "Label21", kStatement1},
      {"TabSheet2", "1", 1, "Label24", kStatement1},
      {"u2", "2", 0, "Label35", kStatement2},
      {"TabSheet3", "2", 1, "Label38", kStatement2},
      {"u3", "3", 0, "Label49", kStatement3},
      {"TabSheet4", "3", 1, "Label52", kStatement3},
  });
}

TEST_F(CElemLomTest, EveryButtonShowsItsPiecesClickByClick) {
  std::vector<HintButton> cases = {
      {"btn10", {{"nap10"}}, 1},
      {"btn20", {{"nap20"}}, 1},
      {"SpeedButton14", {{"nap30"}}, 1},
  };
  for (char x : std::string("ab")) {
    const std::string l(1, x);
    // Task 1: the fourth step shows the memo and the computed point beside it together.
    cases.push_back({"btn1" + l,
                     {{"nap1" + l + "1"},
                      {"nap1" + l + "2"},
                      {"nap1" + l + "3"},
                      {"nap1" + l + "4", "nap1" + l + "5"},
                      {"nap1" + l + "6"}},
                     5});
    cases.push_back({"btn1" + l + "r", {{"res1" + l + "1", "res1" + l + "2"}, {}}, 0});
    cases.push_back({"btn2" + l, {{"nap2" + l}}, 1});
    cases.push_back({"btn2" + l + "r", {{"res2" + l}, {}}, 0});
    cases.push_back(
        {"btn3" + l,
         {{"nap3" + l + "1"}, {"nap3" + l + "2a"}, {"nap3" + l + "3b"}, {"nap3" + l + "4"}},
         4});
    cases.push_back({"btn3" + l + "r", {{"res3" + l}, {}}, 0});
  }
  for (char x : std::string("abcdefghij")) {
    const std::string l(1, x);
    cases.push_back({"btnu1" + l, {{"resu1" + l + "1", "resu1" + l + "2"}, {}}, 0});
    cases.push_back({"btnu2" + l, {{"resu2" + l}, {}}, 0});
    cases.push_back({"btnu3" + l, {{"resu3" + l + "1", "resu3" + l + "2"}, {}}, 0});
  }
  Open(kRow);
  const std::set<std::string> shown = PlayButtons(cases);
  EXPECT_EQ(shown.size(), 3u + 2 * 15 + 10 * 5) << "every revealed piece, each once";
  EXPECT_FALSE(frm_lupa->Visible());
  EXPECT_TRUE(boxes.empty());
}

TEST_F(CElemLomTest, TheHintTextsAreTheLabelsAndTheMemoOfTheLesson) {
  Open(kRow);
  EXPECT_EQ(Get<TLabel>("nap10")->Caption(),
            "Grafem lineární lomené funkce je hyperbola. Víme, že má dvě asymptoty a ty se "
            "nejprve pokusíme určit. Potom musíme znát, zda je funkce rostoucí nebo klesající. "
            "Nejjednodušším způsobem je výpočet libovolného bodu funkce. Víme-li, kudy prochází, "
            "můžeme načrtnout graf. ");
  EXPECT_EQ(Get<TLabel>("nap20")->Caption(),
            "Protože rovnice asymptot známe, není problémem určit definiční obor a obor hodnot a "
            "ostatní vlastnosti. ");
  for (const char* memo : {"nap1a4", "nap1b4"}) {
    auto* m = Get<TMemo>(memo);
    ASSERT_NE(m, nullptr) << memo;
    EXPECT_EQ(MemoLines(memo),
              (std::vector<std::string>{"Nyní spočítejme jeden ", "konkrétní bod hyperboly:"}))
        << memo;
    EXPECT_EQ(m->Color(), clMoneyGreen) << memo;
    EXPECT_EQ(m->DragMode(), TDragMode::dmAutomatic) << memo;
  }
}

TEST_F(CElemLomTest, EveryClickablePictureOpensItsEnlargedPicture) {
  std::vector<ClickablePicture> cases = {
      {"nap1a6", "btn1a", "p1an"}, {"nap1b6", "btn1b", "p1bn"}, {"res1a1", "btn1ar", "p1a"},
      {"res1b1", "btn1br", "p1b"}, {"Image15", "", "p2a"},      {"Image37", "", "p2b"},
  };
  for (int i = 0; i < 10; ++i) {
    const std::string l(1, static_cast<char>('a' + i));
    cases.push_back({"resu1" + l + "1", "btnu1" + l, l + "2"});
    cases.push_back({kTask2Graphs[i], "", l + "2"});
    cases.push_back({"resu3" + l + "2", "btnu3" + l, l + "2"});
  }
  Open(kRow);
  // The task graphs of task 2 open before any hint or result is shown.
  for (const ClickablePicture& c : cases) {
    if (!c.reveal.empty()) continue;
    EXPECT_TRUE(Shown(c.control)) << c.control;
    Click(c.control);
    EXPECT_TRUE(Magnifies(c.picture)) << c.control;
  }
  OpensEnlarged(kFolder, cases);
  // Sixteen enlarged files, all different and larger than the pictures that open them.
  const std::map<std::string, QImage> files = EnlargedFiles(kFolder, cases, 400);
  ASSERT_EQ(files.size(), 16u);
  ExpectAllDiffer(files);
  // What shows text opens nothing.
  for (const char* n :
       {"nap1a5", "res1a2", "nap2a", "res2a", "nap3a4", "resu1a2", "resu2a", "resu3a1", "Image1"}) {
    EXPECT_FALSE(C(n)->OnClick()) << n;
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_F(CElemLomTest, TheThreeExerciseTabsShowTheSameTenFunctions) {
  Open(kRow);
  std::vector<QImage> graphs;
  for (int i = 0; i < 10; ++i) {
    const std::string l(1, static_cast<char>('a' + i));
    SCOPED_TRACE(l);
    // Each item's graph is one picture on all three tabs, the answer of task 1 on tab 1, the
    // task on tab 3 and the check of task 3 on tab 5, and the formulas of tabs 1 and 5 agree.
    EXPECT_EQ(Shows("resu1" + l + "1"), Shows(kTask2Graphs[i]));
    EXPECT_EQ(Shows("resu3" + l + "2"), Shows(kTask2Graphs[i]));
    EXPECT_EQ(Shows("Image" + std::to_string(55 + i)), Shows("Image" + std::to_string(65 + i)));
    EXPECT_EQ(SheetOf("resu1" + l + "1"), "TabSheet2");
    EXPECT_EQ(SheetOf(kTask2Graphs[i]), "TabSheet3");
    EXPECT_EQ(SheetOf("resu3" + l + "2"), "TabSheet4");
    for (const QImage& other : graphs) EXPECT_NE(Shows(kTask2Graphs[i]), other);
    graphs.push_back(Shows(kTask2Graphs[i]));
  }
}

TEST_F(CElemLomTest, TheThirdPieceOfTaskThreeStaysAboveTheTallerFourth) {
  Open(kRow);
  PickTab(4);
  for (const char* x : {"a", "b"}) {
    const std::string third = std::string("nap3") + x + "3b",
                      fourth = std::string("nap3") + x + "4";
    for (int k = 0; k < 4; ++k) Click(std::string("btn3") + x);
    ASSERT_TRUE(Shown(third) && Shown(fourth)) << x;
    TControl* t = C(third);
    TControl* f = C(fourth);
    EXPECT_EQ(t->Left(), f->Left()) << x;
    EXPECT_EQ(t->Top(), f->Top()) << x;
    EXPECT_GT(f->Height(), t->Height()) << x;
    QWidget* sheet = t->Widget()->parentWidget();
    // The upper part of the place goes to the third piece, the rest of the fourth shows below.
    EXPECT_EQ(sheet->childAt(t->Left() + 4, t->Top() + t->Height() / 2), t->Widget()) << x;
    EXPECT_EQ(sheet->childAt(f->Left() + 4, t->Top() + t->Height() + 4), f->Widget()) << x;
  }
}

TEST_F(CElemLomTest, TheSlotSurvivesReopeningAndShowingTheMainWindowZeroesIt) {
  Open(kRow);
  EXPECT_EQ(Tabs()->ActivePageIndex(), 0);
  Click("btn10");
  Click("Image15");
  PickTab(3);
  EXPECT_EQ(ExerciseTabIndex[kSlot], 3);
  EXPECT_FALSE(frm_lupa->Visible()) << "picking a tab hides the magnifier";
  Click("Image4");
  EXPECT_TRUE(Magnifies("b2"));
  ExpectReopensOn(kRow, kRow + 1, 3);
  EXPECT_FALSE(Shown("nap10")) << "a fresh page";
  EXPECT_TRUE(C("btn10")->Enabled());
  PickTab(5);
  Page()->Activate();  // back from the magnifier: the slot's tab again
  EXPECT_EQ(Tabs()->ActivePageIndex(), 5);
  ExpectRestoreForgetsTab(kRow, kSlot);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(CElemLomTest, ActivationMidHintStartsAllFourSteppedHintsOver) {
  Open(kRow);
  for (const char* b : {"btn1a", "btn1b", "btn3a", "btn3b"}) {
    Click(b);
    Click(b);
  }
  Click("btn1a");
  EXPECT_EQ(Step("btn1aClick"), 3);
  Page()->Activate();
  for (const char* h : {"btn1aClick", "btn1bClick", "btn3aClick", "btn3bClick"})
    EXPECT_EQ(Step(h), 0) << h;
  EXPECT_TRUE(Shown("nap1a3")) << "what was shown stays";
  // Three clicks show nothing new; the fourth and fifth finish the hint.
  for (int k = 0; k < 3; ++k) Click("btn1a");
  EXPECT_FALSE(Shown("nap1a4"));
  Click("btn1a");
  EXPECT_TRUE(Shown("nap1a4") && Shown("nap1a5"));
  EXPECT_TRUE(C("btn1a")->Enabled());
  Click("btn1a");
  EXPECT_TRUE(Shown("nap1a6"));
  EXPECT_FALSE(C("btn1a")->Enabled());
}

}  // namespace
