// The exercise page 4.1  Lineární funkce (chapter row 42): its tabs, what every button shows
// click by click, the enlarged pictures, the cross-wired rows of task 1 and the remembered tab.
#include <QFontMetrics>
#include <set>

#include "exercises/unit_frmFceCElemLin.h"
#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/layout_pictures.h"
#include "platform/stdctrls.h"
#include "platform/streaming.h"
#include "tests/exercises/exercise_page_fixture.h"

namespace {

constexpr char kFolder[] = "img/BIG/Elin/";
const std::string kStatement1 =
    "Načrtněte graf funkce, určete její definiční obor, obor hodnot a vlastnosti.";
const std::string kStatement2 =
    "Určete průsečíky grafu funkce s osami souřadnic, aniž byste kreslili její graf. ";
const std::string kStatement3 = "Určete monotónnost funkce, aniž byste kreslili její graf. ";

using CElemLinTest = PageTest<TfrmFceCElemLin, kFolder>;

TEST_F(CElemLinTest, TabsInOrderWithTheirKindsAndStatements) {
  const std::vector<TabRow> tabs = {
      {"u1", "1 a-b", 0, "Label21", kStatement1},
      {"TabSheet4", "1 c-d", 0, "Label24", kStatement1},
      {"TabSheet1", "1", 1, "Label27", kStatement1},
      {"u2", "2 a-b", 0, "Label38", kStatement2},
      {"TabSheet5", "2 c-d", 0, "Label41", kStatement2},
      {"TabSheet2", "2", 1, "Label44", kStatement2},
      {"u3", "3", 0, "Label55", kStatement3},
      {"TabSheet3", "3", 1, "Label60", kStatement3},
  };
  Open(42);
  EXPECT_EQ(Tabs()->Style(), TTabStyle::tsFlatButtons);
  EXPECT_EQ(Tabs()->Images(), frmMain->ikony_sbirka);
  ASSERT_NO_FATAL_FAILURE(ExpectTabs(tabs));
  // Each statement stands at its tab's top.
  for (const TabRow& t : tabs) {
    EXPECT_EQ(C(t.label)->Left(), 0) << t.sheet;
    EXPECT_LT(C(t.label)->Top(), 10) << t.sheet;
  }
}

TEST_F(CElemLinTest, EveryButtonShowsItsPiecesClickByClick) {
  std::vector<HintButton> cases = {
      {"btn10", {{"nap10"}}, 1},
      {"btn10b", {{"nap10b"}}, 1},
      {"btn20", {{"nap20"}}, 1},
      {"btn20b", {{"nap20b"}}, 1},
      {"btn30", {{"nap30"}}, 1},
      {"btn2a", {{"nap2a"}, {"nap2a2"}}, 2},
      {"btn2b", {{"nap2b"}, {"nap2b2"}}, 2},
      {"btn2c", {{"nap2c"}}, 1},
      {"btn2d", {{"nap2d"}}, 1},
  };
  for (char x : std::string("abcd")) {
    std::string l(1, x);
    cases.push_back({"btn1" + l, {{"nap1" + l}}, 1});
    cases.push_back({"btn1" + l + "r", {{"res1" + l + "1", "res1" + l + "2"}, {}}, 0});
    cases.push_back({"btn3" + l, {{"nap3" + l}}, 1});
    cases.push_back({"btn3" + l + "r", {{"res3" + l}, {}}, 0});
  }
  for (char x : std::string("abcd")) {
    std::string l(1, x);
    cases.push_back({"btn2" + l + "r", {{"res2" + l}, {}}, 0});
  }
  const char* task2[] = {"SpeedButton1",  "SpeedButton6",  "SpeedButton7",  "SpeedButton8",
                         "SpeedButton9",  "SpeedButton10", "SpeedButton11", "SpeedButton12",
                         "SpeedButton13", "SpeedButton15"};
  const char* task3[] = {"SpeedButton16", "SpeedButton17", "SpeedButton18", "SpeedButton19",
                         "SpeedButton20", "SpeedButton31", "SpeedButton32", "SpeedButton33",
                         "SpeedButton34", "SpeedButton35"};
  for (int i = 0; i < 10; ++i) {
    std::string l(1, static_cast<char>('a' + i));
    cases.push_back({"btnu1" + l, {{"u1" + l + "r1", "u1" + l + "r2"}, {}}, 0});
    cases.push_back({task2[i], {{l + "y"}, {}}, 0});
    cases.push_back({task3[i], {{"u3" + l + "r"}, {}}, 0});
  }
  ASSERT_EQ(cases.size(), 59u);
  Open(42);
  const std::set<std::string> atStart = Visible();
  const std::set<std::string> shown = PlayButtons(cases);
  EXPECT_EQ(Visible().size(), atStart.size() + shown.size());
  EXPECT_EQ(shown.size(), 75u) << "every revealed piece, each once";
  for (const std::string& n : shown) EXPECT_FALSE(atStart.count(n)) << n << " starts hidden";
  EXPECT_FALSE(frm_lupa->Visible());
  EXPECT_TRUE(boxes.empty());
}

TEST_F(CElemLinTest, ThumbnailsOpenTheEnlargedGraphOfTheirRow) {
  struct Case {
    const char *control, *pencil, *sheet, *picture;
  };
  // On task 1's worked tabs the second row uses the other tab's letter: res1d1 stands on the
  // row of item b) and res1b1 on the row of item d).
  const Case cases[] = {
      {"res1a1", "btn1ar", "u1", "p1ar"},        {"res1d1", "btn1dr", "u1", "p1br"},
      {"res1c1", "btn1cr", "TabSheet4", "p1cr"}, {"res1b1", "btn1br", "TabSheet4", "p1dr"},
      {"u1ar1", "btnu1a", "TabSheet1", "u1ar"},  {"u1br1", "btnu1b", "TabSheet1", "u1br"},
      {"u1cr1", "btnu1c", "TabSheet1", "u1cr"},  {"u1dr1", "btnu1d", "TabSheet1", "u1dr"},
      {"u1er1", "btnu1e", "TabSheet1", "u1er"},  {"u1fr1", "btnu1f", "TabSheet1", "u1fr"},
      {"u1gr1", "btnu1g", "TabSheet1", "u1gr"},  {"u1hr1", "btnu1h", "TabSheet1", "u1hr"},
      {"u1ir1", "btnu1i", "TabSheet1", "u1ir"},  {"u1jr1", "btnu1j", "TabSheet1", "u1jr"},
  };
  Open(42);
  std::vector<ClickablePicture> pictures;
  for (const Case& c : cases) {
    EXPECT_EQ(SheetOf(c.control), c.sheet) << c.control;
    EXPECT_EQ(SheetOf(c.pencil), c.sheet) << c.pencil;
    pictures.push_back({c.control, c.pencil, c.picture});
  }
  OpensEnlarged(kFolder, pictures);
  ExpectAllDiffer(EnlargedFiles(kFolder, pictures, 1));
  EXPECT_TRUE(boxes.empty());
  // The rows: item b)'s controls stand below item a)'s on the first tab, d)'s below c)'s.
  EXPECT_GT(C("btn1d")->Top(), C("btn1a")->Top());
  EXPECT_EQ(SheetOf("btn1d"), "u1");
  EXPECT_GT(C("btn1b")->Top(), C("btn1c")->Top());
  EXPECT_EQ(SheetOf("btn1b"), "TabSheet4");
}

TEST_F(CElemLinTest, TheCrossWiredRowsShowThePicturesOfTheirItems) {
  struct Row {
    const char *sheet, *label, *item;
    // the controls of the row: task, hint, result graph, result text
    const char *task, *hint, *graph, *text;
  };
  // Item b) stands on the first tab with the controls of letter d, item d) on the second tab
  // with those of letter b: each row must still show its own item's pictures.
  const Row rows[] = {
      {"u1", "Label22", "a", "Image1", "nap1a", "res1a1", "res1a2"},
      {"u1", "Label23", "b", "Image2", "nap1d", "res1d1", "res1d2"},
      {"TabSheet4", "Label25", "c", "Image3", "nap1c", "res1c1", "res1c2"},
      {"TabSheet4", "Label26", "d", "Image4", "nap1b", "res1b1", "res1b2"},
  };
  Open(42);
  std::vector<QImage> hints;
  for (size_t i = 0; i < std::size(rows); ++i) {
    const Row& r = rows[i];
    const Row& other = rows[i ^ 1];  // the other row of the same tab
    SCOPED_TRACE(r.item);
    const std::string x = r.item;
    auto* label = dynamic_cast<TLabel*>(C(r.label));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Caption(), x + ")");
    const std::pair<const char*, std::string> pieces[] = {
        {r.task, "CElemLin/p1" + x + ".html"},
        {r.hint, "CElemLin/h1" + x + ".html"},
        {r.graph, "CElemLin/g1" + x + ".graph"},
        {r.text, "CElemLin/r1" + x + ".html"},
    };
    for (const auto& [control, source] : pieces) {
      auto* image = dynamic_cast<TImage*>(C(control));
      ASSERT_NE(image, nullptr) << control;
      EXPECT_EQ(SheetOf(control), r.sheet) << control;
      // On the item's row: nearer to its label than to the other row's.
      EXPECT_LT(std::abs(image->Top() - label->Top()),
                std::abs(image->Top() - C(other.label)->Top()))
          << control;
      EXPECT_EQ(image->Picture().Image(), Rendered(source, *image))
          << control << " shows " << source;
    }
    hints.push_back(static_cast<TImage*>(C(r.hint))->Picture().Image());
  }
  // The four hints are four different pictures, so the comparison tells the rows apart.
  for (size_t i = 0; i < hints.size(); ++i) {
    for (size_t j = i + 1; j < hints.size(); ++j) EXPECT_NE(hints[i], hints[j]) << i << j;
  }
  // The buttons of the second rows stand beside their labels.
  EXPECT_EQ(C("btn1d")->Top(), C("Label23")->Top());
  EXPECT_EQ(C("btn1b")->Top(), C("Label26")->Top());
}

TEST_F(CElemLinTest, OnlyTheResultsOfTaskOneCanBeEnlarged) {
  Open(42);
  for (int i = 0; i < 10; ++i) {
    std::string l(1, static_cast<char>('a' + i));
    for (const std::string& n : {l + "y", "u3" + l + "r", "u1" + l + "r2"}) {
      EXPECT_FALSE(C(n)->OnClick()) << n;
      EXPECT_NE(C(n)->Cursor(), crHandPoint) << n;
    }
    EXPECT_EQ(C("u1" + l + "r1")->OnClick().Name(), "u1" + l + "r1Click");
  }
}

TEST_F(CElemLinTest, TheResultsOfTaskThreeAreWrappedLabels) {
  struct Case {
    const char *button, *label, *text;
  };
  const Case cases[] = {
      {"btn3ar", "res3a", "funkce je rostoucí"},
      {"btn3br", "res3b", "funkce je klesající"},
      {"btn3cr", "res3c", "nerostoucí a neklesající           (je to funkce konstantní)"},
      {"btn3dr", "res3d", "funkce je klesající"},
  };
  Open(42);
  for (const Case& c : cases) {
    auto* label = dynamic_cast<TLabel*>(C(c.label));
    ASSERT_NE(label, nullptr) << c.label;
    EXPECT_FALSE(label->Visible());
    Click(c.button);
    EXPECT_TRUE(label->Visible());
    EXPECT_EQ(label->Caption(), c.text);
    EXPECT_EQ(label->Font().Color(), clNavy);
    EXPECT_TRUE(label->WordWrap());
  }
  auto* c = static_cast<TLabel*>(C("res3c"));
  QFontMetrics fm(c->Font().ToQFont());
  EXPECT_GT(fm.horizontalAdvance(QString::fromStdString(c->Caption())), c->Width())
      << "the remark in brackets goes to a second line";
  EXPECT_GE(c->Height(), 2 * fm.height());
}

TEST_F(CElemLinTest, TheSlotOfThePageSurvivesReopeningAndShowingTheMainWindowZeroesIt) {
  Open(42);
  EXPECT_EQ(Tabs()->ActivePageIndex(), 0);
  Click("btnu1a");
  Click("u1ar1");
  Dispatch([&] { Tabs()->SelectTabByUser(5); });
  EXPECT_EQ(ExerciseTabIndex[4], 5);
  EXPECT_FALSE(frm_lupa->Visible()) << "picking a tab hides the magnifier";
  ExpectReopensOn(42, 43, 5);
  Dispatch([&] { Tabs()->SelectTabByUser(6); });
  Page()->Activate();  // back from the magnifier: the slot's tab again
  EXPECT_EQ(Tabs()->ActivePageIndex(), 6);
  ExpectRestoreForgetsTab(42, 4);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(CElemLinTest, ActivationMidHintStartsTheSteppedHintOver) {
  Open(42);
  Click("btn2a");
  EXPECT_EQ(Step("btn2aClick"), 1);
  Page()->Activate();
  EXPECT_EQ(Step("btn2aClick"), 0);
  Click("btn2a");  // step 1 again: nothing new
  EXPECT_FALSE(C("nap2a2")->Visible());
  EXPECT_TRUE(C("btn2a")->Enabled());
  Click("btn2a");
  EXPECT_TRUE(C("nap2a2")->Visible());
  EXPECT_FALSE(C("btn2a")->Enabled());
  Open(42);
  EXPECT_EQ(Step("btn2aClick"), 0);
  EXPECT_EQ(Step("btn2bClick"), 0);
}

}  // namespace
