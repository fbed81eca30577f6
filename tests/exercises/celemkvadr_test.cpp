// The exercise page 4.2  Kvadratická funkce (chapter row 43): its ten tabs, what every button
// shows click by click, the pictures that open enlarged, and the remembered tab.
#include <map>
#include <set>

#include "exercises/unit_frmFceCElemKvadr.h"
#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/stdctrls.h"
#include "platform/streaming.h"
#include "tests/exercises/exercise_page_fixture.h"

namespace {

constexpr char kFolder[] = "img/BIG/Ekvadr/";
const int kRow = 43;
const std::string kStatement1 =
    "Načrtněte graf funkce, využijte přitom její vrchol a průsečík s osou ";
const std::string kStatement2 =
    "Určete z grafu funkce její vrchol, definiční obor, obor hodnot a vlastnosti.";
const std::string kStatement3 =
    "Určete průsečíky grafu funkce s osami souřadnic. Zapište funkci tak, abyste využili v "
    "předpisu "
    "průsečíky s osou ";
const std::string kStatement4 =
    "Načrtněte graf funkce                               . Do stejného "
    "grafu načrtněte i graf funkce                  a popište změnu.  ";
const std::string kItems = "abcdefghij";

std::string L(char x) {
  return std::string(1, x);
}

using CElemKvadrTest = PageTest<TfrmFceCElemKvadr, kFolder>;

TEST_F(CElemKvadrTest, TenTabsWithTheirKindsStatementsAndThePicturesInTheStatements) {
  const std::vector<TabRow> tabs = {
      {"u1", "1 a-b", 0, "Label21", kStatement1},
      {"TabSheet6", "1 c-d", 0, "Label24", kStatement1},
      {"TabSheet2", "1", 1, "Label27", kStatement1},
      {"u2", "2", 0, "Label38", kStatement2},
      {"TabSheet3", "2", 1, "Label41", kStatement2},
      {"u3", "3", 0, "Label52", kStatement3},
      {"TabSheet4", "3", 1, "Label55", kStatement3.substr(0, kStatement3.size() - 1)},
      {"TabSheet1", "4 a-b", 0, "Label66", kStatement4},
      {"TabSheet7", "4 c-d", 0, "Label69", kStatement4},
      {"TabSheet5", "4", 1, "Label72", kStatement4},
  };
  // The pictures standing in each tab's statement text.
  const std::vector<const char*> inStatement[] = {
      {"Image6"},
      {"Image7"},
      {"Image8"},
      {},
      {},
      {"Image9"},
      {"Image10"},
      {"Image11", "Image14"},
      {"Image39", "Image43"},
      {"Image44", "Image45"},
  };
  Open(kRow);
  EXPECT_EQ(Page()->Caption(), "Kvadratická funkce");
  ASSERT_NO_FATAL_FAILURE(ExpectTabs(tabs));
  for (size_t i = 0; i < tabs.size(); ++i) {
    SCOPED_TRACE(i);
    TControl* label = C(tabs[i].label);
    for (const char* picture : inStatement[i]) {
      TControl* p = C(picture);
      EXPECT_EQ(SheetOf(picture), tabs[i].sheet) << picture;
      EXPECT_TRUE(p->Visible()) << picture;
      // On the statement's line, inside the label.
      EXPECT_GE(p->Left(), label->Left()) << picture;
      EXPECT_LE(p->Left() + p->Width(), label->Left() + label->Width()) << picture;
      EXPECT_LT(std::abs(p->Top() - label->Top()), 4) << picture;
    }
  }
}

TEST_F(CElemKvadrTest, EveryButtonShowsItsPiecesClickByClick) {
  std::vector<HintButton> cases = {
      {"btn10", {{"nap10"}}, 1},      {"btn10b", {{"nap10b"}}, 1},
      {"btn20", {{"nap20"}}, 1},      {"SpeedButton14", {{"nap30"}}, 1},
      {"btn40", {{"nap40"}}, 1},      {"btn40b", {{"nap40b"}}, 1},
      {"btn2a", {{"nap2a"}}, 1},      {"btn2b", {{"nap2b"}}, 1},
      {"btn2ar", {{"res2a"}, {}}, 0}, {"btn2br", {{"res2b"}, {}}, 0},
  };
  for (char x : std::string("abcd")) {
    // Three steps, the third disables; a fourth click would find the button disabled.
    cases.push_back(
        {"btn1" + L(x), {{"nap1" + L(x) + "1"}, {"nap1" + L(x) + "2"}, {"nap1" + L(x) + "3"}}, 3});
    cases.push_back({"btn1" + L(x) + "r", {{"res1" + L(x) + "1", "res1" + L(x) + "2"}, {}}, 0});
    cases.push_back({"btn4" + L(x), {{"nap4" + L(x)}}, 1});
    cases.push_back({"btn4" + L(x) + "r", {{"res4" + L(x) + "1", "res4" + L(x) + "2"}, {}}, 0});
  }
  for (char x : std::string("ab")) {
    cases.push_back({"btn3" + L(x), {{"nap3" + L(x) + "1"}, {"nap3" + L(x) + "2"}}, 2});
    cases.push_back({"btn3" + L(x) + "r", {{"res3" + L(x)}, {}}, 0});
  }
  for (char x : kItems) {
    cases.push_back({"btnu1" + L(x), {{"resu1" + L(x) + "1", "resu1" + L(x) + "2"}, {}}, 0});
    cases.push_back({"btnu2" + L(x), {{"resu2" + L(x)}, {}}, 0});
    cases.push_back({"btnu3" + L(x), {{"resu3" + L(x)}, {}}, 0});
    cases.push_back({"btnu4" + L(x), {{"resu4" + L(x) + "1", "resu4" + L(x) + "2"}, {}}, 0});
  }
  ASSERT_EQ(cases.size(), 70u);
  Open(kRow);
  const std::set<std::string> shown = PlayButtons(cases);
  EXPECT_EQ(shown.size(), 108u) << "every revealed piece, each once";
  EXPECT_FALSE(frm_lupa->Visible());
  EXPECT_TRUE(boxes.empty());
}

TEST_F(CElemKvadrTest, EveryClickablePictureOpensItsEnlargedPicture) {
  std::vector<ClickablePicture> cases = {{"Image15", "", "p2a"}, {"Image37", "", "p2b"}};
  const char* task2[] = {"u2a",     "Image4",  "Image12", "Image13", "Image38",
                         "Image53", "Image52", "Image42", "Image41", "Image40"};
  for (char x : std::string("abcd")) {
    cases.push_back({"res1" + L(x) + "1", "btn1" + L(x) + "r", "p1" + L(x)});
    cases.push_back({"nap4" + L(x), "btn4" + L(x), "p4" + L(x) + "n"});
    cases.push_back({"res4" + L(x) + "1", "btn4" + L(x) + "r", "p4" + L(x) + "r"});
  }
  for (size_t i = 0; i < kItems.size(); ++i) {
    const std::string x = L(kItems[i]);
    cases.push_back({"resu1" + x + "1", "btnu1" + x, "u1" + x + "r"});
    cases.push_back({task2[i], "", "u2" + x});
    // Both result pieces of task 4 open the item's one picture.
    cases.push_back({"resu4" + x + "1", "btnu4" + x, "u4" + x});
    cases.push_back({"resu4" + x + "2", "btnu4" + x, "u4" + x});
  }
  ASSERT_EQ(cases.size(), 54u);
  Open(kRow);
  // The second piece of task 4 comes with the first.
  OpensEnlarged(kFolder, cases);
  const std::map<std::string, QImage> images = EnlargedFiles(kFolder, cases, 1);
  ASSERT_EQ(images.size(), 44u) << "the enlarged files of the page";
  ExpectAllDiffer(images);
  // The second piece of item c) opens the same picture as its thumbnail.
  EXPECT_EQ(C("resu4c2")->OnClick().Name(), "resu4c1Click");
  EXPECT_TRUE(boxes.empty());
}

TEST_F(CElemKvadrTest, TheLayoutCheckerKnowsEveryControlAndEveryEnlargedFile) {
  const TFormClass* cls = FindFormClass("TfrmFceCElemKvadr");
  ASSERT_NE(cls, nullptr);
  const std::set<std::string> files(cls->requiredFiles.begin(), cls->requiredFiles.end());
  const std::set<std::string> names(cls->requiredNames.begin(), cls->requiredNames.end());
  std::vector<std::string> pictures = {"p2a", "p2b"};
  for (char x : std::string("abcd")) {
    for (const std::string& p : {"p1" + L(x), "p4" + L(x) + "n", "p4" + L(x) + "r"})
      pictures.push_back(p);
  }
  for (char x : kItems) {
    for (const std::string& p : {"u1" + L(x) + "r", "u2" + L(x), "u4" + L(x)})
      pictures.push_back(p);
  }
  std::set<std::string> expected;
  for (const std::string& p : pictures) expected.insert(kFolder + p + "_big.jpg");
  EXPECT_EQ(files, expected);
  EXPECT_EQ(files.size(), 44u);
  for (const char* n :
       {"priklady", "nap1d3", "nap3b2", "nap30", "nap40b", "res4d2", "resu3j", "resu4j2"})
    EXPECT_TRUE(names.count(n)) << n;
}

TEST_F(CElemKvadrTest, TheOtherPiecesCannotBeEnlarged) {
  Open(kRow);
  std::vector<std::string> plain;
  for (char x : kItems) {
    plain.push_back("resu1" + L(x) + "2");
    plain.push_back("resu2" + L(x));
    plain.push_back("resu3" + L(x));
  }
  for (char x : std::string("abcd")) {
    plain.push_back("res1" + L(x) + "2");
    plain.push_back("res4" + L(x) + "2");
    for (int n = 1; n <= 3; ++n) plain.push_back("nap1" + L(x) + std::to_string(n));
  }
  for (const char* n : {"res2a", "res3a", "nap2a", "nap3a1", "nap3b2", "nap10", "nap30"})
    plain.push_back(n);
  for (const std::string& n : plain) {
    EXPECT_FALSE(C(n)->OnClick()) << n;
    EXPECT_NE(C(n)->Cursor(), crHandPoint) << n;
  }
}

TEST_F(CElemKvadrTest, TheSlotOfThePageSurvivesReopeningAndShowingTheMainWindowZeroesIt) {
  Open(kRow);
  EXPECT_EQ(Tabs()->ActivePageIndex(), 0);
  PickTab(9);
  Click("btnu4a");
  Click("resu4a2");
  EXPECT_TRUE(Magnifies("u4a"));
  PickTab(7);
  EXPECT_EQ(ExerciseTabIndex[5], 7);
  EXPECT_FALSE(frm_lupa->Visible()) << "picking a tab hides the magnifier";
  ExpectReopensOn(kRow, 42, 7);
  EXPECT_FALSE(Shown("resu4a1")) << "a fresh page";
  PickTab(2);
  Page()->Activate();  // back from the magnifier: the slot's tab again
  EXPECT_EQ(Tabs()->ActivePageIndex(), 2);
  ExpectRestoreForgetsTab(kRow, 5);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(CElemKvadrTest, SteppedHintsStartOverOnActivationAndOnReopening) {
  Open(kRow);
  PickTab(1);
  Click("btn1c");
  Click("btn1c");
  EXPECT_EQ(Step("btn1cClick"), 2);
  Click("btn3a");
  Page()->Activate();
  for (const char* h :
       {"btn1aClick", "btn1bClick", "btn1cClick", "btn1dClick", "btn3aClick", "btn3bClick"})
    EXPECT_EQ(Step(h), 0) << h;
  // Part-way when activated: the next click repeats step 1, two more finish the hint.
  Click("btn1c");
  EXPECT_FALSE(Shown("nap1c3"));
  Click("btn1c");
  EXPECT_FALSE(Shown("nap1c3"));
  EXPECT_TRUE(C("btn1c")->Enabled());
  Click("btn1c");
  EXPECT_TRUE(Shown("nap1c3"));
  EXPECT_FALSE(C("btn1c")->Enabled());
  // A fresh page: btn1c works again from its first step.
  Open(kRow);
  EXPECT_EQ(Step("btn1cClick"), 0);
  EXPECT_TRUE(C("btn1c")->Enabled());
  EXPECT_FALSE(Shown("nap1c1"));
  Click("btn1c");
  EXPECT_TRUE(Shown("nap1c1"));
  EXPECT_FALSE(Shown("nap1c2"));
}

}  // namespace
