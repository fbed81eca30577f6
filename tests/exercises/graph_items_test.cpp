// The single-tab exercise pages 1.4, 1.5, 2.1, 2.2, 2.3 and 2.6 (chapter rows 33 to 37 and 40):
// eight graphs a) to h) on one tab, a pencil showing each item's answer, and the enlarged
// pictures that the graphs (and on four pages the answer graphs) open.
#include <map>
#include <set>

#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/paths.h"
#include "platform/stdctrls.h"
#include "platform/streaming.h"
#include "tests/exercises/exercise_page_fixture.h"

namespace {

const std::string kLetters = "abcdefgh";
// The task graphs of items a) to h).
const char* const kTaskGraphs[] = {"Image1", "Image2", "Image3", "Image5",
                                   "Image4", "Image6", "Image7", "Image8"};

struct GraphPage {
  int row;
  const char *cls, *folder, *statement;
  // What the pencil of an item shows besides its text or formula "resu1<x>2": the answer graph
  // "resu1<x>1" and the suffix of the enlarged picture it opens; null: no answer graph.
  const char* answerGraph;
};
const GraphPage kPages[] = {
    {33, "TfrmFceCVDf", "VDfHf", "Určete z grafu funkce její definiční obor.", "rd"},
    {34, "TfrmFceCVHf", "VDfHf", "Určete z grafu funkce obor jejích hodnot.", "rh"},
    {35, "TfrmFceCVmonotonie", "Vmonotonie", "Určete z grafu funkce její monotónnost.", nullptr},
    {36, "TfrmFceCVextremy", "Vextremy", "Určete z grafu funkce její minima a maxima.", nullptr},
    {37, "TfrmFceCVomezenost", "Vomezenost", "Určete z grafu a předpisu funkce, zda je omezená.",
     "r"},
    {40, "TfrmFceCVprosta", "Vprosta", "Určete z grafu funkce, zda je prostá.", "r"},
};

// The enlarged picture that a click on each clickable control opens, page by page.
std::map<std::string, std::string> OpenedPictures(const GraphPage& p) {
  std::map<std::string, std::string> out;
  for (int k = 0; k < 8; ++k) {
    const std::string x(1, kLetters[k]);
    out[kTaskGraphs[k]] = "u1" + x;
    if (p.answerGraph) out["resu1" + x + "1"] = "u1" + x + p.answerGraph;
  }
  if (p.row == 34) out["resu1e1"] = "u1e";  // the answer graph of e) is the task's graph
  return out;
}

// The pictures that open the first graph "u1a" without showing the hand: the intervals of
// monotonicity on 2.1, the formulas on 2.3.
std::vector<std::string> BorrowingTheFirstGraph(const GraphPage& p) {
  std::vector<std::string> out;
  for (int k = 0; k < 8; ++k) {
    if (p.row == 35) out.push_back("resu1" + std::string(1, kLetters[k]) + "2");
    if (p.row == 37) out.push_back("Image" + std::to_string(9 + k));
  }
  return out;
}

// The verdicts that the pencils show as text, line by line.
const std::map<std::string, std::vector<std::string>> kMemos[] = {
    {},
    {},
    {},
    {{"a", {"nemá minimum ani maximum"}},
     {"e", {"má minimum i maximum v každém ", "bodě svého definičního oboru"}}},
    {{"a", {"není omezená ", "shora ani zdola"}},
     {"b", {"je shora omezená"}},
     {"c", {"je omezená"}},
     {"d", {"je omezená"}},
     {"e", {"je zdola omezená"}},
     {"f", {"je omezená"}},
     {"g", {"je zdola omezená"}},
     {"h", {"není omezená ", "shora ani zdola"}}},
    {{"a", {"je prostá", "(je klesající)"}},
     {"b", {"není prostá"}},
     {"c", {"není prostá"}},
     {"d", {"není prostá"}},
     {"e", {"není prostá"}},
     {"f", {"není prostá"}},
     {"g", {"je prostá", "(je klesající)"}},
     {"h", {"je prostá"}}},
};

std::string Joined(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& l : lines) out += l + "\r\n";
  return out;
}

class GraphItemsTest : public ExerciseTest {
 protected:
  // The result pieces of the page that are shown.
  std::set<std::string> Results() {
    std::set<std::string> out;
    for (const std::string& n : Visible()) {
      if (n.rfind("resu1", 0) == 0) out.insert(n);
    }
    return out;
  }
  static std::string BigFolder(const GraphPage& p) {
    return std::string("img/BIG/") + p.folder + "/";
  }
};

TEST_F(GraphItemsTest, OneExerciseTabWithItsStatementWhichActivationSelectsAgain) {
  for (const GraphPage& p : kPages) {
    SCOPED_TRACE(p.cls);
    const auto before = ExerciseTabIndex;
    Open(p.row);
    ASSERT_EQ(OpenClass(), std::string(p.cls).substr(1));
    ASSERT_EQ(Tabs()->PageCount(), 1);
    EXPECT_EQ(Tabs()->ActivePageIndex(), 0);
    EXPECT_EQ(Tabs()->Pages(0)->Caption(), "1");
    EXPECT_EQ(Tabs()->Pages(0)->ImageIndex(), 1) << "an exercise";
    EXPECT_FALSE(Tabs()->OnChange()) << "no remembered tab";
    auto* statement = Get<TLabel>("Label79");
    ASSERT_NE(statement, nullptr);
    EXPECT_EQ(statement->Caption(), p.statement);
    EXPECT_EQ(statement->Parent(), Tabs()->Pages(0));
    EXPECT_TRUE(statement->Font().Style() & fsBold);
    EXPECT_EQ(statement->Font().Height(), -13);
    // Items a) to d) in the left column, e) to h) in the right, each its label with the pencil
    // under it and the graph 32 px to its right.
    for (int k = 0; k < 8; ++k) {
      const std::string x(1, kLetters[k]);
      auto* label = dynamic_cast<TLabel*>(Tabs()->Pages(0)->Controls(1 + 3 * k));
      ASSERT_NE(label, nullptr) << x;
      EXPECT_EQ(label->Caption(), x + ")");
      TControl* pencil = C("btnu1" + x);
      TControl* graph = C(kTaskGraphs[k]);
      EXPECT_EQ(pencil->Left(), label->Left()) << x;
      EXPECT_GT(pencil->Top(), label->Top() + 12) << x;
      EXPECT_EQ(graph->Left(), label->Left() + 32) << x;
      EXPECT_EQ(graph->Top(), 41 + 93 * (k % 4)) << x;
      EXPECT_EQ(k < 4, label->Left() == 0) << x;
      EXPECT_EQ(pencil->OnClick().Name(), "btnu1" + x + "Click");
    }
    // Activation from code selects the only tab again and remembers nothing.
    Dispatch([&] { Tabs()->SetActivePageIndex(-1); });
    Page()->Activate();
    EXPECT_EQ(Tabs()->ActivePageIndex(), 0);
    EXPECT_EQ(ExerciseTabIndex, before);
  }
  // 2.3 adds its remark after the statement, over the statement's line.
  Open(37);
  auto* note = Get<TLabel>("Label38");
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(note->Caption(), std::string(117, ' ') +
                                 "(Úloha je určena především k opakování. Neznáte-li některé z "
                                 "funkcí uvedené    v zadání, cvičení s nimi vynechejte.)");
  EXPECT_FALSE(note->Font().Style() & fsBold);
  EXPECT_EQ(note->Font().Height(), -12);
  EXPECT_TRUE(note->Transparent()) << "the statement stays legible beneath its blanks";
  EXPECT_EQ(C("Label21")->Left(), 0);
  EXPECT_EQ(C("Label25")->Left(), 400) << "the right column of 2.3";
  EXPECT_TRUE(boxes.empty());
}

TEST_F(GraphItemsTest, EveryClickablePictureOpensItsEnlargedPicture) {
  for (const GraphPage& p : kPages) {
    SCOPED_TRACE(p.cls);
    Open(p.row);
    for (const char c : kLetters) Click("btnu1" + std::string(1, c));
    std::set<std::string> files;
    for (const auto& [control, picture] : OpenedPictures(p)) {
      ASSERT_TRUE(C(control)->Visible()) << control;
      EXPECT_EQ(C(control)->Cursor(), crHandPoint) << control;
      Dispatch([] { HideEnlargedPicture(); });
      Click(control);
      EXPECT_TRUE(Magnifies(BigFolder(p), picture)) << control;
      files.insert(picture);
    }
    for (const std::string& control : BorrowingTheFirstGraph(p)) {
      EXPECT_NE(C(control)->Cursor(), crHandPoint) << control;
      Dispatch([] { HideEnlargedPicture(); });
      Click(control);
      EXPECT_TRUE(Magnifies(BigFolder(p), "u1a")) << control;
    }
    // Every other piece of the tab ignores a click.
    const auto opened = OpenedPictures(p);
    const auto borrowing = BorrowingTheFirstGraph(p);
    TTabSheet* sheet = Tabs()->Pages(0);
    for (int i = 0; i < sheet->ControlCount(); ++i) {
      TControl* c = sheet->Controls(i);
      const std::string name(c->Name());
      if (opened.count(name) || std::count(borrowing.begin(), borrowing.end(), name) ||
          name.rfind("btnu1", 0) == 0)
        continue;
      EXPECT_FALSE(c->OnClick()) << name;
    }
    // The task graphs and the answer graphs are pictures of their own.
    std::vector<QImage> images;
    for (const std::string& f : files) {
      TPicture picture;
      picture.LoadFromFile(BigFolder(p) + f + "_big.jpg");
      for (const QImage& other : images) EXPECT_NE(picture.Image(), other) << f;
      images.push_back(picture.Image());
    }
    EXPECT_EQ(images.size(), p.answerGraph ? (p.row == 34 ? 15u : 16u) : 8u);
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_F(GraphItemsTest, EachPencilShowsItsItemsAnswerAndStaysEnabled) {
  for (size_t i = 0; i < std::size(kPages); ++i) {
    const GraphPage& p = kPages[i];
    SCOPED_TRACE(p.cls);
    Open(p.row);
    EXPECT_TRUE(Results().empty()) << "a fresh page shows no answer";
    std::set<std::string> shown;
    for (const char c : kLetters) {
      const std::string x(1, c);
      const std::string pencil = "btnu1" + x;
      Click(pencil);
      Click(pencil);  // a second click changes nothing
      if (p.answerGraph) shown.insert("resu1" + x + "1");
      shown.insert("resu1" + x + "2");
      EXPECT_EQ(Results(), shown) << pencil;
      EXPECT_TRUE(C(pencil)->Enabled()) << pencil;
      // The answer: a verdict in words, or a picture of the domain, range, intervals or extremes.
      const auto memo = kMemos[i].find(x);
      if (memo != kMemos[i].end()) {
        auto* m = dynamic_cast<TMemo*>(C("resu1" + x + "2"));
        ASSERT_NE(m, nullptr) << x;
        EXPECT_EQ(m->Lines().Text(), Joined(memo->second)) << x;
        EXPECT_EQ(m->Font().Color(), clNavy);
        EXPECT_TRUE(m->ReadOnly());
      } else {
        EXPECT_NE(dynamic_cast<TImage*>(C("resu1" + x + "2")), nullptr) << x;
      }
    }
    EXPECT_FALSE(frm_lupa->Visible()) << "no pencil enlarges anything";
    Open(p.row);
    EXPECT_TRUE(Results().empty()) << "reopened: a fresh page";
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_F(GraphItemsTest, TheRangePageSetsItsStatementBackAtEveryActivation) {
  Open(34);
  auto* statement = Get<TLabel>("Label79");
  ASSERT_NE(statement, nullptr);
  const auto layoutValues = [&] {
    EXPECT_EQ(statement->Left(), 0);
    EXPECT_EQ(statement->Top(), 8);
    EXPECT_EQ(statement->Font().Size(), 10);
    EXPECT_EQ(statement->Font().Name(), "Microsoft Sans Serif");
    EXPECT_TRUE(statement->Font().Style() & fsBold);
  };
  layoutValues();
  statement->SetBounds(40, 30, statement->Width(), statement->Height());
  statement->Font().SetSize(14);
  statement->Font().SetName("Arial");
  Page()->Activate();
  layoutValues();
  EXPECT_EQ(statement->Caption(), "Určete z grafu funkce obor jejích hodnot.");
}

TEST_F(GraphItemsTest, TheDomainAndRangePagesShareTheirTaskGraphsButNotTheirAnswers) {
  // One source a function: the task, its domain shaded (stage 2), its range shaded (stage 3).
  struct Case {
    int row;
    const char* answerStage;
  };
  for (const Case& c : {Case{34, "#3"}, Case{33, "#2"}}) {  // 1.4 after 1.5
    Open(c.row);
    for (int k = 0; k < 8; ++k) {
      const std::string x(1, kLetters[k]);
      const std::string source = "VDfHf/u1" + x + ".graph";
      auto* task = Get<TImage>(kTaskGraphs[k]);
      auto* answer = Get<TImage>("resu1" + x + "1");
      EXPECT_EQ(task->Picture().Image(), Rendered(source + "#1", *task)) << c.row << x;
      // The range of e) is all of ℝ: on the range page its answer graph is the task's graph.
      const std::string stage = c.row == 34 && x == "e" ? "#1" : c.answerStage;
      EXPECT_EQ(answer->Picture().Image(), Rendered(source + stage, *answer)) << c.row << x;
      EXPECT_EQ(answer->Width(), c.row == 33 ? 71 : 72);
    }
  }
}

TEST_F(GraphItemsTest, TheLayoutCheckerKnowsEveryEnlargedFile) {
  for (const GraphPage& p : kPages) {
    SCOPED_TRACE(p.cls);
    const TFormClass* cls = FindFormClass(p.cls);
    ASSERT_NE(cls, nullptr);
    std::set<std::string> expected;
    for (const auto& [control, picture] : OpenedPictures(p))
      expected.insert(BigFolder(p) + picture + "_big.jpg");
    const std::set<std::string> required(cls->requiredFiles.begin(), cls->requiredFiles.end());
    EXPECT_EQ(required, expected);
    for (const std::string& f : required) EXPECT_TRUE(FileExists(f)) << f;
    // ... and every control the page's handlers name.
    const std::set<std::string> names(cls->requiredNames.begin(), cls->requiredNames.end());
    for (const char c : kLetters) {
      const std::string x(1, c);
      EXPECT_TRUE(names.count("resu1" + x + "2")) << x;
      EXPECT_EQ(names.count("resu1" + x + "1"), p.answerGraph ? 1u : 0u) << x;
    }
    EXPECT_TRUE(names.count("priklady"));
  }
}

}  // namespace
