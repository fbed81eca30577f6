// The exercise page 4.10  Vliv parametrů na graf funkce (chapter row 57): the worked tab whose
// hints show one column of the graph's construction a click, the three exercise tabs, and `Akce`
// run on creation and by the title, not on activation.
#include <set>

#include "exercises/unit_frmFceCElemParam.h"
#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/stdctrls.h"
#include "platform/streaming.h"
#include "tests/exercises/exercise_page_fixture.h"

namespace {

constexpr char kFolder[] = "img/BIG/Eparam/";
const int kRow = 57, kSlot = 18;

class CElemParamTest : public PageTest<TfrmFceCElemParam, kFolder> {
 protected:
  void ClickTitle() { Click("Label6"); }
};

TEST_F(CElemParamTest, FourTabsWithTheirCaptionsStatementsAndNotes) {
  const std::string statement = "Načrtněte graf funkce.";
  Open(kRow);
  EXPECT_EQ(Page()->Caption(), "Vliv parametrů na graf funkce");
  EXPECT_EQ(Get<TLabel>("Label6")->OnClick().Name(), "Akce");
  EXPECT_EQ(Page()->OnCreate().Name(), "Akce");
  EXPECT_FALSE(Page()->OnActivate());
  ASSERT_NO_FATAL_FAILURE(ExpectTabs({{"u1", "1", 0, "Label21", statement},
                                      {"TabSheet2", "1   (část 1)", 1, "Label30", statement},
                                      {"TabSheet3", "1   (část 2)", 1, "Label50", statement},
                                      {"TabSheet5", "1   (část 3)", 1, "Label70", statement}}));
  const std::string note =
      "(Zobrazíte-li si výsledky, zelená je vždy elementární funkce, šedé jsou její postupné "
      "úpravy a červená je výsledná křivka.)";
  for (int i = 1; i < 4; ++i) {
    TTabSheet* s = Tabs()->Pages(i);
    // The note starts after the statement's text, in grey.
    auto* n = dynamic_cast<TLabel*>(s->Controls(1));
    ASSERT_NE(n, nullptr) << i;
    const std::string caption = n->Caption();
    EXPECT_EQ(caption.substr(caption.find_first_not_of(' ')), note) << i;
    EXPECT_GT(caption.find_first_not_of(' '), 40u) << i;
    EXPECT_EQ(n->Font().Color(), clGray) << i;
  }
}

TEST_F(CElemParamTest, EveryButtonShowsItsPiecesClickByClick) {
  std::vector<HintButton> cases = {
      {"btn10", {{"nap101"}}, 1}, {"btn1ar", {{"res1a"}, {}}, 0}, {"btn1br", {{"res1b"}, {}}, 0}};
  for (const char* x : {"a", "b"}) {
    const std::string n = std::string("nap1") + x;
    HintButton c{std::string("btn1") + x, {{n}}, 6};
    for (int col = 1; col <= 5; ++col) {
      const std::string p = n + std::to_string(col);
      c.clicks.push_back({p + "a", p + "b", p + "c"});
    }
    cases.push_back(c);
  }
  for (int part = 1; part <= 3; ++part) {
    for (char x : std::string("abcdefghij")) {
      const std::string px = std::to_string(part) + x;
      cases.push_back({"btnu1" + px, {{"res1_" + px}, {}}, 0});
    }
  }
  Open(kRow);
  const std::set<std::string> shown = PlayButtons(cases);
  EXPECT_EQ(shown.size(), 3u + 2 * 16 + 30);
  // The captions that are memos and what they say.
  struct Memo {
    const char *name, *text;
  };
  for (const Memo& m : {Memo{"nap1a1c", "elementární funkce"}, Memo{"nap1a3c", "posun o 2 doleva"},
                        Memo{"nap1a5c", "posun o 2 dolů"}, Memo{"nap1b1c", "elementární funkce"},
                        Memo{"nap1b5c", "posun o 1 nahoru"}}) {
    ASSERT_NE(dynamic_cast<TMemo*>(C(m.name)), nullptr) << m.name;
    EXPECT_EQ(MemoLines(m.name), std::vector<std::string>{m.text}) << m.name;
  }
  for (const char* p : {"nap1a2c", "nap1a4c", "nap1b2c", "nap1b3c", "nap1b4c"}) {
    EXPECT_NE(dynamic_cast<TImage*>(C(p)), nullptr) << p;
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_F(CElemParamTest, EveryClickablePictureOpensItsEnlargedPicture) {
  std::vector<ClickablePicture> cases;
  for (const char* x : {"a", "b"}) {
    for (int col = 1; col <= 5; ++col) {
      cases.push_back({std::string("nap1") + x + std::to_string(col) + "a", std::string("btn1") + x,
                       std::string("p1") + x + std::to_string(col)});
    }
    // The result lies over the fifth column's graph and opens its own picture.
    cases.push_back(
        {std::string("res1") + x, std::string("btn1") + x + "r", std::string("p1") + x + "6"});
  }
  for (int part = 1; part <= 3; ++part) {
    for (char x : std::string("abcdefghij")) {
      const std::string px = std::to_string(part) + x;
      cases.push_back({"res1_" + px, "btnu1" + px, "u1_" + px + "r"});
    }
  }
  Open(kRow);
  OpensEnlarged(kFolder, cases);
  const std::map<std::string, QImage> files = EnlargedFiles(kFolder, cases, 400);
  ASSERT_EQ(files.size(), 42u);
  ExpectAllDiffer(files);
  // The result covers the fifth graph: a click at that place opens "p1a6".
  TControl* res = C("res1a");
  TControl* fifth = C("nap1a5a");
  EXPECT_EQ(res->Left(), fifth->Left());
  EXPECT_EQ(res->Top(), fifth->Top());
  QWidget* sheet = res->Widget()->parentWidget();
  EXPECT_EQ(sheet->childAt(res->Left() + 4, res->Top() + 4), res->Widget());
  EXPECT_TRUE(boxes.empty());
}

TEST_F(CElemParamTest, TheTitleRestartsTheHintsAndActivationDoesNothing) {
  Open(kRow);
  for (int k = 0; k < 3; ++k) Click("btn1a");
  EXPECT_EQ(Step("btn1aClick"), 3);
  Page()->Activate();  // back from the magnifier: nothing happens here
  EXPECT_EQ(Step("btn1aClick"), 3);
  ClickTitle();
  EXPECT_EQ(Step("btn1aClick"), 0);
  EXPECT_TRUE(Shown("nap1a2a")) << "what was shown stays";
  // Three clicks show nothing new, the fourth shows column 3.
  for (int k = 0; k < 3; ++k) Click("btn1a");
  EXPECT_FALSE(Shown("nap1a3a"));
  Click("btn1a");
  EXPECT_TRUE(Shown("nap1a3a") && Shown("nap1a3b") && Shown("nap1a3c"));
  // The title selects the remembered tab, which is the one showing.
  PickTab(2);
  EXPECT_EQ(ExerciseTabIndex[kSlot], 2);
  ClickTitle();
  EXPECT_EQ(Tabs()->ActivePageIndex(), 2);
  ExpectReopensOn(kRow, kRow + 1, 2);
  EXPECT_FALSE(Shown("nap1a")) << "a fresh page";
  // Hidden and shown again while the page stays open: the title selects the first tab.
  frmMain->Schovat1Click(nullptr);
  RestoreFromTaskbar();
  EXPECT_EQ(ExerciseTabIndex[kSlot], 0);
  ClickTitle();
  EXPECT_EQ(Tabs()->ActivePageIndex(), 0);
  EXPECT_TRUE(boxes.empty());
}

}  // namespace
