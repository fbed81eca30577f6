// The exercise page 4.8  Cyklometrické funkce (chapter row 55): its six tabs, the hints of one
// step and the stepped hints of tasks 2 and 3, the verdicts of task 2's exercise, the pencils of
// tasks 2 and 3 whose names interleave, the enlarged circles, and the remembered tab.
#include <set>

#include "exercises/unit_frmFceCElemCyklom.h"
#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/stdctrls.h"
#include "platform/streaming.h"
#include "tests/exercises/exercise_page_fixture.h"

namespace {

constexpr char kFolder[] = "img/BIG/Ecyklom/";
const int kRow = 55, kSlot = 16;
const std::string kStatement1 =
    "Zapište hodnotu    pomocí cyklometrické nebo goniometrické funkce. Nepočítejte ji.";
const std::string kStatement2 = "Rozhodněte, zda je uvedené tvrzení pravdivé.";
const std::string kStatement3 =
    "Určete hodnotu cyklometrické funkce. Využijte např. jednotkovou kružnici.";
// The pencils of the exercises of tasks 2 and 3, items a) to j).
const int kPencils2[] = {10, 11, 22, 23, 24, 25, 26, 27, 28, 29};
const int kPencils3[] = {12, 13, 14, 15, 16, 21, 20, 19, 18, 17};

using CElemCyklomTest = PageTest<TfrmFceCElemCyklom, kFolder>;

TEST_F(CElemCyklomTest, SixTabsInOrderWithTheirKindsAndStatements) {
  Open(kRow);
  EXPECT_EQ(Page()->Caption(), "Cyklometrické funkce");
  ASSERT_NO_FATAL_FAILURE(ExpectTabs({
      {"u2", "1", 0, "Label2", kStatement1},
      {"TabSheet3", "1", 1, "Label7", kStatement1},
      {"TabSheet2", "2", 0, "Label8", kStatement2},
      {"TabSheet4", "2", 1, "Label13", kStatement2},
      {"TabSheet1", "3", 0, "Label21", kStatement3},
      {"TabSheet5", "3", 1, "Label5", kStatement3},
  }));
  // The x in the gap of task 1's statement.
  for (const char* x : {"Label9", "Label35"}) {
    auto* label = Get<TLabel>(x);
    EXPECT_EQ(label->Caption(), "x") << x;
    EXPECT_EQ(label->Font().Name(), "Times New Roman") << x;
    EXPECT_EQ(label->Font().Height(), -16) << x;
    EXPECT_TRUE(label->Font().Style() & fsItalic) << x;
  }
  EXPECT_EQ(SheetOf("Label9"), "u2");
  EXPECT_EQ(SheetOf("Label35"), "TabSheet3");
}

TEST_F(CElemCyklomTest, EveryButtonShowsItsPiecesClickByClick) {
  std::vector<HintButton> cases = {
      {"btn10", {{"nap10"}}, 1},
      {"btn20", {{"nap20"}}, 1},
      {"btn30", {{"nap30"}}, 1},
      {"btn1a", {{"nap1a"}}, 1},
      {"btn1b", {{"nap1b"}}, 1},
      {"btn1ar", {{"res1a"}, {}}, 0},
      {"btn1br", {{"res1b"}, {}}, 0},
      {"btn2a", {{"nap2a1"}, {"nap2a2", "nap2a3"}}, 2},
      {"btn2b", {{"nap2b1", "nap2b2", "nap2b3"}, {"nap2b4"}, {"nap2b5", "nap2b6"}, {"nap2b7"}}, 4},
      {"btn2ar", {{"res2a"}, {}}, 0},
      {"btn2br", {{"res2b"}, {}}, 0},
      {"btn3a", {{"nap3a1", "nap3a2", "nap3a3"}, {"nap3a4"}, {"nap3a5"}}, 3},
      {"btn3b", {{"nap3b1", "nap3b2", "nap3b3"}, {"nap3b4"}, {"nap3b5"}}, 3},
      {"btn3ar", {{"res3a1", "res3a2"}, {}}, 0},
      {"btn3br", {{"res3b1", "res3b2"}, {}}, 0},
  };
  const std::string withReason = "adegij";
  for (int i = 0; i < 10; ++i) {
    const std::string l(1, static_cast<char>('a' + i));
    cases.push_back({"btnu1" + l, {{"resu1" + l}, {}}, 0});
    std::set<std::string> verdict = {"resu2" + l + "1"};
    if (withReason.find(l) != std::string::npos) verdict.insert("resu2" + l + "2");
    cases.push_back({"SpeedButton" + std::to_string(kPencils2[i]), {verdict, {}}, 0});
    cases.push_back({"SpeedButton" + std::to_string(kPencils3[i]),
                     {{"resu3" + l + "1", "resu3" + l + "2"}, {}},
                     0});
  }
  Open(kRow);
  PlayButtons(cases);
  EXPECT_FALSE(frm_lupa->Visible());
  EXPECT_TRUE(boxes.empty());
}

TEST_F(CElemCyklomTest, TheVerdictsAndHintTextsAreTheLessonsWords) {
  Open(kRow);
  const std::string no = "tvrzení NENÍ pravdivé", yes = "tvrzení JE pravdivé";
  const std::vector<std::string> verdicts[] = {
      {no}, {yes}, {no, "", "argumentem cyklometrické funkce není úhel"},
      {no}, {no},  {yes},
      {no}, {yes}, {no},
      {no}};
  for (int i = 0; i < 10; ++i) {
    const std::string memo = "resu2" + std::string(1, static_cast<char>('a' + i)) + "1";
    EXPECT_EQ(MemoLines(memo), verdicts[i]) << memo;
    EXPECT_EQ(Get<TMemo>(memo)->Font().Color(), clNavy) << memo;
    EXPECT_EQ(Get<TMemo>(memo)->Color(), clMoneyGreen) << memo;
  }
  // Item b)'s pencil shows only its verdict, item a)'s the verdict and a picture.
  Click("SpeedButton11");
  EXPECT_TRUE(Shown("resu2b1"));
  EXPECT_FALSE(Page()->FindComponent("resu2b2"));
  Click("SpeedButton10");
  EXPECT_TRUE(Shown("resu2a1") && Shown("resu2a2"));

  EXPECT_EQ(MemoLines("res2a"), std::vector<std::string>{"tvrzení není pravdivé"});
  EXPECT_EQ(MemoLines("res2b"), std::vector<std::string>{"tvrzení není pravdivé"});
  EXPECT_EQ(MemoLines("nap2b1"), std::vector<std::string>{"Sice platí"});
  EXPECT_EQ(MemoLines("nap2b3"),
            std::vector<std::string>{", přesto ale není původní tvrzení pravdivé. "});
  EXPECT_EQ(MemoLines("nap2b6"),
            std::vector<std::string>{"Pokuste se zadané tvrzení opravit tak, aby platilo."});
  for (const char* x : {"a", "b"}) {
    EXPECT_EQ(MemoLines(std::string("nap3") + x + "1"),
              std::vector<std::string>{"Stejně jako při řešení úlohy"});
    EXPECT_EQ(MemoLines(std::string("nap3") + x + "3"),
              std::vector<std::string>{"určíme na jednotkové kružnici odpovídající úhel."});
  }
  EXPECT_EQ(Get<TLabel>("nap10")->Caption(),
            "Jediným smyslem této úlohy je uvědomit si, že funkce cyklometrické a goniometrické "
            "jsou navzájem funkce inverzní. ");
  EXPECT_EQ(Get<TLabel>("nap20")->Caption(),
            "Zopakujte si definiční obory a obory hodnot cyklometrických funkcí. Podle toho se "
            "rozhodujte.");
  EXPECT_EQ(Get<TLabel>("nap30")->Caption(),
            "V kapitole 4.7 Goniometrické funkce — opakování jste určovali úhly, pro které nabývá "
            "funkce dané hodnoty. Princip bude stejný jen s tím rozdílem, že výsledkem nebude "
            "nekonečně mnoho řešení, vybereme právě jedno z nich, a to z oboru hodnot dané "
            "cyklometrické funkce.");
}

TEST_F(CElemCyklomTest, OnlyTheCirclesOfTaskThreeAreEnlarged) {
  std::vector<ClickablePicture> cases = {{"res3a2", "btn3ar", "p3a"}, {"res3b2", "btn3br", "p3b"}};
  for (int i = 0; i < 10; ++i) {
    const std::string l(1, static_cast<char>('a' + i));
    cases.push_back(
        {"resu3" + l + "2", "SpeedButton" + std::to_string(kPencils3[i]), "u3" + l + "r"});
  }
  Open(kRow);
  OpensEnlarged(kFolder, cases);
  // Nothing else on the page opens a picture.
  size_t clickable = 0;
  for (int i = 0; i < Page()->ComponentCount(); ++i) {
    auto* image = dynamic_cast<TImage*>(Page()->Components(i));
    if (image && image->OnClick()) ++clickable;
  }
  EXPECT_EQ(clickable, 12u);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(CElemCyklomTest, TheSlotSurvivesReopeningAndActivationStartsTheHintsOver) {
  Open(kRow);
  EXPECT_EQ(Tabs()->ActivePageIndex(), 0);
  Click("btn2b");
  Click("btn2b");
  Click("btn3a");
  PickTab(4);
  EXPECT_EQ(ExerciseTabIndex[kSlot], 4);
  Page()->Activate();
  for (const char* h : {"btn2aClick", "btn2bClick", "btn3aClick", "btn3bClick"})
    EXPECT_EQ(Step(h), 0) << h;
  EXPECT_TRUE(Shown("nap2b4")) << "what was shown stays";
  Click("btn2b");
  Click("btn2b");
  EXPECT_FALSE(Shown("nap2b5")) << "two clicks repeat steps already shown";
  Click("btn2b");
  Click("btn2b");
  EXPECT_TRUE(Shown("nap2b7"));
  EXPECT_FALSE(C("btn2b")->Enabled());
  ExpectReopensOn(kRow, kRow + 1, 4);
  EXPECT_TRUE(C("btn2b")->Enabled()) << "a fresh page";
  ExpectRestoreForgetsTab(kRow, kSlot);
  EXPECT_TRUE(boxes.empty());
}

}  // namespace
