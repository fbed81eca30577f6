// The exercise page 2.5  Perioda (chapter row 39): the two worked cut-outs whose hints lay marked
// cut-outs over them, the ten cut-outs of the exercise with their answers, the enlarged pictures
// that each click opens as the overlays cover one another, and the remembered tab of slot 2.
#include <QTest>
#include <set>
#include <string>
#include <vector>

#include "exercises/unit_frmFceCVperioda.h"
#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/paths.h"
#include "platform/stdctrls.h"
#include "tests/exercises/exercise_page_fixture.h"

namespace {

constexpr char kFolder[] = "img/BIG/Vperioda/";
constexpr int kRow = 39;
const std::string kStatement =
    "Určete z následujícího výřezu grafu funkce, zda může být součástí periodické funkce s "
    "periodou menší než 10,     a pokud ano, určete tuto nejmenší periodu (celé číslo).";

// The task cut-outs of the exercise, items a) to j).
const char* const kTasks[] = {"Image1", "resu1b1", "Image3", "Image5", "Image4",
                              "Image6", "Image7",  "Image8", "Image9", "Image10"};

class CVperiodaTest : public PageTest<TfrmFceCVperioda, kFolder> {
 protected:
  void SetUp() override {
    ExerciseTest::SetUp();
    Open(kRow);
  }
  // A click of the user on the middle of `control`'s place on the active tab: the topmost
  // visible control there takes it.
  void ClickOn(const std::string& control) {
    TControl* c = C(control);
    const QPoint p(c->Left() + c->Width() / 2, c->Top() + c->Height() / 2);
    QWidget* sheet = Tabs()->ActivePage()->Widget();
    QWidget* target = sheet->childAt(p);
    ASSERT_NE(target, nullptr) << control;
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(sheet, p));
  }
};

TEST_F(CVperiodaTest, TwoTabsWithOneStatementAndTwentySevenPictures) {
  EXPECT_EQ(Page()->Caption(), "Perioda");
  EXPECT_EQ(Get<TLabel>("Perioda")->Caption(), "Perioda");
  ASSERT_NO_FATAL_FAILURE(ExpectTabs(
      {{"TabSheet1", "1", 0, "Label2", kStatement}, {"TabSheet2", "1", 1, "Label5", kStatement}}));
  // The statement wraps onto a second line within the tab.
  for (const char* statement : {"Label2", "Label5"}) {
    auto* label = Get<TLabel>(statement);
    EXPECT_EQ(label->Width(), 777) << statement;
    EXPECT_EQ(label->Height(), 33) << statement;
    EXPECT_TRUE(label->WordWrap()) << statement;
  }
  int pictures = 0;
  for (int i = 0; i < Page()->ComponentCount(); ++i) {
    auto* image = dynamic_cast<TImage*>(Page()->Components(i));
    if (image && !image->Picture().Image().isNull()) ++pictures;
  }
  EXPECT_EQ(pictures, 27);
  // The worked cut-outs: a) twice at one place, b) below it.
  for (const char* a : {"Image12", "Image14"}) {
    EXPECT_EQ(QRect(C(a)->Left(), C(a)->Top(), C(a)->Width(), C(a)->Height()),
              QRect(16, 74, 160, 57))
        << a;
  }
  EXPECT_EQ(Get<TImage>("Image12")->Picture().Image(), Get<TImage>("Image14")->Picture().Image());
  EXPECT_EQ(QRect(C("Image37")->Left(), C("Image37")->Top(), C("Image37")->Width(),
                  C("Image37")->Height()),
            QRect(16, 226, 160, 57));
  // Every task cut-out of the exercise is there from the start, b)'s despite its name.
  for (const char* t : kTasks) {
    EXPECT_TRUE(Shown(t)) << t;
    EXPECT_EQ(SheetOf(t), "TabSheet2") << t;
  }
}

TEST_F(CVperiodaTest, EveryButtonShowsItsPiecesClickByClick) {
  std::vector<HintButton> cases = {
      {"btn10", {{"nap10"}}, 1},
      {"btn1a", {{"nap1a1"}, {"nap1a2"}, {"nap1a3"}}, 3},
      {"btn1b", {{"nap1b1", "nap1b2"}, {"nap1b3", "nap1b4"}}, 2},
      {"btn1ar", {{"res1a"}, {}}, 0},
      {"btn1br", {{"res1b"}, {}}, 0},
  };
  for (char c : std::string("abcdefghij")) {
    const std::string x(1, c);
    const bool no = x == "b" || x == "d" || x == "i";
    cases.push_back({"btnu1" + x,
                     {no ? std::set<std::string>{"resu1" + x}
                         : std::set<std::string>{"resu1" + x + "1", "resu1" + x + "2"},
                      {}},
                     0});
  }
  const std::set<std::string> shown = PlayButtons(cases);
  EXPECT_EQ(shown.size(), 1u + 7u + 2u + 17u);
  EXPECT_FALSE(frm_lupa->Visible());
}

TEST_F(CVperiodaTest, TheAnswersOfEveryItem) {
  EXPECT_EQ(MemoLines("res1a"), (std::vector<std::string>{"je periodická ", "s periodou 4"}));
  EXPECT_EQ(MemoLines("res1b"), std::vector<std::string>{"není periodická"});
  EXPECT_EQ(MemoLines("nap1b1"),
            std::vector<std::string>{"Graf je opět tvořen z opakujících se "
                                     "částí, přesto nejde o periodickou funkci."});
  const std::pair<const char*, int> periods[] = {{"a", 6}, {"c", 2}, {"e", 4}, {"f", 3},
                                                 {"g", 3}, {"h", 8}, {"j", 6}};
  for (const auto& [x, p] : periods) {
    EXPECT_EQ(MemoLines(std::string("resu1") + x + "2"),
              (std::vector<std::string>{"ano, ", "nejmenší perioda je rovna " + std::to_string(p)}))
        << x;
  }
  for (const char* x : {"b", "d", "i"}) {
    EXPECT_EQ(MemoLines(std::string("resu1") + x), std::vector<std::string>{"ne"}) << x;
  }
}

TEST_F(CVperiodaTest, EachClickOpensThePictureOnTopThere) {
  // Tab 0: the hints' marked cut-outs cover the ones before them.
  ClickOn("Image14");
  EXPECT_TRUE(Magnifies("p1a"));
  ClickOn("Image37");
  EXPECT_TRUE(Magnifies("p1b")) << "before the hint";
  Click("btn1b");
  ClickOn("Image37");
  EXPECT_TRUE(Magnifies("p1b2")) << "after its first step";
  Click("btn1b");
  ClickOn("Image37");
  EXPECT_TRUE(Magnifies("p1br")) << "after its second step";
  Click("btn1a");
  Click("btn1a");
  ClickOn("Image14");
  EXPECT_TRUE(Magnifies("p1ar"));
  // Tab 1: a shown answer takes the clicks of its task cut-out; b), d), i) keep theirs.
  PickTab(1);
  EXPECT_FALSE(frm_lupa->Visible()) << "picking a tab hides the magnifier";
  const char* letters = "abcdefghij";
  for (int k = 0; k < 10; ++k) {
    const std::string x(1, letters[k]);
    const bool no = x == "b" || x == "d" || x == "i";
    EXPECT_EQ(C(kTasks[k])->Cursor(), crHandPoint) << x;
    ClickOn(kTasks[k]);
    EXPECT_TRUE(Magnifies("u1" + x)) << x;
    Click("btnu1" + x);
    ClickOn(kTasks[k]);
    EXPECT_TRUE(Magnifies(no ? "u1" + x : "u1" + x + "r")) << x;
  }
  EXPECT_TRUE(boxes.empty());
  // The layout checker knows every file the page opens.
  const TFormClass* cls = FindFormClass("TfrmFceCVperioda");
  ASSERT_NE(cls, nullptr);
  EXPECT_EQ(cls->requiredFiles.size(), 22u);
  for (const std::string& f : cls->requiredFiles) EXPECT_TRUE(FileExists(f)) << f;
}

TEST_F(CVperiodaTest, ReopeningRestartsTheHintsOnTheTabOfSlotTwo) {
  const std::set<std::string> fresh = Visible();
  Click("btn10");
  Click("btn1a");
  Page()->Activate();  // back from the magnifier: the hint starts over, nothing is hidden
  EXPECT_TRUE(Shown("nap1a1"));
  EXPECT_TRUE(ShownBy("btn1a").empty()) << "step 1 again";
  EXPECT_EQ(ShownBy("btn1a"), std::set<std::string>{"nap1a2"});
  PickTab(1);
  EXPECT_EQ(ExerciseTabIndex[2], 1);
  Click("btnu1a");
  Open(kRow);
  EXPECT_EQ(Tabs()->ActivePageIndex(), 1) << "reopened on the remembered tab";
  EXPECT_EQ(Visible(), fresh);
  EXPECT_TRUE(C("btn10")->Enabled());
  ExpectRestoreForgetsTab(kRow, 2);
}

}  // namespace
