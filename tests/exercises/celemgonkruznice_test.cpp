// The exercise page 4.7  Goniometrické funkce — jednotková kružnice (chapter row 49): its three
// tabs, the five-step hints of the four worked examples (whose controls carry the letters d, b,
// c, a), the circles that replace one another, the enlarged pictures, and the remembered tab in
// the slot it shares with the goniometry revision page.
#include <QWidget>
#include <set>

#include "exercises/unit_frmFceCElemGonKruznice.h"
#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/stdctrls.h"
#include "platform/streaming.h"
#include "tests/exercises/exercise_page_fixture.h"

namespace {

constexpr char kFolder[] = "img/BIG/Egoniom_Kruznice/";
const int kRow = 49, kSlot = 11;
const std::string kStatement =
    "S pomocí jednotkové kružnice rozhodněte, zda je funkční hodnota goniometrické funkce daného "
    "úhlu kladná, záporná, nebo rovna nule. ";
const std::string kTaskHint =
    "Nejprve se naučte určit úhel na jednotkové kružnici. Zopakujte si definice goniometrických "
    "funkcí. Určete ke každému příkladu všechny úhly, ve kterých nabývají jednotlivé funkce "
    "kladných, respektive záporných, hodnot. ";

// The pieces of a worked example's steps, and its circles in the order they are shown.
struct Worked {
  std::string button;
  std::vector<std::set<std::string>> steps;
  std::vector<std::string> circles;
};
const Worked kWorked[] = {
    {"btn3d",
     {{"nap3d1", "nap3d"}, {"nap3d2"}, {"nap3d3"}, {"nap3d4", "nap3d5"}, {"nap3d6", "nap3d7"}},
     {"nap3d", "nap3d2", "nap3d4", "nap3d7"}},
    {"btn3b",
     {{"nap3b2", "nap3b"},
      {"nap3b1", "nap3b3"},
      {"nap3b4"},
      {"nap3b5", "nap3b6"},
      {"nap3b7", "nap3b8"}},
     {"nap3b", "nap3b3", "nap3b5", "nap3b8"}},
    {"btn3c",
     {{"nap3c1", "nap3c"}, {"nap3c2"}, {"nap3c3"}, {"nap3c4", "nap3c5"}, {"nap3c6", "nap3c7"}},
     {"nap3c", "nap3c2", "nap3c4", "nap3c7"}},
    {"btn3a",
     {{"nap3a1", "nap3a"}, {"nap3a2"}, {"nap3a3"}, {"nap3a4", "nap3a5"}, {"nap3a6", "nap3a7"}},
     {"nap3a", "nap3a2", "nap3a4", "nap3a7"}},
};

using CElemGonKruzniceTest = PageTest<TfrmFceCElemGonKruznice, kFolder>;

TEST_F(CElemGonKruzniceTest, ThreeTabsInOrderWithTheirKindsAndTheOneStatement) {
  Open(kRow);
  EXPECT_EQ(Page()->Caption(), "Goniometrické funkce — jednotková kružnice");
  ASSERT_NO_FATAL_FAILURE(ExpectTabs({{"u1", "1 a-b", 0, "Label10", kStatement},
                                      {"TabSheet6", "1 c-d", 0, "Label2", kStatement},
                                      {"TabSheet2", "1", 1, "Label8", kStatement}}));
  // The items of the worked tabs: labels a) to d) over the letters d, b, c, a.
  const std::pair<const char*, const char*> items[] = {
      {"btn3d", "u1"}, {"btn3b", "u1"}, {"btn3c", "TabSheet6"}, {"btn3a", "TabSheet6"}};
  for (const auto& [button, sheet] : items) EXPECT_EQ(SheetOf(button), sheet) << button;
  EXPECT_LT(C("btn3d")->Left(), C("btn3b")->Left()) << "a) left of b)";
  EXPECT_LT(C("btn3c")->Left(), C("btn3a")->Left()) << "c) left of d)";
}

TEST_F(CElemGonKruzniceTest, EveryButtonShowsItsPiecesClickByClick) {
  std::vector<HintButton> cases = {{"btn30", {{"nap30"}}, 1}, {"btn30b", {{"nap30b"}}, 1}};
  for (const Worked& w : kWorked) cases.push_back({w.button, w.steps, 5});
  const std::pair<const char*, const char*> results[] = {
      {"btn3dr", "res3d1"}, {"btn3br", "res3b2"}, {"btn3cr", "res3c1"}, {"btn3ar", "res3a1"}};
  for (const auto& [pencil, piece] : results) cases.push_back({pencil, {{piece}, {}}, 0});
  for (char x : std::string("abcdefghij")) {
    const std::string l(1, x);
    cases.push_back({"btnu3" + l, {{"resu3" + l, "resu3" + l + "2"}, {}}, 0});
  }
  Open(kRow);
  const std::set<std::string> shown = PlayButtons(cases);
  EXPECT_EQ(shown.size(), 2u + 4 * 8 + 1 + 4 + 10 * 2) << "every revealed piece, each once";
  EXPECT_FALSE(frm_lupa->Visible());
  EXPECT_TRUE(boxes.empty());
}

TEST_F(CElemGonKruzniceTest, TheHintTextsAreTheLessonsWords) {
  Open(kRow);
  EXPECT_EQ(Get<TLabel>("nap30")->Caption(), kTaskHint);
  EXPECT_EQ(Get<TLabel>("nap30b")->Caption(), kTaskHint);
  struct Memo {
    const char* name;
    std::vector<std::string> lines;
  };
  const Memo memos[] = {
      {"nap3d1", {"Vyznačte na jednotkové kružnici úhel a možné hodnoty funkce kosinus."}},
      {"nap3b2",
       {"Upravte úhel na základní velikost. Vyznačte na jednotkové kružnici úhel a možné hodnoty "
        "funkce sinus."}},
      {"nap3c1",
       {"Vyznačte na jednotkové kružnici úhel a přímku, která je důležitá pro určení hodnoty "
        "funkce kotangens."}},
      {"nap3a1",
       {"Vyznačte na jednotkové kružnici úhel a přímku, která je důležitá pro určení hodnoty "
        "funkce tangens."}},
      {"nap3d5",
       {"Vidíme, že funkční hodnota je kladná. Určete z obrázku, pro které úhly nabývá kosinus "
        "kladných hodnot ",
        "a pro které záporných hodnot."}},
      {"nap3b6",
       {"Vidíme, že funkční hodnota je kladná. Určete z obrázku, pro které úhly nabývá sinus "
        "kladných hodnot ",
        "a pro které záporných hodnot."}},
      {"nap3c5",
       {"Vidíme, že funkční hodnota je kladná. Určete z obrázku, pro které úhly nabývá kotangens "
        "kladných ",
        "hodnot a pro které záporných hodnot."}},
      {"nap3a5",
       {"Vidíme, že funkční hodnota je záporná. Určete z obrázku, pro které úhly nabývá tangens "
        "kladných hodnot ",
        "a pro které záporných hodnot."}},
  };
  for (const Memo& m : memos) {
    EXPECT_EQ(MemoLines(m.name), m.lines) << m.name;
    EXPECT_EQ(Get<TMemo>(m.name)->DragMode(), TDragMode::dmAutomatic) << m.name;
  }
}

TEST_F(CElemGonKruzniceTest, EachCircleOfAHintCoversTheOneBeforeAndTheResultTheFormula) {
  Open(kRow);
  for (const Worked& w : kWorked) {
    SCOPED_TRACE(w.button);
    const int tab = SheetOf(w.button) == "u1" ? 0 : 1;
    if (Tabs()->ActivePageIndex() != tab) PickTab(tab);
    for (int k = 0; k < 5; ++k) {
      Click(w.button);
      // After steps 1, 2, 4 and 5 the newest circle is the one seen.
      const int shownCircle = k == 0 ? 0 : k == 1 || k == 2 ? 1 : k == 3 ? 2 : 3;
      EXPECT_EQ(TopAt(w.circles[0]), C(w.circles[shownCircle])->Widget()) << "step " << k + 1;
    }
    EXPECT_FALSE(C(w.button)->Enabled());
    for (const std::string& c : w.circles) {
      EXPECT_EQ(C(c)->Left(), C(w.circles[0])->Left()) << c;
      EXPECT_EQ(C(c)->Top(), C(w.circles[0])->Top()) << c;
    }
  }
  // Item b)'s step 2 brings its angle to the basic size in the place of its formula, and the
  // result lies above both.
  PickTab(0);
  TControl* formula = C("Image2");
  EXPECT_EQ(TopAt("Image2"), C("nap3b1")->Widget());
  Click("btn3br");
  EXPECT_EQ(TopAt("Image2"), C("res3b2")->Widget());
  EXPECT_EQ(C("res3b2")->Left(), formula->Left());
  EXPECT_EQ(C("res3b2")->Top(), formula->Top());
}

TEST_F(CElemGonKruzniceTest, EveryClickablePictureOpensItsEnlargedPicture) {
  std::vector<ClickablePicture> cases = {
      // The plain circle of every item's first step opens item a)'s last circle.
      {"nap3a", "btn3a", "p1d3"},  {"nap3b", "btn3b", "p1d3"},  {"nap3c", "btn3c", "p1d3"},
      {"nap3d", "btn3d", "p1d3"},  {"nap3a2", "btn3a", "p1a1"}, {"nap3a4", "btn3a", "p1a2"},
      {"nap3a7", "btn3a", "p1a3"}, {"nap3b3", "btn3b", "p1b1"}, {"nap3b5", "btn3b", "p1b2"},
      {"nap3b8", "btn3b", "p1b3"}, {"nap3c2", "btn3c", "p1c1"}, {"nap3c4", "btn3c", "p1c2"},
      {"nap3c7", "btn3c", "p1c3"}, {"nap3d2", "btn3d", "p1d1"}, {"nap3d4", "btn3d", "p1d2"},
      {"nap3d7", "btn3d", "p1d3"},
  };
  for (char x : std::string("abcdefghij")) {
    const std::string l(1, x);
    cases.push_back({"resu3" + l, "btnu3" + l, "u1" + l + "r"});
  }
  Open(kRow);
  OpensEnlarged(kFolder, cases);
  // Twenty-two enlarged files, each larger than the picture that opens it.
  EXPECT_EQ(EnlargedFiles(kFolder, cases, 300).size(), 22u);
  // Formulas, results in the formula's place and texts open nothing.
  for (const char* n :
       {"Image1", "res3d1", "res3b2", "nap3b1", "nap3d3", "nap3d6", "resu3a2", "Image10"}) {
    EXPECT_FALSE(C(n)->OnClick()) << n;
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_F(CElemGonKruzniceTest, TheSharedSlotIsKeptAndOnlyCreationResetsTheCounters) {
  Open(kRow);
  EXPECT_EQ(Tabs()->ActivePageIndex(), 0) << "first opening in a run";
  Click("btn3b");
  Click("btn3b");
  Click("nap3b3");
  ASSERT_TRUE(Magnifies("p1b1"));
  PickTab(2);
  EXPECT_EQ(ExerciseTabIndex[kSlot], 2);
  EXPECT_FALSE(frm_lupa->Visible()) << "picking a tab hides the magnifier";
  // Activation is not creation: the counters and the tab stay as they are.
  PickTab(0);
  Page()->Activate();
  EXPECT_EQ(Step("btn3bClick"), 2);
  Click("btn3b");
  EXPECT_TRUE(Shown("nap3b4"));
  Open(kRow + 1);
  Open(kRow);
  EXPECT_EQ(Tabs()->ActivePageIndex(), 0);
  EXPECT_EQ(Step("btn3bClick"), 0) << "a new page starts its hints over";
  EXPECT_FALSE(Shown("nap3b"));
  PickTab(2);
  ExpectReopensOn(kRow, kRow - 1, 2);
  ExpectRestoreForgetsTab(kRow, kSlot);
  EXPECT_TRUE(boxes.empty());
}

}  // namespace
