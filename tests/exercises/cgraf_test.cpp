// The exercise page 1.3  Graf funkce (chapter row 32): eight curves, their results and
// verdicts, and the enlarged pictures that every clickable picture opens.
#include <set>

#include "exercises/unit_frmFceCGraf.h"
#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/stdctrls.h"
#include "tests/exercises/exercise_page_fixture.h"

namespace {

constexpr char kFolder[] = "img/BIG/graf/";

// Every piece that a pencil reveals.
const char* const kResults[] = {"u01ar",   "u01ar2",  "u01br",   "u01br2",  "resu1c1", "resu1c2",
                                "resu1d1", "resu1d2", "resu1e1", "resu1e2", "resu1f1", "resu1f2",
                                "resu1g1", "resu1g2", "resu1h1", "resu1h2"};

class CGrafTest : public PageTest<TfrmFceCGraf, kFolder> {
 protected:
  std::set<std::string> Shown() {
    std::set<std::string> out;
    for (const char* r : kResults) {
      if (C(r)->Visible()) out.insert(r);
    }
    return out;
  }
};

TEST_F(CGrafTest, EveryClickablePictureOpensItsEnlargedPicture) {
  const std::vector<ClickablePicture> cases = {
      {"u01a", "", "u01a"},           {"u01b", "", "u01b"},
      {"Image3", "", "u01c"},         {"Image5", "", "u01d"},
      {"Image4", "", "u01e"},         {"Image6", "", "u01f"},
      {"Image7", "", "u01g"},         {"Image8", "", "u01h"},
      {"u01ar", "btnu1a", "u01ar"},   {"u01br", "btnu1b", "u01br"},
      {"resu1c1", "btnu1c", "u01cr"}, {"resu1d1", "btnu1d", "u01dr"},
      {"resu1e1", "btnu1e", "u01er"}, {"resu1f1", "btnu1f", "u01fr"},
      {"resu1g1", "btnu1g", "u01gr"}, {"resu1h1", "btnu1h", "u01hr"},
  };
  Open(32);
  OpensEnlarged(kFolder, cases);
  EXPECT_TRUE(boxes.empty());
  // Sixteen pictures of their own: no two files show the same.
  const std::map<std::string, QImage> images = EnlargedFiles(kFolder, cases, 1);
  ExpectAllDiffer(images);
  EXPECT_EQ(images.size(), 16u);
}

TEST_F(CGrafTest, EachPencilShowsItsItemsGraphAndVerdict) {
  struct Case {
    const char* pencil;
    const char *graph, *verdict;
    const char* memo;  // the verdict's text; null: the verdict is a picture with its reason
  };
  const Case cases[] = {
      {"btnu1a", "u01ar", "u01ar2", nullptr},
      {"btnu1b", "u01br", "u01br2", nullptr},
      {"btnu1c", "resu1c1", "resu1c2", "není grafem funkce"},
      {"btnu1d", "resu1d1", "resu1d2", "je grafem funkce"},
      {"btnu1e", "resu1e1", "resu1e2", "je grafem funkce"},
      {"btnu1f", "resu1f1", "resu1f2", "není grafem funkce"},
      {"btnu1g", "resu1g1", "resu1g2", "je grafem funkce"},
      {"btnu1h", "resu1h1", "resu1h2", "není grafem funkce"},
  };
  Open(32);
  EXPECT_TRUE(Shown().empty());
  std::set<std::string> shown;
  for (const Case& c : cases) {
    Click(c.pencil);
    Click(c.pencil);  // a second click changes nothing
    shown.insert({c.graph, c.verdict});
    EXPECT_EQ(Shown(), shown) << c.pencil;
    EXPECT_TRUE(C(c.pencil)->Enabled()) << c.pencil;
    EXPECT_NE(dynamic_cast<TImage*>(C(c.graph)), nullptr) << c.graph;
    if (c.memo) {
      auto* memo = dynamic_cast<TMemo*>(C(c.verdict));
      ASSERT_NE(memo, nullptr) << c.verdict;
      EXPECT_EQ(memo->Lines().Text(), std::string(c.memo) + "\r\n") << c.verdict;
      EXPECT_EQ(memo->Font().Color(), clNavy);
      EXPECT_TRUE(memo->ReadOnly());
    } else {
      EXPECT_NE(dynamic_cast<TImage*>(C(c.verdict)), nullptr) << c.verdict;
    }
    EXPECT_FALSE(C(c.verdict)->OnClick()) << c.verdict << " is not clickable";
  }
  EXPECT_FALSE(frm_lupa->Visible()) << "no pencil enlarges anything";
  EXPECT_TRUE(boxes.empty());
}

TEST_F(CGrafTest, OneExerciseTabThatActivationLeavesAsItIsAndReopeningResets) {
  const auto before = ExerciseTabIndex;
  Open(32);
  auto* tabs = static_cast<TPageControl*>(Page()->FindComponent("priklady"));
  ASSERT_EQ(tabs->PageCount(), 1);
  EXPECT_EQ(tabs->ActivePageIndex(), 0);
  EXPECT_EQ(tabs->Pages(0)->Name(), "TabSheet2");
  EXPECT_EQ(tabs->Pages(0)->Caption(), "1");
  EXPECT_EQ(tabs->Pages(0)->ImageIndex(), 1);
  EXPECT_FALSE(tabs->OnChange());
  EXPECT_EQ(static_cast<TLabel*>(C("Label79"))->Caption(),
            "Rozhodněte, zda uvedený graf je grafem funkce.");
  Click("btnu1d");
  Click("Image4");
  Page()->Activate();  // back from the magnifier: nothing changes
  EXPECT_EQ(Shown(), (std::set<std::string>{"resu1d1", "resu1d2"}));
  EXPECT_TRUE(frm_lupa->Visible()) << "nothing on this page hides the magnifier";
  EXPECT_EQ(ExerciseTabIndex, before) << "the page has no slot";
  Open(32);
  EXPECT_TRUE(Shown().empty()) << "a fresh page";
}

}  // namespace
