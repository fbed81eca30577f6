// The exercise page 3  Inverzní funkce (chapter row 41): its five tabs, what every button shows
// click by click, the enlarged pictures, the remembered tab, and the graphs themselves: each
// drawn inverse undoes its function.
#include <QFile>
#include <QStringList>
#include <cmath>
#include <map>
#include <optional>
#include <set>

#include "engine/unit_graf_eval.h"
#include "engine/unit_graf_parse.h"
#include "engine/unit_typy.h"
#include "exercises/unit_frmFceCInverzni.h"
#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/stdctrls.h"
#include "platform/streaming.h"
#include "tests/exercises/exercise_page_fixture.h"

namespace {

constexpr int kRow = 41;
const char* const kFolder = "img/BIG/Vinverzni/";
const std::string kStatement2 = "Určete funkci inverzní k dané funkci.";
const std::string kStatement3 = "Určete funkci inverzní k dané prosté funkci.";
const std::string kNoteOf2 = "(Ve výsledku se zobrazí grafy obou funkcí.)";
std::string Note3(const std::string& skip) {
  return std::string(101, ' ') +
         "(Zabývejte se i definičními obory obou funkcí. Neznáte-li zatím funkce goniometrické "
         "nebo cyklometrické, vynechejte " +
         skip + ", neznáte-li ani funkce logaritmické a exponenciální, vynechejte celý příklad 3.)";
}

class CInverzniTest : public ExerciseTest {
 protected:
  TLabel* Label(const std::string& name) { return dynamic_cast<TLabel*>(C(name)); }
};

TEST_F(CInverzniTest, FiveTabsWithTheirKindsStatementsAndNotes) {
  const std::vector<TabRow> tabs = {
      {"TabSheet2", "1", 1, "Label79", "Načrtněte graf funkce inverzní k dané prosté funkci."},
      {"TabSheet3", "2", 0, "Label15", kStatement2},
      {"TabSheet1", "2", 1, "Label4", kStatement2},
      {"TabSheet5", "3", 0, "Label43", kStatement3},
      {"TabSheet4", "3", 1, "Label21", kStatement3},
  };
  // The grey note beside each tab's statement, where it has one.
  struct Note {
    const char* label;
    std::string text;
    int left;
  };
  const Note notes[] = {
      {nullptr, "", 0},
      {"Label45", kNoteOf2, 250},
      {"Label18", kNoteOf2, 250},
      {"Label47", Note3("úlohu b"), 0},
      {"Label46", Note3("úlohy f až j"), 0},
  };
  Open(kRow);
  ASSERT_EQ(OpenClass(), "frmFceCInverzni");
  EXPECT_EQ(Page()->Caption(), "Inverzní funkce");
  EXPECT_EQ(Label("Label1")->Caption(), "3");
  EXPECT_EQ(Label("Label3")->Caption(), "Inverzní funkce");
  EXPECT_NE(SheetOf("Label4"), "GroupBox1") << "the chapter has no section row";
  EXPECT_EQ(Page()->FindComponent("Label6"), nullptr);
  EXPECT_EQ(Tabs()->Images(), frmMain->ikony_sbirka);
  ASSERT_NO_FATAL_FAILURE(ExpectTabs(tabs));
  for (size_t i = 0; i < tabs.size(); ++i) {
    const TabRow& t = tabs[i];
    const Note& n = notes[i];
    SCOPED_TRACE(t.sheet);
    TLabel* statement = Label(t.label);
    ASSERT_NE(statement, nullptr);
    EXPECT_EQ(statement->Left(), 0);
    EXPECT_LT(statement->Top(), 10);
    if (!n.label) continue;
    TLabel* note = Label(n.label);
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(SheetOf(n.label), t.sheet);
    EXPECT_EQ(note->Caption(), n.text);
    EXPECT_EQ(note->Left(), n.left);
    EXPECT_LE(std::abs(note->Top() - statement->Top()), 2) << "on the statement's line";
    EXPECT_FALSE(note->Font().Style() & fsBold);
    // A note led by blanks lies over the statement and must let it show through.
    if (n.left == 0) {
      EXPECT_TRUE(note->Transparent());
    }
  }
}

// What each click of every button of the page shows.
std::vector<HintButton> HintButtons() {
  std::vector<HintButton> cases = {
      {"btn20", {{"nap20"}}, 1},
      {"btn30", {{"nap30"}}, 1},
      {"btn2a", {{"nap2a0"}, {"nap2a1"}, {"nap2a2"}, {"nap2a3"}}, 4},
      {"btn2b", {{"nap2b0"}, {"nap2b1"}, {"nap2b2"}, {"nap2b3"}}, 4},
      // The domain first, then the exchange of x and y, the exchanged formula, the computation
      // and the domain of the inverse.
      {"btn3a", {{"nap3a0a"}, {"nap3a0b"}, {"nap3a1"}, {"nap3a2"}, {"nap3a3"}, {"nap3a4"}}, 6},
      {"btn3b", {{"nap3b0a"}, {"nap3b0b"}, {"nap3b1"}, {"nap3b2"}, {"nap3b3"}, {"nap3b4"}}, 6},
      {"btn2ar", {{"res2pa1", "res2pa2"}, {}}, 0},
      {"btn2br", {{"res2pb1", "res2pb2"}, {}}, 0},
      {"btn3ar", {{"res3a1", "res3a2"}, {}}, 0},
      {"btn3br", {{"res3b1", "res3b2"}, {}}, 0},
      // Item c) of exercise 2 is no one-to-one function: three pieces.
      {"btnu2Ic", {{"res2c1", "res2c2", "res2c3"}, {}}, 0},
  };
  for (char c : std::string("abcdefgh")) {
    const std::string x(1, c);
    // The pencil of item c) has the handler btnu1lick and does what the others do.
    cases.push_back({"btnu1" + x,
                     {{"resu1" + x + "1", "resu1" + x + "2"}, {}},
                     0,
                     x == "c" ? "btnu1lick" : ""});
  }
  for (char c : std::string("abdefghij")) {
    const std::string x(1, c);
    cases.push_back({"btnu2I" + x, {{"res2" + x + "1", "res2" + x + "2"}, {}}, 0});
  }
  // Exercise 3: the inverse and the domains: both for a) to e), the inverse's for f) to h),
  // the function's for i) and j).
  for (char c : std::string("abcdefghij")) {
    const std::string x(1, c);
    std::set<std::string> pieces = {"res3" + x};
    if (c <= 'e' || c >= 'i') pieces.insert("res3" + x + "_1");
    if (c <= 'h') pieces.insert("res3" + x + "_2");
    cases.push_back({"btnu2II" + x, {pieces, {}}, 0});
  }
  return cases;
}

TEST_F(CInverzniTest, EveryButtonShowsItsPiecesClickByClick) {
  const std::vector<HintButton> cases = HintButtons();
  ASSERT_EQ(cases.size(), 38u);
  Open(kRow);
  const std::set<std::string> shown = PlayButtons(cases);
  // A spent stepped hint cannot be clicked again: it is disabled.
  EXPECT_FALSE(C("btn3a")->Enabled());
  EXPECT_EQ(TfrmFceCInverzni::Tables().HintStep("btn3aClick"), 6);
  EXPECT_EQ(shown.size(), 92u) << "every revealed piece, each once";
  EXPECT_FALSE(frm_lupa->Visible());
  EXPECT_TRUE(boxes.empty());
}

TEST_F(CInverzniTest, TheFixedTextsOfTheHintsAndOfTheFunctionThatIsNotOneToOne) {
  const std::pair<const char*, const char*> texts[] = {
      {"nap2a0", "Lineární funkce je prostá."},     {"nap2b0", "Lineární lomená funkce je prostá."},
      {"nap3a0a", "Určíme definiční obor funkce."}, {"nap3b0a", "Určíme definiční obor funkce."},
      {"res2c2", "není zadána prostá funkce"},
  };
  Open(kRow);
  for (const auto& [name, text] : texts) {
    TLabel* l = Label(name);
    ASSERT_NE(l, nullptr) << name;
    EXPECT_EQ(l->Caption(), text) << name;
    EXPECT_FALSE(l->Visible()) << name;
  }
  EXPECT_EQ(Label("res2c2")->Font().Color(), clNavy) << "a result";
  EXPECT_EQ(Label("nap2a0")->Font().Color(), clBlack) << "a hint";
}

TEST_F(CInverzniTest, ThePiecesStandWhereTheTasksPutThem) {
  struct Place {
    const char* name;
    int left, top, width, height;  // -1: any
  };
  const Place places[] = {
      {"btn20", 0, 33, 17, 17},     {"nap20", -1, -1, 759, 47},    {"btn30", 0, 47, 17, 17},
      {"nap30", -1, -1, 768, 26},   {"fce1b", -1, 88, -1, -1},     {"fce1a", -1, 225, -1, -1},
      {"Image12", -1, 104, -1, -1}, {"Image31", -1, 253, -1, -1},  {"res2pa2", -1, -1, 57, 57},
      {"res2pb2", -1, -1, 57, 57},  {"res3a2", -1, -1, 108, 103},  {"res3b2", -1, -1, 113, 108},
      {"res2a2", 282, -1, 57, 57},  {"res2c3", 282, -1, 57, 57},   {"res2f2", 659, -1, 57, 57},
      {"res2j2", 659, -1, 57, 57},  {"btnu2Ia", 0, -1, -1, -1},    {"btnu2If", 388, -1, -1, -1},
      {"btnu2IIa", 0, -1, -1, -1},  {"btnu2IIj", 388, -1, -1, -1}, {"res3a_1", -1, -1, 93, 25},
      {"res3h_2", -1, -1, 93, 25},  {"res3j_1", -1, -1, 93, 25},
  };
  Open(kRow);
  for (const Place& p : places) {
    SCOPED_TRACE(p.name);
    TControl* c = C(p.name);
    if (p.left >= 0) {
      EXPECT_EQ(c->Left(), p.left);
    }
    if (p.top >= 0) {
      EXPECT_EQ(c->Top(), p.top);
    }
    if (p.width >= 0) {
      EXPECT_EQ(c->Width(), p.width);
    }
    if (p.height >= 0) {
      EXPECT_EQ(c->Height(), p.height);
    }
  }
  // Item a)'s formula is fce1b, item b)'s fce1a; each item's buttons stand under its formula,
  // its hints right of it and its results further right.
  for (const auto& [x, formula] : {std::pair{"a", "fce1b"}, std::pair{"b", "fce1a"}}) {
    SCOPED_TRACE(x);
    const std::string t = x;
    TControl* f = C(formula);
    EXPECT_GE(C("btn2" + t)->Top(), f->Top() + f->Height());
    EXPECT_LT(C("btn2" + t)->Top(), f->Top() + f->Height() + 20);
    EXPECT_GE(C("nap2" + t + "1")->Left(), f->Left() + f->Width());
    EXPECT_GE(C("res2p" + t + "1")->Left(),
              C("nap2" + t + "1")->Left() + C("nap2" + t + "1")->Width());
  }
  EXPECT_LT(C("fce1b")->Top(), C("fce1a")->Top());
  // The eight items of exercise 1: graphs 73 x 72 in the grid of the single-tab pages.
  const char* graphs[] = {"Image1", "Image2", "Image3", "Image5",
                          "Image4", "Image6", "Image7", "Image8"};
  for (int k = 0; k < 8; ++k) {
    const std::string x(1, static_cast<char>('a' + k));
    SCOPED_TRACE(x);
    TControl* g = C(graphs[k]);
    EXPECT_EQ(g->Top(), 41 + 93 * (k % 4));
    EXPECT_EQ(g->Left(), 32 + 392 * (k / 4));
    for (const std::string& n : {std::string(graphs[k]), "resu1" + x + "1", "resu1" + x + "2"}) {
      EXPECT_EQ(C(n)->Width(), 73) << n;
      EXPECT_EQ(C(n)->Height(), 72) << n;
      EXPECT_EQ(SheetOf(n), "TabSheet2") << n;
    }
    EXPECT_GT(C("resu1" + x + "1")->Left(), g->Left() + 72) << "right of the task graph";
    EXPECT_GT(C("resu1" + x + "2")->Left(), C("resu1" + x + "1")->Left() + 72);
  }
}

TEST_F(CInverzniTest, EveryClickablePictureOpensItsEnlargedPicture) {
  std::map<std::string, std::string> opens;  // control -> picture
  const char* graphs[] = {"Image1", "Image2", "Image3", "Image5",
                          "Image4", "Image6", "Image7", "Image8"};
  for (int k = 0; k < 8; ++k) {
    const std::string x(1, static_cast<char>('a' + k));
    opens[graphs[k]] = "u1" + x;
    opens["resu1" + x + "1"] = "u1" + x + "r1";
    opens["resu1" + x + "2"] = "u1" + x + "r2";
  }
  for (char c : std::string("abcdefghij")) {
    const std::string x(1, c);
    opens[c == 'c' ? "res2c3" : "res2" + x + "2"] = "u2" + x + "r2";
  }
  // The worked examples' pictures count the tasks from 1.
  opens["res2pa2"] = "p1a";
  opens["res2pb2"] = "p1b";
  opens["res3a2"] = "p2a";
  opens["res3b2"] = "p2b";
  ASSERT_EQ(opens.size(), 38u);
  Open(kRow);
  for (const HintButton& c : HintButtons()) {
    if (c.disabledAfter == 0) Click(c.button);  // every result shown
  }
  std::vector<ClickablePicture> pictures;
  for (const auto& [control, picture] : opens) {
    SCOPED_TRACE(control);
    EXPECT_TRUE(C(control)->Visible());
    EXPECT_EQ(C(control)->Cursor(), crHandPoint);
    EXPECT_EQ(C(control)->OnClick().Name(), control + "Click");
    Dispatch([] { HideEnlargedPicture(); });
    Click(control);
    EXPECT_TRUE(Magnifies(kFolder, picture));
    pictures.push_back({control, "", picture});
  }
  // Each larger than the small picture, every control its own.
  const std::map<std::string, QImage> files = EnlargedFiles(kFolder, pictures, 300);
  EXPECT_EQ(files.size(), opens.size());
  ExpectAllDiffer(files);
  // Nothing else of the page reacts to a click but the buttons.
  for (int i = 0; i < Page()->ComponentCount(); ++i) {
    auto* c = dynamic_cast<TControl*>(Page()->Components(i));
    if (!c || dynamic_cast<TSpeedButton*>(c) || opens.count(std::string(c->Name()))) continue;
    EXPECT_FALSE(c->OnClick()) << c->Name();
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_F(CInverzniTest, TheSlotOfThePageSurvivesReopeningAndShowingTheMainWindowZeroesIt) {
  Open(kRow);
  EXPECT_EQ(Tabs()->ActivePageIndex(), 0);
  Click("btnu1a");
  Click("resu1a1");
  ASSERT_TRUE(frm_lupa->Visible());
  PickTab(3);
  EXPECT_EQ(ExerciseTabIndex[3], 3);
  EXPECT_FALSE(frm_lupa->Visible()) << "picking a tab hides the magnifier";
  ExpectReopensOn(kRow, kRow + 1, 3);
  EXPECT_FALSE(C("resu1a1")->Visible()) << "a fresh page";
  PickTab(4);
  Page()->Activate();  // back from the magnifier: the slot's tab again
  EXPECT_EQ(Tabs()->ActivePageIndex(), 4);
  ExpectRestoreForgetsTab(kRow, 3);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(CInverzniTest, ActivationMidHintStartsTheSteppedHintOver) {
  Open(kRow);
  PickTab(3);
  Click("btn3a");
  Click("btn3a");
  EXPECT_TRUE(C("nap3a0b")->Visible());
  Page()->Activate();
  EXPECT_EQ(TfrmFceCInverzni::Tables().HintStep("btn3aClick"), 0);
  EXPECT_TRUE(C("nap3a0b")->Visible()) << "what was shown stays";
  Click("btn3a");  // step 1 again: nothing new
  Click("btn3a");
  EXPECT_FALSE(C("nap3a1")->Visible());
  for (int k = 3; k <= 6; ++k) Click("btn3a");
  EXPECT_TRUE(C("nap3a4")->Visible());
  EXPECT_FALSE(C("btn3a")->Enabled());
  Open(kRow);
  for (const char* h : {"btn2aClick", "btn2bClick", "btn3aClick", "btn3bClick"})
    EXPECT_EQ(TfrmFceCInverzni::Tables().HintStep(h), 0) << h;
  EXPECT_TRUE(C("btn3a")->Enabled());
}

// ---- the graphs: the function in red, its inverse in blue ----------------------------------

struct Plot {
  TokenList list;
  double from = -INFINITY, to = INFINITY;
  std::string text;
};
struct Graph {
  std::vector<Plot> red, blue;
  std::vector<std::pair<double, double>> redPoints, bluePoints;
  double x0 = -5, x1 = 5;
};

// A coordinate of a graph source: a number with a decimal comma or point, or a multiple of π.
double Coordinate(QString t) {
  t.replace(',', '.');
  double factor = 1;
  if (t.contains("pi")) {
    const QStringList parts = t.split("pi");
    const QString k = parts[0];
    factor = M_PI * (k.isEmpty() ? 1 : k == "-" ? -1 : k.toDouble());
    return parts[1].startsWith('/') ? factor / parts[1].mid(1).toDouble() : factor;
  }
  return t.toDouble();
}

Graph ReadGraph(const std::string& path) {
  QFile f(QString(ZALMIRA_SOURCE_DIR) + "/layouts/Vinverzni/" + QString::fromStdString(path));
  EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path;
  Graph g;
  for (const QString& line : QString::fromUtf8(f.readAll()).split('\n')) {
    const QStringList w = line.simplified().split(' ', Qt::SkipEmptyParts);
    if (w.isEmpty()) continue;
    const int color = w.indexOf("color");
    const QString c = color > 0 ? w[color + 1] : QString();
    if (w[0] == "view") {
      g.x0 = Coordinate(w[1]);
      g.x1 = Coordinate(w[2]);
    } else if (w[0] == "plot" && (c == "red" || c == "blue")) {
      Plot p;
      p.text = w[1].toStdString();
      EXPECT_TRUE(ParseExpression(p.text, p.list)) << path << ": " << p.text;
      if (int i = w.indexOf("from"); i > 0) p.from = Coordinate(w[i + 1]);
      if (int i = w.indexOf("to"); i > 0) p.to = Coordinate(w[i + 1]);
      (c == "red" ? g.red : g.blue).push_back(std::move(p));
    } else if (w[0] == "point" && (c == "red" || c == "blue")) {
      (c == "red" ? g.redPoints : g.bluePoints).emplace_back(Coordinate(w[1]), Coordinate(w[2]));
    }
  }
  return g;
}

std::optional<double> Value(const Plot& p, double x) {
  constexpr double kEdge = 1e-9;
  if (x < p.from - kEdge || x > p.to + kEdge) return std::nullopt;
  SignRing ring;
  bool defined = false, jump = false;
  const double y = EvaluatePostfix(CopyTokenList(p.list), defined, jump, x, true, ring);
  if (!defined || !std::isfinite(y)) return std::nullopt;
  return y;
}

// The value of a function drawn in pieces at x, where one of its pieces is defined.
std::optional<double> Value(const std::vector<Plot>& pieces, double x) {
  for (const Plot& p : pieces) {
    if (auto y = Value(p, x)) return y;
  }
  return std::nullopt;
}

// Whether `second` undoes `first` wherever `first` is defined in the view: second(first(x)) = x.
::testing::AssertionResult Undoes(const std::vector<Plot>& second, const std::vector<Plot>& first,
                                  double x0, double x1) {
  int checked = 0;
  for (double x = x0; x <= x1 + 1e-9; x += (x1 - x0) / 97) {
    const auto y = Value(first, x);
    if (!y) continue;
    const auto back = Value(second, *y);
    if (!back)
      return ::testing::AssertionFailure() << "undefined at y = " << *y << " (x = " << x << ")";
    if (std::abs(*back - x) > 1e-6 * std::max(1.0, std::abs(x)))
      return ::testing::AssertionFailure() << "x = " << x << " comes back as " << *back;
    ++checked;
  }
  if (checked < 10) return ::testing::AssertionFailure() << "only " << checked << " samples";
  return ::testing::AssertionSuccess();
}

TEST(CInverzniGraphs, EachBlueGraphIsTheInverseOfTheRedOneAndTheMarkedPointsLieOnThem) {
  const char* sources[] = {
      "u1a.graph",   "u1b.graph",   "u1c.graph",   "u1d.graph",   "u1e.graph",   "u1f.graph",
      "u1g.graph",   "u1h.graph",   "p1a.graph",   "p1b.graph",   "p2a.graph",   "p2b.graph",
      "u2ar2.graph", "u2br2.graph", "u2dr2.graph", "u2er2.graph", "u2fr2.graph", "u2gr2.graph",
      "u2hr2.graph", "u2ir2.graph", "u2jr2.graph"};
  for (const char* s : sources) {
    SCOPED_TRACE(s);
    const Graph g = ReadGraph(s);
    ASSERT_FALSE(g.red.empty());
    ASSERT_FALSE(g.blue.empty());
    // Both ways: the inverse undoes the function on its domain, and it is drawn on the
    // function's range only.
    EXPECT_TRUE(Undoes(g.blue, g.red, g.x0, g.x1));
    EXPECT_TRUE(Undoes(g.red, g.blue, g.x0, g.x1));
    for (const auto& [points, pieces] :
         {std::pair{&g.redPoints, &g.red}, std::pair{&g.bluePoints, &g.blue}}) {
      for (const auto& [x, y] : *points) {
        const auto v = Value(*pieces, x);
        ASSERT_TRUE(v) << "[" << x << "; " << y << "] off the graph's domain";
        EXPECT_NEAR(*v, y, 1e-9) << "[" << x << "; " << y << "]";
      }
    }
    // Each point of the function has its mirror image on the inverse (exercise 1).
    if (std::string(s).size() == 9 && s[0] == 'u') {
      for (const auto& [x, y] : g.redPoints) {
        const auto v = Value(g.blue, y);
        ASSERT_TRUE(v);
        EXPECT_NEAR(*v, x, 1e-9);
      }
    }
  }
  // Exercise 2 c): the line y = 2 meets the graph of y = x² + 1 twice, so no inverse exists.
  const Graph c = ReadGraph("u2cr2.graph");
  ASSERT_EQ(c.bluePoints.size(), 2u);
  EXPECT_EQ(c.bluePoints[0].second, c.bluePoints[1].second);
  EXPECT_NE(c.bluePoints[0].first, c.bluePoints[1].first);
  for (const auto& [x, y] : c.bluePoints) EXPECT_NEAR(*Value(c.red, x), y, 1e-12);
}

}  // namespace
