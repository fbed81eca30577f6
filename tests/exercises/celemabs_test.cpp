// The exercise page 4.9  Funkce s absolutní hodnotou (chapter row 56): eight tabs, the stepped
// hints of eight and six steps click by click, the results, the enlarged pictures (the captions
// of task 3 open the first graph of their row) and the remembered tab.
#include <set>

#include "exercises/unit_frmFceCElemAbs.h"
#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/stdctrls.h"
#include "platform/streaming.h"
#include "tests/exercises/exercise_page_fixture.h"

namespace {

constexpr char kFolder[] = "img/BIG/Eabs/";
const int kRow = 56, kSlot = 17;

using CElemAbsTest = PageTest<TfrmFceCElemAbs, kFolder>;

TEST_F(CElemAbsTest, EightTabsInOrderWithTheirStatements) {
  const std::string linear = "Načrtněte graf lineární funkce s absolutní hodnotou. ";
  const std::string compare =
      "Načrtněte graf funkce, srovnejte tento graf s grafem funkce           .";
  const std::string further = "Načrtněte graf funkce s absolutní hodnotou.";
  Open(kRow);
  EXPECT_EQ(Page()->Caption(), "Funkce s absolutní hodnotou");
  EXPECT_EQ(Get<TLabel>("Label4")->Caption(), "4.9");
  ASSERT_NO_FATAL_FAILURE(ExpectTabs({
      {"u2", "1 a", 0, "Label2", linear},
      {"TabSheet1", "1 b", 0, "Label14", linear},
      {"TabSheet2", "1", 1, "Label8", linear},
      {"u1", "2", 0, "Label13", compare},
      {"TabSheet3", "2", 1, "Label9", compare},
      {"u3", "3 a", 0, "Label23", further},
      {"TabSheet5", "3 b", 0, "Label15", further},
      {"TabSheet4", "3", 1, "Label10", further},
  }));
  // The formula of task 2 lies over the run of blanks of both statements.
  EXPECT_EQ(SheetOf("Image5"), "u1");
  EXPECT_EQ(SheetOf("Image4"), "TabSheet3");
}

TEST_F(CElemAbsTest, EveryButtonShowsItsPiecesClickByClick) {
  auto eight = [](const std::string& item, std::set<std::string> last) {
    const std::string n = "nap" + item;
    return HintButton{"btn" + item,
                      {{n + "1"},
                       {n + "2"},
                       {n + "3"},
                       {n + "4"},
                       {n + "5"},
                       {n + "6"},
                       {n + "20"},
                       std::move(last)},
                      8};
  };
  auto six = [](const std::string& item) {
    const std::string n = "nap" + item;
    return HintButton{"btn" + item,
                      {{n + "1"},
                       {n + "2"},
                       {n + "3"},
                       {n + "4"},
                       {n + "5"},
                       {n + "6", n + "7", n + "8", n + "9", n + "10", n + "11"}},
                      6};
  };
  std::vector<HintButton> cases = {
      {"btn10", {{"nap10"}}, 1},
      {"btn10b", {{"nap10b"}}, 1},
      {"btn20", {{"nap20"}}, 1},
      {"btn30", {{"nap30"}}, 1},
      {"btn30b", {{"nap30b"}}, 1},
      eight("1a", {"nap1a7", "nap1a8", "nap1a9", "nap1a10", "nap1a11"}),
      eight("1b", {"nap1b7", "nap1b8", "nap1b9", "nap1b10", "nap1b11", "nap1b12", "nap1b13"}),
      six("2a"),
      six("2b"),
      eight("3a", {"nap3a7", "nap3a8", "nap3a9", "nap3a10", "nap3a11", "nap3a12", "nap3a13"}),
      eight("3b", {"nap3b7", "nap3b8", "nap3b9", "nap3b11", "nap3b12"}),
      {"btn1ar", {{"res1a"}, {}}, 0},
      {"btn1br", {{"res1b"}, {}}, 0},
      {"btn2ar", {{"res2a1", "res2a2"}, {}}, 0},
      {"btn2br", {{"res2b1", "res2b2"}, {}}, 0},
      {"btn3ar", {{"res3a"}, {}}, 0},
      {"btn3br", {{"res3b"}, {}}, 0},
  };
  for (char x : std::string("abcdefghij")) {
    const std::string l(1, x);
    // The pencil of 1 b) runs the handler with the misspelt name.
    cases.push_back({"btnu1" + l,
                     {{"resu1" + l + "1", "resu1" + l + "2"}, {}},
                     0,
                     x == 'b' ? "btnu1bClic" : ""});
    cases.push_back({"btnu2" + l, {{"u2" + l}, {}}, 0});
    std::set<std::string> third = {"resu3" + l + "1", "resu3" + l + "2"};
    if (x == 'j') third.insert({"resu3j3", "resu3j4"});
    cases.push_back({"btnu3" + l, {third, {}}, 0});
  }
  Open(kRow);
  const std::set<std::string> shown = PlayButtons(cases);
  EXPECT_EQ(shown.size(), 5u + 12 + 14 + 2 * 11 + 14 + 12 + 8 + 20 + 10 + 22);
  EXPECT_TRUE(dynamic_cast<TShape*>(C("resu3j3")) != nullptr);
  EXPECT_EQ(Get<TLabel>("resu3j4")->Caption(), "úprava plyne z lichosti funkce sinus");
  EXPECT_TRUE(boxes.empty());
}

TEST_F(CElemAbsTest, TheMemosHoldTheirLines) {
  struct Case {
    const char* memo;
    std::vector<std::string> lines;
  };
  const std::vector<std::string> removeAll = {
      "Odstraníme absolutní hodnoty a vyjádříme předpisy funkce ", "pro jednotlivé intervaly."};
  const std::vector<std::string> draw = {
      "V každém intervalu načrtneme graf podle odpovídajícího předpisu."};
  const Case cases[] = {
      {"nap1a1", {"V předpisu funkce je jedna absolutní ", "hodnota, najdeme její nulový bod."}},
      {"nap1b1", {"V předpisu funkce jsou dvě absolutní ", "hodnoty, najdeme jejich nulové body."}},
      {"nap3a1", {"V předpisu funkce je jedna absolutní ", "hodnota, najdeme její nulové body."}},
      {"nap3b1", {"V předpisu funkce je jedna absolutní ", "hodnota, najdeme její nulové body."}},
      {"nap1a5", removeAll},
      {"nap1b5", removeAll},
      {"nap3a5", removeAll},
      {"nap3b5", removeAll},
      {"nap1a20", draw},
      {"nap1b20", draw},
      {"nap3a20", draw},
      {"nap3b20", draw},
      {"nap2a1", {"Najdeme nulový bod."}},
      {"nap2b1", {"Najdeme nulový bod."}},
      {"nap2a5", {"Odstraníme absolutní hodnotu a dořešíme."}},
      {"nap2b5", {"Odstraníme absolutní hodnotu a dořešíme."}},
  };
  Open(kRow);
  for (const Case& c : cases) {
    EXPECT_EQ(MemoLines(c.memo), c.lines) << c.memo;
    EXPECT_EQ(Get<TMemo>(c.memo)->Color(), clMoneyGreen) << c.memo;
    EXPECT_EQ(Get<TMemo>(c.memo)->DragMode(), TDragMode::dmAutomatic) << c.memo;
  }
}

TEST_F(CElemAbsTest, EveryClickablePictureOpensItsEnlargedPicture) {
  std::vector<ClickablePicture> cases = {
      {"res1a", "btn1ar", "p1a4"},
      {"res1b", "btn1br", "p1b5"},
      {"res2a1", "btn2ar", "p2a4"},
      {"res2b1", "btn2br", "p2b4"},
      {"res3a", "btn3ar", "p3a5"},
      {"res3b", "btn3br", "p3b4"},
      {"nap1a7", "btn1a", "p1a1"},
      {"nap1a8", "btn1a", "p1a2"},
      {"nap1a9", "btn1a", "p1a3"},
      {"nap1b7", "btn1b", "p1b1"},
      {"nap1b8", "btn1b", "p1b2"},
      {"nap1b9", "btn1b", "p1b3"},
      {"nap1b10", "btn1b", "p1b4"},
      {"nap2a7", "btn2a", "p2a1"},
      {"nap2a8", "btn2a", "p2a2"},
      {"nap2a9", "btn2a", "p2a3"},
      {"nap2b7", "btn2b", "p2b1"},
      {"nap2b8", "btn2b", "p2b2"},
      {"nap2b9", "btn2b", "p2b3"},
      {"nap3a7", "btn3a", "p3a1"},
      {"nap3a8", "btn3a", "p3a2"},
      {"nap3a9", "btn3a", "p3a3"},
      {"nap3a10", "btn3a", "p3a4"},
      {"nap3b7", "btn3b", "p3b1"},
      {"nap3b8", "btn3b", "p3b2"},
      {"nap3b9", "btn3b", "p3b3"},
      // The formulas under the pieces of task 3 open the first graph of their row.
      {"nap3a11", "btn3a", "p3a1"},
      {"nap3a12", "btn3a", "p3a1"},
      {"nap3a13", "btn3a", "p3a1"},
      {"nap3b11", "btn3b", "p3b1"},
      {"nap3b12", "btn3b", "p3b1"},
  };
  for (int i = 0; i < 10; ++i) {
    const std::string l(1, static_cast<char>('a' + i));
    cases.push_back({"resu1" + l + "1", "btnu1" + l, "u1" + l + "r1"});
    cases.push_back({"resu1" + l + "2", "btnu1" + l, "u1" + l + "r2"});
    cases.push_back({"u2" + l, "btnu2" + l, "u2" + l + "r"});
    cases.push_back({"resu3" + l + "1", "btnu3" + l, "u3" + l + "r"});
  }
  Open(kRow);
  OpensEnlarged(kFolder, cases);
  const std::map<std::string, QImage> files = EnlargedFiles(kFolder, cases, 400);
  ASSERT_EQ(files.size(), 66u);
  ExpectAllDiffer(files);
  // Not clickable: the texts of task 2, the second results of task 3 and the captions of tasks
  // 1 and 2.
  for (const char* n : {"res2a2", "res2b2", "resu3a2", "resu3j2", "resu3j3", "resu3j4", "nap1a10",
                        "nap1b13", "nap2a10", "nap2b11", "nap1a2", "nap2a6"}) {
    EXPECT_FALSE(C(n)->OnClick()) << n;
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_F(CElemAbsTest, TheSlotSurvivesReopeningAndActivationRestartsTheHints) {
  Open(kRow);
  EXPECT_EQ(Tabs()->ActivePageIndex(), 0) << "the first opening shows tab 1 a";
  for (int k = 0; k < 3; ++k) Click("btn1a");
  Click("btn3b");
  EXPECT_EQ(Step("btn1aClick"), 3);
  Page()->Activate();
  for (const char* h :
       {"btn1aClick", "btn1bClick", "btn2aClick", "btn2bClick", "btn3aClick", "btn3bClick"}) {
    EXPECT_EQ(Step(h), 0) << h;
  }
  EXPECT_TRUE(Shown("nap1a3")) << "what was shown stays";
  for (int k = 0; k < 7; ++k) Click("btn1a");
  EXPECT_FALSE(Shown("nap1a7"));
  EXPECT_TRUE(C("btn1a")->Enabled());
  Click("btn1a");
  EXPECT_TRUE(Shown("nap1a7") && Shown("nap1a11"));
  EXPECT_FALSE(C("btn1a")->Enabled());
  PickTab(7);
  EXPECT_EQ(ExerciseTabIndex[kSlot], 7);
  ExpectReopensOn(kRow, kRow + 1, 7);
  EXPECT_FALSE(Shown("nap1a1")) << "a fresh page";
  EXPECT_TRUE(C("btn1a")->Enabled());
  ExpectRestoreForgetsTab(kRow, kSlot);
  EXPECT_TRUE(boxes.empty());
}

}  // namespace
