// The exercise page 4.4  Mocninná funkce (chapter row 45): its two tabs, what every button shows
// click by click, the enlarged graphs (those of the right column named with "_as") and the
// remembered tab.
#include <set>

#include "exercises/unit_frmFceCElemMocninna.h"
#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/stdctrls.h"
#include "platform/streaming.h"
#include "tests/exercises/exercise_page_fixture.h"

namespace {

constexpr char kFolder[] = "img/BIG/Emocninna/";
const int kRow = 45, kSlot = 7;
const std::string kStatement =
    "Načrtněte graf funkce, určete její definiční obor, obor hodnot a vlastnosti.";

using CElemMocninnaTest = PageTest<TfrmFceCElemMocninna, kFolder>;

TEST_F(CElemMocninnaTest, AWorkedTabAndAnExerciseTabWithTheSameStatement) {
  Open(kRow);
  ASSERT_NO_FATAL_FAILURE(ExpectTabs(
      {{"u1", "1", 0, "Label21", kStatement}, {"TabSheet2", "1", 1, "Label24", kStatement}}));
  // Two items on the worked tab, ten in two columns of five on the exercise tab.
  for (const char* item : {"btn1a", "btn1b", "btn1ar", "btn1br", "btn10"})
    EXPECT_EQ(SheetOf(item), "u1") << item;
  for (int i = 0; i < 10; ++i) {
    const std::string l(1, static_cast<char>('a' + i));
    EXPECT_EQ(SheetOf("btnu1" + l), "TabSheet2") << l;
    EXPECT_EQ(C("btnu1" + l)->Left() > 390, i >= 5) << l;
  }
}

TEST_F(CElemMocninnaTest, EveryButtonShowsItsPiecesClickByClick) {
  std::vector<HintButton> cases = {
      {"btn10", {{"nap10"}}, 1},
      {"btn1a", {{"nap1a1b"}, {"nap1a2"}}, 2},
      {"btn1b", {{"nap1b1b"}, {"nap1b2"}}, 2},
      {"btn1ar", {{"res1a1", "res1a2"}, {}}, 0},
      {"btn1br", {{"res1b1", "res1b2"}, {}}, 0},
  };
  for (char x : std::string("abcdefghij")) {
    const std::string l(1, x);
    cases.push_back({"btnu1" + l, {{"resu1" + l + "1", "resu1" + l + "2"}, {}}, 0});
  }
  Open(kRow);
  const std::set<std::string> shown = PlayButtons(cases);
  EXPECT_EQ(shown.size(), 29u) << "every revealed piece, each once";
  EXPECT_FALSE(frm_lupa->Visible());
  EXPECT_TRUE(boxes.empty());
}

TEST_F(CElemMocninnaTest, EveryThumbnailOpensItsEnlargedGraph) {
  // The right column's graphs, of negative exponents, are named with "_as".
  const std::vector<ClickablePicture> cases = {
      {"res1a1", "btn1ar", "p1a"},      {"res1b1", "btn1br", "p1b"},
      {"resu1a1", "btnu1a", "u1ar"},    {"resu1b1", "btnu1b", "u1br"},
      {"resu1c1", "btnu1c", "u1cr"},    {"resu1d1", "btnu1d", "u1dr"},
      {"resu1e1", "btnu1e", "u1er"},    {"resu1f1", "btnu1f", "u1fr_as"},
      {"resu1g1", "btnu1g", "u1gr_as"}, {"resu1h1", "btnu1h", "u1hr_as"},
      {"resu1i1", "btnu1i", "u1ir_as"}, {"resu1j1", "btnu1j", "u1jr_as"},
  };
  Open(kRow);
  OpensEnlarged(kFolder, cases);
  const std::map<std::string, QImage> images = EnlargedFiles(kFolder, cases, 360);
  for (const auto& [n, image] : images)
    EXPECT_EQ(image.width(), 360) << n << " is larger than its thumbnail";
  EXPECT_EQ(images.size(), 12u);
  ExpectAllDiffer(images);
  // The hints, the tasks and the result texts open nothing.
  for (const char* n : {"nap1a1b", "nap1a2", "res1a2", "Image1", "resu1a2", "resu1f2"}) {
    EXPECT_FALSE(C(n)->OnClick()) << n;
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_F(CElemMocninnaTest, TheSlotSurvivesReopeningAndShowingTheMainWindowZeroesIt) {
  Open(kRow);
  EXPECT_EQ(Tabs()->ActivePageIndex(), 0);
  Click("btn1ar");
  Click("res1a1");
  PickTab(1);
  EXPECT_EQ(ExerciseTabIndex[kSlot], 1);
  EXPECT_FALSE(frm_lupa->Visible()) << "picking a tab hides the magnifier";
  ExpectReopensOn(kRow, kRow - 1, 1);
  EXPECT_FALSE(Shown("res1a1")) << "a fresh page";
  ExpectRestoreForgetsTab(kRow, kSlot);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(CElemMocninnaTest, ActivationMidHintStartsTheSteppedHintsOver) {
  Open(kRow);
  Click("btn1a");
  Click("btn1b");
  EXPECT_EQ(Step("btn1aClick"), 1);
  Page()->Activate();  // back from the magnifier
  EXPECT_EQ(Step("btn1aClick"), 0);
  EXPECT_EQ(Step("btn1bClick"), 0);
  EXPECT_TRUE(Shown("nap1a1b")) << "what was shown stays";
  Click("btn1a");  // step 1 again: nothing new
  EXPECT_FALSE(Shown("nap1a2"));
  EXPECT_TRUE(C("btn1a")->Enabled());
  Click("btn1a");
  EXPECT_TRUE(Shown("nap1a2"));
  EXPECT_FALSE(C("btn1a")->Enabled());
}

}  // namespace
