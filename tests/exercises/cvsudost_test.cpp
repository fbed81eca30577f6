// The exercise page 2.4  Sudost a lichost (chapter row 38): the graphs of tab 0 with their
// verdicts and enlarged pictures, the worked examples revealed step by step, the formulas of
// the last tab, and the remembered tab that the page shares with 4.11.
#include <set>
#include <string>
#include <vector>

#include "exercises/unit_frmFceCVsudost.h"
#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/paths.h"
#include "platform/stdctrls.h"
#include "tests/exercises/exercise_page_fixture.h"

namespace {

const char* const kFolder = "img/BIG/Vsudost/";
constexpr int kRow = 38;
const std::string kStatement2 = "Rozhodněte z předpisu funkce, zda je sudá nebo lichá.";

class CVsudostTest : public ExerciseTest {
 protected:
  void SetUp() override {
    ExerciseTest::SetUp();
    Open(kRow);
  }
};

TEST_F(CVsudostTest, FourTabsWithTheirKindsAndStatements) {
  ASSERT_NO_FATAL_FAILURE(ExpectTabs({
      {"TabSheet2", "1", 1, "Label79", "Rozhodněte, zda je funkce sudá nebo lichá."},
      {"TabSheet1", "2 a-b", 0, "Label5", kStatement2},
      {"TabSheet4", "2 c-d", 0, "Label24", kStatement2},
      {"TabSheet3", "2", 1, "Label7", kStatement2},
  }));
  EXPECT_EQ(Page()->Caption(), "Sudost a lichost");
  int pictures = 0;
  for (int i = 0; i < Page()->ComponentCount(); ++i) {
    auto* image = dynamic_cast<TImage*>(Page()->Components(i));
    if (image && !image->Picture().Image().isNull()) ++pictures;
  }
  EXPECT_EQ(pictures, 63);
  // The remark of the last tab starts after the statement, led by its blanks.
  auto* note = Get<TLabel>("Label38");
  EXPECT_EQ(SheetOf("Label38"), "TabSheet3");
  EXPECT_EQ(note->Caption(), std::string(129, ' ') +
                                 "(Nezapomeňte vždy nejprve určit definiční obor zadané funkce.)");
  EXPECT_FALSE(note->Font().Style() & fsBold);
  EXPECT_TRUE(note->Transparent());
  // The task hints stand at the tabs' top left.
  for (const char* b : {"btn20", "btn20b"}) {
    EXPECT_EQ(C(b)->Left(), 0) << b;
    EXPECT_EQ(C(b)->Top(), 33) << b;
  }
  // The items of the last tab: the irregular row tops, two columns.
  const int tops[] = {31, 102, 173, 244, 305};
  for (int k = 0; k < 10; ++k) {
    auto* label = Get<TLabel>("Label" + std::to_string(40 + k));
    EXPECT_EQ(label->Caption(), std::string(1, static_cast<char>('a' + k)) + ")") << k;
    EXPECT_EQ(label->Left(), k < 5 ? 0 : 403) << k;
    EXPECT_EQ(label->Top(), tops[k % 5]) << k;
  }
}

TEST_F(CVsudostTest, EveryButtonShowsItsPiecesClickByClick) {
  std::vector<HintButton> cases = {
      {"btn20", {{"nap20"}}, 1},
      {"btn20b", {{"nap20b"}}, 1},
      // The memo "2." comes with the picture of its step.
      {"btn2a",
       {{"nap2a1a"},
        {"nap2a1b"},
        {"nap2a1b2"},
        {"nap2a1c1", "nap2a1c"},
        {"nap2a1d"},
        {"nap2a2a", "nap2a2b", "nap2a2c", "nap2a2d", "nap2a2e"},
        {"nap2a3"}},
       7},
      {"btn2b", {{"nap2b1a"}, {"nap2b1b"}, {"nap2b1b2"}}, 3},
      {"btn2c",
       {{"nap2c1a"},
        {"nap2c1b"},
        {"nap2c1b2"},
        {"nap2c1c1", "nap2c1c"},
        {"nap2c1d"},
        {"nap2c2a", "nap2c2b"}},
       6},
      {"btn2d", {{"nap2d1a"}, {"nap2d1b"}, {"nap2d1b2"}}, 3},
      {"btn2ar", {{"res2a1", "res2a2"}, {}}, 0},
      {"btn2br", {{"res2b"}, {}}, 0},
      {"btn2cr", {{"res2c1", "res2c2"}, {}}, 0},
      {"btn2dr", {{"res2d1"}, {}}, 0},
  };
  for (char c : std::string("abcdefgh")) {
    const std::string x(1, c);
    cases.push_back({"btnu1" + x, {{"resu1" + x + "1", "resu1" + x + "2"}, {}}, 0});
  }
  const char* pencils[] = {"SpeedButton1",  "SpeedButton6",  "SpeedButton7",  "SpeedButton8",
                           "SpeedButton9",  "SpeedButton10", "SpeedButton11", "SpeedButton12",
                           "SpeedButton13", "SpeedButton15"};
  for (int k = 0; k < 10; ++k) {
    const std::string x(1, static_cast<char>('a' + k));
    cases.push_back({pencils[k], {{"resu2" + x + "1", "resu2" + x + "2"}, {}}, 0});
  }
  const std::set<std::string> shown = PlayButtons(cases);
  EXPECT_EQ(shown.size(), 2u + 26u + 6u + 16u + 20u) << "every revealed piece, each once";
  EXPECT_FALSE(frm_lupa->Visible());
  EXPECT_TRUE(boxes.empty());
}

TEST_F(CVsudostTest, TheVerdictsOfEveryItem) {
  // Tab 0: memos beside the answer graphs; item h) keeps its dash as a minus.
  const std::vector<std::vector<std::string>> graphs = {
      {"je lichá"},
      {"není sudá ani lichá"},
      {"je lichá"},
      {"je sudá"},
      {"je lichá"},
      {"je sudá"},
      {"není sudá ani lichá"},
      {"není sudá ani lichá", "(—4 náleží definičnímu oboru, 4 ne)"},
  };
  for (int k = 0; k < 8; ++k) {
    const std::string x(1, static_cast<char>('a' + k));
    EXPECT_EQ(MemoLines("resu1" + x + "2"), graphs[k]) << x;
  }
  // Tabs 1 and 2: the worked results and the memos of the hints.
  const std::pair<const char*, std::vector<std::string>> memos[] = {
      {"res2a2", {",  funkce je sudá"}},
      {"res2b", {"funkce není sudá ani lichá"}},
      {"res2c2", {",  funkce je lichá"}},
      {"res2d1", {"funkce není sudá ani lichá"}},
      {"nap2a1c1", {"2."}},
      {"nap2c1c1", {"2."}},
      {"nap2a2a", {"Víme, že "}},
      {"nap2a2c", {"je sudá funkce, tj.  "}},
      {"nap2a2e", {"."}},
      {"nap2a3", {"Můžeme upravit výraz a určit sudost či lichost ", "zadané funkce."}},
      {"nap2c2a", {"Sinus je funkce lichá, kosinus sudá, proto"}},
  };
  for (const auto& [memo, lines] : memos) EXPECT_EQ(MemoLines(memo), lines) << memo;
  // Tab 3: labels.
  const char* formulas[] = {"ani sudá, ani lichá",
                            "ani sudá, ani lichá",
                            "sudá",
                            "lichá",
                            "sudá",
                            "ani sudá, ani lichá",
                            "sudá",
                            "ani sudá, ani lichá",
                            "lichá",
                            "lichá"};
  for (int k = 0; k < 10; ++k) {
    const std::string x(1, static_cast<char>('a' + k));
    EXPECT_EQ(Get<TLabel>("resu2" + x + "2")->Caption(), formulas[k]) << x;
  }
}

TEST_F(CVsudostTest, TheGraphsAndTheirAnswersOpenTheirEnlargedPictures) {
  const std::pair<const char*, const char*> tasks[] = {
      {"Image1", "u1a"}, {"Image2", "u1b"}, {"Image3", "u1c"}, {"Image5", "u1d"},
      {"Image4", "u1e"}, {"Image8", "u1f"}, {"Image7", "u1g"}, {"Image6", "u1h"},
  };
  for (const auto& [control, picture] : tasks) {
    EXPECT_EQ(SheetOf(control), "TabSheet2") << control;
    EXPECT_EQ(C(control)->Cursor(), crHandPoint) << control;
    Click(control);
    EXPECT_TRUE(Magnifies(kFolder, picture)) << control;
  }
  for (char c : std::string("abcdefgh")) {
    const std::string x(1, c);
    Click("btnu1" + x);
    EXPECT_EQ(C("resu1" + x + "1")->Cursor(), crHandPoint) << x;
    Click("resu1" + x + "1");
    EXPECT_TRUE(Magnifies(kFolder, "u1" + x + "r")) << x;
  }
  EXPECT_TRUE(boxes.empty());
  // The formulas and their pieces on tabs 1 to 3 open nothing.
  for (int i = 0; i < Page()->ComponentCount(); ++i) {
    auto* image = dynamic_cast<TImage*>(Page()->Components(i));
    if (!image || SheetOf(std::string(image->Name())) == "TabSheet2") continue;
    EXPECT_FALSE(image->OnClick()) << image->Name();
  }
  // The layout checker knows every file the page opens.
  const TFormClass* cls = FindFormClass("TfrmFceCVsudost");
  ASSERT_NE(cls, nullptr);
  EXPECT_EQ(cls->requiredFiles.size(), 16u);
  for (const std::string& f : cls->requiredFiles) EXPECT_TRUE(FileExists(f)) << f;
}

TEST_F(CVsudostTest, ReopeningRestartsTheHintsOnTheRememberedTab) {
  const std::set<std::string> fresh = Visible();
  Click("btn20");
  Click("btnu1h");
  Click("SpeedButton15");
  PickTab(2);
  EXPECT_EQ(ExerciseTabIndex[1], 2);
  for (int i = 0; i < 3; ++i) Click("btn2c");
  Click("btn2cr");
  Page()->Activate();  // back from the magnifier: the steps start over, nothing is hidden
  EXPECT_EQ(TfrmFceCVsudost::Tables().HintStep("btn2cClick"), 0);
  EXPECT_TRUE(Shown("nap2c1b2"));
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(ShownBy("btn2c").empty()) << "steps 1 to 3 again";
  EXPECT_EQ(ShownBy("btn2c"), (std::set<std::string>{"nap2c1c1", "nap2c1c"}));
  Open(kRow);  // a fresh page on the remembered tab, everything hidden again
  EXPECT_EQ(Tabs()->ActivePageIndex(), 2);
  EXPECT_EQ(Visible(), fresh);
  EXPECT_TRUE(C("btn20")->Enabled());
  EXPECT_EQ(ShownBy("btn2c"), std::set<std::string>{"nap2c1a"});
  // The main window hidden and shown again zeroes the slot.
  ExpectRestoreForgetsTab(kRow, 1);
}

TEST_F(CVsudostTest, TheSlotSharedWithTheOverviewPage) {
  PickTab(3);
  Open(58);  // 4.11 opens on the tab the parity page left in the shared slot
  EXPECT_EQ(Tabs()->ActivePageIndex(), 3);
  PickTab(4);  // a tab that 2.4 does not have
  Open(kRow);
  EXPECT_EQ(Tabs()->ActivePageIndex(), 0);
  EXPECT_NE(Tabs()->ActivePage(), nullptr);
}

}  // namespace
