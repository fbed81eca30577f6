// The exercise page 4.7  Goniometrické funkce — opakování (chapter row 54): its three tabs, the
// three-step hints of the worked equations whose second step hides the first circle, the
// pencils of task 2's exercise numbered down and up the columns, the enlarged pictures, and the
// remembered tab in the slot it shares with the unit circle page.
#include <QWidget>
#include <set>

#include "exercises/unit_frmFceCElemGonOpak.h"
#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/stdctrls.h"
#include "platform/streaming.h"
#include "tests/exercises/exercise_page_fixture.h"

namespace {

constexpr char kFolder[] = "img/BIG/Egoniom_Opak/";
const int kRow = 54, kSlot = 11, kUnitCircleRow = 49;
const std::string kStatement1 =
    "S pomocí jednotkové kružnice určete funkční hodnoty goniometrických funkcí v daných úhlech.";
const std::string kStatement2 = "S pomocí jednotkové kružnice řešte goniometrické rovnice.";
// The pencils of task 2's exercise, items a) to j).
const int kPencils[] = {12, 13, 14, 15, 16, 21, 20, 19, 18, 17};

using CElemGonOpakTest = PageTest<TfrmFceCElemGonOpak, kFolder>;

TEST_F(CElemGonOpakTest, ThreeTabsInOrderWithTheirKindsAndStatements) {
  Open(kRow);
  EXPECT_EQ(Page()->Caption(), "Opakování goniometrie");
  EXPECT_EQ(Get<TLabel>("Label6")->Caption(), "Goniometrické funkce — opakování");
  ExpectTabs({{"TabSheet2", "1", 1, "Label11", kStatement1},
              {"TabSheet1", "2", 0, "Label21", kStatement2},
              {"TabSheet5", "2", 1, "Label15", kStatement2}});
}

TEST_F(CElemGonOpakTest, EveryButtonShowsAndHidesItsPiecesClickByClick) {
  std::vector<HintButton> cases = {{"btn40", {{"nap40"}}, 1}};
  for (const char* x : {"a", "b"}) {
    const std::string n = std::string("nap4") + x;
    // The second step's circle takes the place of the first.
    cases.push_back({std::string("btn4") + x,
                     {{n + "1", n + "1b"}, {n + "2", n + "2b"}, {n + "3"}},
                     3,
                     {},
                     {{}, {n + "1b"}, {}}});
    cases.push_back({std::string("btn4") + x + "r",
                     {{std::string("res4") + x + "1", std::string("res4") + x + "2"}, {}},
                     0});
  }
  for (int i = 0; i < 10; ++i) {
    const std::string l(1, static_cast<char>('a' + i));
    cases.push_back({"btnu3" + l, {{"resu3" + l, "resu3" + l + "2"}, {}}, 0});
    cases.push_back({"SpeedButton" + std::to_string(kPencils[i]),
                     {{"resu4" + l + "1", "resu4" + l + "2", "resu4" + l + "3"}, {}},
                     0});
  }
  Open(kRow);
  PlayButtons(cases);
  EXPECT_FALSE(frm_lupa->Visible());
  EXPECT_TRUE(boxes.empty());
}

TEST_F(CElemGonOpakTest, TheSecondStepLeavesOneCircleAndTheHiddenOneStaysHidden) {
  Open(kRow);
  PickTab(1);
  Click("btn4a");
  EXPECT_TRUE(Shown("nap4a1b"));
  Click("btn4a");
  int circles = 0;
  for (const char* n : {"nap4a1b", "nap4a2b"}) circles += Shown(n);
  EXPECT_EQ(circles, 1);
  EXPECT_TRUE(Shown("nap4a2b"));
  EXPECT_EQ(C("nap4a2b")->Left(), C("nap4a1b")->Left());
  Click("btn4a");
  EXPECT_FALSE(Shown("nap4a1b")) << "not shown again on this page";
  EXPECT_FALSE(C("btn4a")->Enabled());
  // The memos of step 3.
  EXPECT_EQ(MemoLines("nap4a3"),
            std::vector<std::string>{
                "Ke každému z úhlů přičteme libovolný celý násobek periody a získáme všechna "
                "řešení."});
  EXPECT_EQ(MemoLines("nap4b3"),
            (std::vector<std::string>{"Oba úhly se liší o periodu, proto zapíšeme výsledek "
                                      "pouze pomocí jednoho z nich, ",
                                      "druhý bude ve výsledku zahrnut."}));
  EXPECT_EQ(Get<TLabel>("nap40")->Caption(),
            "Naučte se určit úhel na jednotkové kružnici a pro něj všechny hodnoty "
            "goniometrických funkcí.");
  // The picture saying that k is an integer is one for every item of the page.
  const QImage kz = static_cast<TImage*>(C("res4a2"))->Picture().Image();
  EXPECT_EQ(static_cast<TImage*>(C("res4b2"))->Picture().Image(), kz);
}

TEST_F(CElemGonOpakTest, EveryClickablePictureOpensItsEnlargedPicture) {
  std::vector<ClickablePicture> cases = {{"nap4a1b", "btn4a", "p2a1"},
                                         {"nap4a2b", "btn4a", "p2a"},
                                         {"nap4b1b", "btn4b", "p2b1"},
                                         {"nap4b2b", "btn4b", "p2b"}};
  for (int i = 0; i < 10; ++i) {
    const std::string l(1, static_cast<char>('a' + i));
    cases.push_back({"resu3" + l, "btnu3" + l, "u1" + l + "r"});
    cases.push_back(
        {"resu4" + l + "3", "SpeedButton" + std::to_string(kPencils[i]), "u2" + l + "r"});
  }
  Open(kRow);
  OpensEnlarged(kFolder, cases);
  std::set<std::string> names;
  for (const ClickablePicture& c : cases) names.insert(c.picture);
  EXPECT_EQ(names.size(), 24u);
  for (const char* n : {"res4a1", "res4a2", "nap4a1", "nap4a2", "resu3a2", "resu4a1", "resu4a2",
                        "Image10", "Image20"}) {
    EXPECT_FALSE(C(n)->OnClick()) << n;
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_F(CElemGonOpakTest, TheSlotIsSharedWithTheUnitCirclePage) {
  Open(kRow);
  EXPECT_EQ(Tabs()->ActivePageIndex(), 0) << "the exercise tab the first time in a run";
  Click("btn4b");
  PickTab(1);
  EXPECT_EQ(ExerciseTabIndex[kSlot], 1);
  Page()->Activate();  // activation is not creation: nothing is reset
  EXPECT_EQ(Step("btn4bClick"), 1);
  // The unit circle page opens on the tab chosen here, and the revision page on the one chosen
  // there.
  Open(kUnitCircleRow);
  EXPECT_EQ(Tabs()->ActivePageIndex(), 1);
  PickTab(2);
  Open(kRow);
  EXPECT_EQ(Tabs()->ActivePageIndex(), 2);
  EXPECT_EQ(Step("btn4bClick"), 0);
  EXPECT_FALSE(Shown("nap4b1"));
  ExpectRestoreForgetsTab(kRow, kSlot);
  EXPECT_TRUE(boxes.empty());
}

}  // namespace
