// The twin exercise pages 4.5  Exponenciální funkce (row 46) and 4.6  Logaritmická funkce
// (row 47): one set of cases run on both, with what the twins do differently as data.
#include <set>

#include "exercises/unit_frmFceCElemExpon.h"
#include "exercises/unit_frmFceCElemLog.h"
#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/stdctrls.h"
#include "platform/streaming.h"
#include "tests/exercises/exercise_page_fixture.h"

namespace {

struct Twin {
  const char* name;
  int row, slot;
  std::string folder, title, statement3;
  std::string hint1[2][2];                  // task 1's two hint pieces of a) and b)
  std::string result2Suffix, graph3Suffix;  // "p2a" + ..., "u3a" + ...
  std::string secondOpensFrom;              // tab 1: the items whose second result piece opens
  int blanks2[3];                           // task 2's blanks for formulas: worked, exercise
  ExerciseTables& (*tables)();
};

const Twin kTwins[] = {
    {"Expon",
     46,
     8,
     "img/BIG/Eexpon/",
     "Exponenciální funkce",
     "Určete z grafu funkce její vlastnosti a rovnici asymptoty.",
     {{"nap1a1", "nap1a2a"}, {"nap1b1", "nap1b2a"}},
     "",
     "",
     "cdefghij",
     {22, 17, 24},
     &TfrmFceCElemExpon::Tables},
    {"Log",
     47,
     9,
     "img/BIG/Elog/",
     "Logaritmická funkce",
     "Určete z grafu funkce její definiční obor, obor hodnot, vlastnosti a rovnici asymptoty.",
     {{"nap1a", "nap1a2"}, {"nap1b", "nap1b2"}},
     "r",
     "r",
     "",
     {30, 24, 27},
     &TfrmFceCElemLog::Tables},
};

void PrintTo(const Twin& t, std::ostream* os) {
  *os << t.name;
}

// Every graph of these pages draws its function in red; a curve the engine could not draw
// leaves only the axes and the asymptote.
int RedPixels(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() > 180 && c.green() < 90 && c.blue() < 90) ++n;
    }
  }
  return n;
}

const char* const kTask3Graphs[] = {"u2a",     "Image4",  "Image12", "Image13", "Image38",
                                    "Image53", "Image52", "Image42", "Image41", "Image40"};

class CElemExpLogTest : public ExerciseTest, public ::testing::WithParamInterface<Twin> {
 protected:
  const Twin& T() const { return GetParam(); }
  ::testing::AssertionResult Magnifies(const std::string& name) {
    return ExerciseTest::Magnifies(T().folder, name);
  }
};

TEST_P(CElemExpLogTest, SixTabsWithTheirStatementsAndTheFrame) {
  const std::string sketch = "Načrtněte graf funkce", gap(9, ' ');
  const std::string compare = "pomocí tabulky hodnot a porovnejte jej s grafem funkce";
  const std::string worked2 =
      sketch + gap + "s " + compare + std::string(T().blanks2[0], ' ') + ".";
  const std::string exercise2 = sketch + gap + compare + std::string(T().blanks2[1], ' ') + "," +
                                std::string(T().blanks2[2], ' ') + ".";
  Open(T().row);
  EXPECT_EQ(Page()->Caption(), T().title);
  EXPECT_EQ(Get<TLabel>("Label6")->Caption(), T().title);
  ASSERT_NO_FATAL_FAILURE(ExpectTabs({
      {"u1", "1", 0, "Label21", sketch + "."},
      {"TabSheet2", "1", 1, "Label24", sketch + "."},
      {"u2", "2", 0, "Label35", worked2},
      {"TabSheet3", "2", 1, "Label38", exercise2},
      {"u3", "3", 0, "Label49", T().statement3},
      {"TabSheet4", "3", 1, "Label52", T().statement3},
  }));
  // The words around the formula pictures of task 2.
  const std::string worked = Get<TLabel>("Label35")->Caption();
  const std::string exercise = Get<TLabel>("Label38")->Caption();
  EXPECT_NE(worked.find(" s pomocí tabulky hodnot a porovnejte jej s grafem funkce "),
            std::string::npos);
  EXPECT_NE(exercise.find(" pomocí tabulky hodnot a porovnejte jej s grafem funkce "),
            std::string::npos);
  EXPECT_EQ(exercise.find("s pomocí"), std::string::npos);
  EXPECT_EQ(Get<TLabel>("nap30")->Caption(),
            "Určete definiční obor, obor hodnot, monotónnost, sudost a lichost, omezenost, "
            "minimum a maximum a je-li funkce prostá.");
}

TEST_P(CElemExpLogTest, EveryButtonShowsItsPiecesClickByClick) {
  std::vector<HintButton> cases = {
      {"btn10", {{"nap10"}}, 1},
      {"btn20", {{"nap20"}}, 1},
      {"SpeedButton14", {{"nap30"}}, 1},
      {"btn2a", {{"nap2a1"}, {"nap2a2"}, {"nap2a3"}}, 3},
      {"btn2b", {{"nap2b1"}, {"nap2b2"}, {"nap2b2a"}, {"nap2b3"}}, 4},
      {"btn2ar", {{"res2a1", "res2a2"}, {}}, 0},
      {"btn2br", {{"res2b1", "res2b2"}, {}}, 0},
  };
  for (int i = 0; i < 2; ++i) {
    const std::string l(1, static_cast<char>('a' + i));
    cases.push_back({"btn1" + l, {{T().hint1[i][0]}, {T().hint1[i][1]}}, 2});
    cases.push_back({"btn1" + l + "r", {{"res1" + l}, {}}, 0});
    cases.push_back({"btn3" + l, {{"nap3" + l}}, 1});
    cases.push_back({"btn3" + l + "r", {{"res3" + l}, {}}, 0});
  }
  for (char x : std::string("abcdefghij")) {
    const std::string l(1, x);
    cases.push_back({"btnu1" + l, {{"resu1" + l + "1", "resu1" + l + "2"}, {}}, 0});
    cases.push_back({"btnu2" + l, {{"resu2" + l}, {}}, 0});
    cases.push_back({"btnu3" + l, {{"resu3" + l}, {}}, 0});
  }
  Open(T().row);
  const std::set<std::string> shown = PlayButtons(cases);
  EXPECT_EQ(shown.size(), 3u + 2 * 3 + 11 + 2 * 2 + 10 * 4) << "every revealed piece, each once";
  // The dead label of the exponential page stays hidden whatever is pressed.
  if (Page()->FindComponent("Label15")) {
    EXPECT_FALSE(Shown("Label15"));
  }
  EXPECT_EQ(Page()->FindComponent("Label15") != nullptr, std::string(T().name) == "Expon");
  EXPECT_TRUE(boxes.empty());
}

TEST_P(CElemExpLogTest, EveryClickablePictureOpensItsEnlargedPicture) {
  std::vector<ClickablePicture> cases = {
      {"res1a", "btn1ar", "p1a"},
      {"res1b", "btn1br", "p1b"},
      {"nap2a3", "btn2a", "p2an"},
      {"nap2b3", "btn2b", "p2bn"},
      {"res2a1", "btn2ar", "p2a" + T().result2Suffix},
      {"res2b1", "btn2br", "p2b" + T().result2Suffix},
      {"Image15", "", "p3a"},
      {"Image37", "", "p3b"},
  };
  for (int i = 0; i < 10; ++i) {
    const std::string l(1, static_cast<char>('a' + i));
    cases.push_back({"resu1" + l + "1", "btnu1" + l, "u1" + l + "r"});
    if (T().secondOpensFrom.find(l) != std::string::npos)
      cases.push_back({"resu1" + l + "2", "btnu1" + l, "u1" + l + "r"});
    cases.push_back({"resu2" + l, "btnu2" + l, "u2" + l + "r"});
    cases.push_back({kTask3Graphs[i], "", "u3" + l + T().graph3Suffix});
  }
  Open(T().row);
  OpensEnlarged(T().folder, cases);
  // Thirty-eight enlarged files, different from each other and larger than their pictures.
  const std::map<std::string, QImage> files = EnlargedFiles(T().folder, cases, 400);
  ASSERT_EQ(files.size(), 38u);
  ExpectAllDiffer(files);
  for (const auto& [n, image] : files)
    EXPECT_GT(RedPixels(image), 400) << n << ": the curve is drawn";
  // The second result pieces of tab 1 show the hand; those not bound open nothing.
  for (int i = 0; i < 10; ++i) {
    const std::string l(1, static_cast<char>('a' + i));
    const std::string n = "resu1" + l + "2";
    EXPECT_EQ(C(n)->Cursor(), crHandPoint) << n;
    if (T().secondOpensFrom.find(l) == std::string::npos) {
      EXPECT_FALSE(C(n)->OnClick()) << n;
    } else {
      EXPECT_EQ(C(n)->OnClick().Name(), "resu1" + l + "1Click") << n;
    }
    // Task 3's results show the arrow and open nothing.
    EXPECT_EQ(C("resu3" + l)->Cursor(), crDefault);
    EXPECT_FALSE(C("resu3" + l)->OnClick());
  }
  for (const char* n : {"nap3a", "res3a", "res2a2", "nap2a1", "Image1"}) {
    EXPECT_FALSE(C(n)->OnClick()) << n;
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_P(CElemExpLogTest, TheTableOfItemBLiesOverItsFirstTableWithOneRowMore) {
  Open(T().row);
  PickTab(2);
  for (int k = 0; k < 3; ++k) Click("btn2b");
  TControl* first = C("nap2b1");
  TControl* again = C("nap2b2a");
  EXPECT_EQ(again->Left(), first->Left());
  EXPECT_EQ(again->Top(), first->Top());
  EXPECT_GT(again->Height(), first->Height());
  QWidget* sheet = first->Widget()->parentWidget();
  EXPECT_EQ(sheet->childAt(first->Left() + 4, first->Top() + 4), again->Widget());
  EXPECT_TRUE(C("btn2b")->Enabled()) << "one step to go";
  Click("btn2b");
  EXPECT_FALSE(C("btn2b")->Enabled());
  Click("nap2b3");
  EXPECT_TRUE(Magnifies("p2bn"));
}

TEST_P(CElemExpLogTest, TheSlotSurvivesReopeningAndActivationRestartsTheHints) {
  Open(T().row);
  EXPECT_EQ(Tabs()->ActivePageIndex(), 0);
  Click("btn1a");
  Click("btn2a");
  Click("btn2a");
  EXPECT_EQ(T().tables().HintStep("btn2aClick"), 2);
  Page()->Activate();
  for (const char* h : {"btn1aClick", "btn1bClick", "btn2aClick", "btn2bClick"})
    EXPECT_EQ(T().tables().HintStep(h), 0) << h;
  EXPECT_TRUE(Shown("nap2a2")) << "what was shown stays";
  Click("btn2a");
  Click("btn2a");
  EXPECT_FALSE(Shown("nap2a3"));
  Click("btn2a");
  EXPECT_TRUE(Shown("nap2a3"));
  PickTab(5);
  EXPECT_EQ(ExerciseTabIndex[T().slot], 5);
  Click("Image12");
  EXPECT_TRUE(Magnifies("u3c" + T().graph3Suffix));
  PickTab(4);
  EXPECT_FALSE(frm_lupa->Visible()) << "picking a tab hides the magnifier";
  Open(T().row == 46 ? 47 : 46);
  EXPECT_EQ(Tabs()->ActivePageIndex(), 0) << "the twin keeps its own slot";
  Open(T().row);
  EXPECT_EQ(Tabs()->ActivePageIndex(), 4);
  EXPECT_FALSE(Shown("nap2a1")) << "a fresh page";
  ExpectRestoreForgetsTab(T().row, T().slot);
  EXPECT_TRUE(boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Twins, CElemExpLogTest, ::testing::ValuesIn(kTwins),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
