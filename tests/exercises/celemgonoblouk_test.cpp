// The exercise page 4.7  Goniometrické funkce — oblouková míra (chapter row 48): its four tabs,
// the three-step hints whose pictures replace one another, the results of task 2 laid over the
// item above its hint, a page that never shows the magnifier, and the remembered tab.
#include <QWidget>
#include <set>

#include "exercises/unit_frmFceCElemGonOblouk.h"
#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/stdctrls.h"
#include "platform/streaming.h"
#include "tests/exercises/exercise_page_fixture.h"

namespace {

const int kRow = 48, kSlot = 10;
const std::string kStatement1 = "Převeďte zadaný úhel ve stupních na úhel v obloukové míře.";
const std::string kStatement2 = "Převeďte zadaný úhel v obloukové míře na stupně.";

using CElemGonObloukTest = PageTest<TfrmFceCElemGonOblouk>;

TEST_F(CElemGonObloukTest, FourTabsInOrderWithTheirKindsAndStatements) {
  Open(kRow);
  EXPECT_EQ(Page()->Caption(), "Goniometrické funkce — oblouková míra");
  ExpectTabs({
      {"u2", "1", 0, "Label2", kStatement1},
      {"TabSheet3", "1", 1, "Label8", kStatement1},
      {"u3", "2", 0, "Label13", kStatement2},
      {"TabSheet4", "2", 1, "Label5", kStatement2},
  });
}

TEST_F(CElemGonObloukTest, EveryButtonShowsItsPiecesClickByClick) {
  std::vector<HintButton> cases = {{"btn10", {{"nap10"}}, 1}, {"btn20", {{"nap20"}}, 1}};
  for (char x : std::string("ab")) {
    const std::string l(1, x);
    cases.push_back({"btn1" + l,
                     {{"nap1" + l + "1"},
                      {"nap1" + l + "2a", "nap1" + l + "2b"},
                      {"nap1" + l + "3a", "nap1" + l + "3b"}},
                     3});
    cases.push_back({"btn1" + l + "r", {{"res1" + l}, {}}, 0});
    cases.push_back({"btn2" + l, {{"nap2" + l}}, 1});
    cases.push_back({"btn2" + l + "r", {{"res2" + l}, {}}, 0});
  }
  for (char x : std::string("abcdefghij")) {
    const std::string l(1, x);
    cases.push_back({"btnu1" + l, {{"resu1" + l}, {}}, 0});
    cases.push_back({"btnu2" + l, {{"resu2" + l}, {}}, 0});
  }
  Open(kRow);
  const std::set<std::string> shown = PlayButtons(cases);
  EXPECT_EQ(shown.size(), 2u + 2 * 8 + 10 * 2) << "every revealed piece, each once";
  // A finished stepped hint takes no fourth click.
  for (const char* b : {"btn1a", "btn1b"}) EXPECT_FALSE(C(b)->Enabled()) << b;
  EXPECT_TRUE(boxes.empty());
}

TEST_F(CElemGonObloukTest, TheHintMemosAreTheLessonsWords) {
  Open(kRow);
  for (const char* x : {"a", "b"}) {
    const std::string rule = std::string("nap1") + x + "2b",
                      decimal = std::string("nap1") + x + "3b";
    ASSERT_TRUE(Get<TMemo>(rule) && Get<TMemo>(decimal)) << x;
    EXPECT_EQ(MemoLines(rule), std::vector<std::string>{"Využijeme znalosti trojčlenky."});
    EXPECT_EQ(MemoLines(decimal), (std::vector<std::string>{
                                      "Úhel můžeme vyjádřit i jako desetinné číslo; v tom případě ",
                                      "musíme užít jednotku rad (radián), aby bylo zřejmé, ",
                                      "že se jedná o obloukovou míru, ne o míru stupňovou."}));
    EXPECT_EQ(Get<TMemo>(decimal)->DragMode(), TDragMode::dmAutomatic);
  }
}

TEST_F(CElemGonObloukTest, EachHintStepCoversThePictureOfTheStepBefore) {
  Open(kRow);
  for (const char* x : {"a", "b"}) {
    const std::string n = std::string("nap1") + x;
    const std::string pictures[] = {n + "1", n + "2a", n + "3a"};
    for (int k = 0; k < 3; ++k) {
      Click(std::string("btn1") + x);
      EXPECT_EQ(TopAt(pictures[0]), C(pictures[k])->Widget()) << x << " step " << k + 1;
      EXPECT_EQ(C(pictures[k])->Left(), C(pictures[0])->Left());
      EXPECT_EQ(C(pictures[k])->Top(), C(pictures[0])->Top());
    }
    EXPECT_EQ(Step(std::string("btn1") + x + "Click"), 3);
  }
}

TEST_F(CElemGonObloukTest, AResultOfTaskTwoStaysAboveItsHintWhateverTheOrder) {
  struct Case {
    std::string item, hint, result;
    bool resultFirst;
  };
  const Case cases[] = {
      {"Image5", "nap2a", "res2a", true},
      {"Image6", "nap2b", "res2b", false},
      {"Image30", "", "resu2a", false},
      {"Image39", "", "resu2j", false},
  };
  Open(kRow);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.result);
    PickTab(c.hint.empty() ? 3 : 2);
    EXPECT_EQ(TopAt(c.item), C(c.item)->Widget()) << "the item alone at first";
    const std::string pencil =
        c.hint.empty() ? "btnu2" + c.result.substr(5) : "btn2" + c.result.substr(4) + "r";
    if (c.hint.empty()) {
      Click(pencil);
    } else if (c.resultFirst) {
      Click(pencil);
      Click("btn2" + c.result.substr(4));
    } else {
      Click("btn2" + c.result.substr(4));
      EXPECT_EQ(TopAt(c.item), C(c.hint)->Widget()) << "the hint over the item";
      Click(pencil);
    }
    EXPECT_EQ(TopAt(c.item), C(c.result)->Widget());
    for (const std::string& n : {c.hint, c.result}) {
      if (n.empty()) continue;
      EXPECT_EQ(C(n)->Left(), C(c.item)->Left());
      EXPECT_EQ(C(n)->Top(), C(c.item)->Top());
    }
  }
}

TEST_F(CElemGonObloukTest, NoClickShowsTheMagnifierAndATabChangeHidesOneLeftOpen) {
  // The enlarged graph of page 4.3, left open; this page picks a tab and it goes.
  Open(44);
  Click("Image15");
  ASSERT_TRUE(frm_lupa->Visible());
  Open(kRow);
  PickTab(2);
  EXPECT_FALSE(frm_lupa->Visible());
  // Every control with a click handler, clicked whatever it shows: none calls the magnifier.
  for (int t = 0; t < 4; ++t) {
    PickTab(t);
    TTabSheet* sheet = Tabs()->Pages(t);
    for (int i = 0; i < sheet->ControlCount(); ++i) {
      TControl* c = sheet->Controls(i);
      if (c->OnClick() && c->Enabled()) Click(std::string(c->Name()));
    }
    for (int i = 0; i < sheet->ControlCount(); ++i) {
      TControl* c = sheet->Controls(i);
      if (dynamic_cast<TImage*>(c)) {
        EXPECT_FALSE(c->OnClick()) << c->Name() << " opens nothing";
        EXPECT_NE(c->Cursor(), crHandPoint) << c->Name();
      }
    }
  }
  EXPECT_FALSE(frm_lupa->Visible());
  EXPECT_TRUE(boxes.empty());
}

TEST_F(CElemGonObloukTest, TheSlotSurvivesReopeningAndShowingTheMainWindowZeroesIt) {
  Open(kRow);
  EXPECT_EQ(Tabs()->ActivePageIndex(), 0);
  Click("btn10");
  Click("btn1a");
  PickTab(3);
  EXPECT_EQ(ExerciseTabIndex[kSlot], 3);
  ExpectReopensOn(kRow, kRow + 1, 3);
  EXPECT_FALSE(Shown("nap10")) << "a fresh page";
  EXPECT_TRUE(C("btn10")->Enabled());
  EXPECT_EQ(Step("btn1aClick"), 0);
  PickTab(1);
  Page()->Activate();
  EXPECT_EQ(Tabs()->ActivePageIndex(), 1);
  ExpectRestoreForgetsTab(kRow, kSlot);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(CElemGonObloukTest, ActivationMidHintStartsBothSteppedHintsOver) {
  Open(kRow);
  Click("btn1a");
  Click("btn1a");
  Click("btn1b");
  Page()->Activate();
  EXPECT_EQ(Step("btn1aClick"), 0);
  EXPECT_EQ(Step("btn1bClick"), 0);
  EXPECT_TRUE(Shown("nap1a2a")) << "what was shown stays";
  // Two clicks show nothing new; the third finishes the hint.
  Click("btn1a");
  Click("btn1a");
  EXPECT_FALSE(Shown("nap1a3a"));
  EXPECT_TRUE(C("btn1a")->Enabled());
  Click("btn1a");
  EXPECT_TRUE(Shown("nap1a3a") && Shown("nap1a3b"));
  EXPECT_FALSE(C("btn1a")->Enabled());
}

}  // namespace
