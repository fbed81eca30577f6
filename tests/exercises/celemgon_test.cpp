// The goniometric exercise pages of 4.7 (chapter rows 50 to 53: sine, cosine, tangent,
// cotangent), one family: the same tabs and handlers, each page with its own slot, folder,
// texts and the hint steps of task 2 where they differ.
#include <QFontMetrics>
#include <QRect>
#include <QTextLayout>
#include <map>
#include <set>

#include "exercises/unit_frmFceCElemGonCos.h"
#include "exercises/unit_frmFceCElemGonCotg.h"
#include "exercises/unit_frmFceCElemGonSin.h"
#include "exercises/unit_frmFceCElemGonTg.h"
#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/stdctrls.h"
#include "platform/streaming.h"
#include "tests/exercises/exercise_page_fixture.h"

namespace {

using Lines = std::vector<std::string>;
using Clicks = std::vector<std::set<std::string>>;

struct GonCase {
  int row;
  const char* cls;
  int slot;
  std::string folder, function;  // "sinus"
  int blanks;                    // before the full stop of task 3's statement
  std::string nap1d;
  Clicks hint2c, hint2d;
  std::set<std::string> result2c, result2d;
  std::map<std::string, Lines> memos;
  char tab6ItemA;  // the letter of the controls at item a) of tab 6
  ExerciseTables& (*tables)();
};

std::string L(char x) {
  return std::string(1, x);
}

QRect Box(const TControl* c) {
  return QRect(c->Left(), c->Top(), c->Width(), c->Height());
}

// A text laid out as a control draws it: in its font, wrapped at `width`.
struct TextLines {
  TextLines(const std::string& text, const TFont& font, int width)
      : layout(QString::fromStdString(text), font.ToQFont()) {
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    double y = 0;
    for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine()) {
      l.setLineWidth(width);
      l.setPosition(QPointF(0, y));
      y += l.height();
    }
    layout.endLayout();
  }
  // Where character `i` stands, relative to the text's top left corner.
  QRectF CharBox(int i) const {
    const QTextLine l = layout.lineForTextPosition(i);
    const double x0 = l.cursorToX(i), x1 = l.cursorToX(i + 1);
    return QRectF(QPointF(std::min(x0, x1), l.y()), QPointF(std::max(x0, x1), l.y() + l.height()));
  }
  QTextLayout layout;
};

const Lines kArgumentRule = {"Zapamatujte si: Přičtení libovolné hodnoty ",
                             "k argumentu funkce nemá vliv na její periodu."};
const Lines kValueRule = {"Zapamatujte si: Přičtení libovolné hodnoty ",
                          "k funkci nemá vliv na periodu funkce."};
const Lines kFactorRule = {"Zapamatujte si: Vynásobení funkce libovolnou hodnotou ",
                           "nemá vliv na periodu funkce."};

Lines Nap1c2(const std::string& function) {
  return {"Máme zadán úhel, který je větší než perioda funkce " + function + ". Můžeme ",
          "však využít periodičnosti funkce a libovolné násobky periody přičítat ", "nebo odčítat.",
          " "};
}
const Lines kNap1d2 = {"Opět využijeme periodičnosti funkce a přičteme takový násobek ",
                       "periody, abychom dostali kladný zlomek.", "", " "};

GonCase Sine() {
  return {50,
          "TfrmFceCElemGonSin",
          12,
          "img/BIG/Egoniom_sin/",
          "sinus",
          18,
          "nap1d",
          {{"nap2c1"}, {"nap2c2", "nap2c3"}},
          {{"nap2d1", "nap2d2"}, {"nap2d3", "nap2d4"}},
          {"res2c1", "res2c2"},
          {"res2d1", "res2d3"},
          {{"nap1c2", Nap1c2("sinus")},
           {"nap1d2", kNap1d2},
           {"nap2a2", {"Hodnoty v tabulce jsou pouze snížené o 1/2, perioda zůstává stejná.", ""}},
           {"res2a2", kValueRule},
           {"nap2b2", {"Hodnoty v tabulce jsou pouze posunuté, perioda zůstává stejná.", ""}},
           {"res2b2", kArgumentRule},
           {"nap2c2", {"Hodnoty jsou pouze vynásobené 3/2, perioda zůstává stejná.", ""}},
           {"res2c2", kFactorRule}},
          'h',
          &TfrmFceCElemGonSin::Tables};
}

// Cosine and cotangent: item c)'s hint has two pieces a step and its rule is a picture; item d)'s
// hint one piece and then two, its rule a memo.
GonCase Cosine() {
  return {51,
          "TfrmFceCElemGonCos",
          13,
          "img/BIG/Egoniom_cos/",
          "kosinus",
          20,
          "nap1d1",
          {{"nap2c1", "nap2c2"}, {"nap2c3", "nap2c4"}},
          {{"nap2d1"}, {"nap2d2", "nap2d3"}},
          {"res2c1", "res2c3"},
          {"res2d1", "res2d2"},
          {{"nap1c2", Nap1c2("kosinus")},
           {"nap1d2", kNap1d2},
           {"nap2a2", {"Hodnoty v tabulce jsou pouze posunuté, perioda zůstává stejná."}},
           {"res2a2", kArgumentRule},
           {"nap2b2", {"Hodnoty v tabulce jsou pouze zvýšené o 1, perioda zůstává stejná."}},
           {"res2b2", kValueRule},
           {"nap2c2",
            {"Vidíme, že hodnoty nejsou v druhém řádku pouze posunutím, vynásobením nebo ",
             "zvýšením hodnot v řádku prvním. Např. počet hodnot 0 se zdvojnásobil. ",
             "Zkuste načrtnout graf funkce a odvodit z něj periodu. "}},
           {"nap2d2", {"Hodnoty jsou pouze vynásobené 1/2, perioda zůstává stejná."}},
           {"res2d2", kFactorRule}},
          'a',
          &TfrmFceCElemGonCos::Tables};
}

GonCase Tangent() {
  return {52,
          "TfrmFceCElemGonTg",
          14,
          "img/BIG/Egoniom_tg/",
          "tangens",
          18,
          "nap1d1",
          {{"nap2c1"}, {"nap2c2", "nap2c3"}},
          {{"nap2d1", "nap2d2"}, {"nap2d3", "nap2d4"}},
          {"res2c1", "res2c2"},
          {"res2d1", "res2d3"},
          {{"nap1c2", Nap1c2("tangens")},
           {"nap1d2", kNap1d2},
           {"nap2a2", {"Hodnoty v tabulce jsou pouze snížené o 1/2, perioda zůstává stejná."}},
           {"res2a2", kValueRule},
           {"nap2b2", {"Hodnoty v tabulce jsou pouze posunuté, perioda zůstává stejná."}},
           {"res2b2", kArgumentRule},
           {"nap2c2", {"Hodnoty jsou pouze vynásobené dvěma, perioda zůstává stejná."}},
           {"res2c2", kFactorRule},
           {"nap2d2",
            {"V tomto případě jsme vytvořili podrobnější tabulku, abychom mohli lépe ",
             "vypozorovat chování funkce."}}},
          'a',
          &TfrmFceCElemGonTg::Tables};
}

GonCase Cotangent() {
  GonCase c = Cosine();
  c.row = 53;
  c.cls = "TfrmFceCElemGonCotg";
  c.slot = 15;
  c.folder = "img/BIG/Egoniom_cotg/";
  c.function = "kotangens";
  c.blanks = 21;
  c.memos["nap1c2"] = Nap1c2("kotangens");
  c.memos.erase("nap2c2");  // a picture on this page
  c.memos["res2d2"] = {"Zapamatujte si: Vynásobení funkce libovolnou ",
                       "hodnotou nemá vliv na periodu funkce."};
  c.tables = &TfrmFceCElemGonCotg::Tables;
  return c;
}

class CElemGonTest : public ExerciseTest, public ::testing::WithParamInterface<GonCase> {
 protected:
  const GonCase& P() const { return GetParam(); }
  ::testing::AssertionResult Magnifies(const std::string& name) {
    return ExerciseTest::Magnifies(P().folder, name);
  }
  int Step(const std::string& button) { return P().tables().HintStep(button + "Click"); }
  // The controls of tab 6 by item: the sine page has those of a) and h) the other way round.
  std::string Tab6(char item) const {
    if (item == 'a') return L(P().tab6ItemA);
    if (item == P().tab6ItemA) return "a";
    return L(item);
  }
};

const std::string kItems = "abcdefghij";

TEST_P(CElemGonTest, SevenTabsWithTheirKindsAndStatements) {
  const std::string s1 =
      "Naučte se hodnoty funkce " + P().function + " pro základní úhly, doplňte správné hodnoty.";
  const std::string s2 = "Určete nejmenší periodu funkce.";
  const std::string s3 = "Načrtněte graf funkce" + std::string(39, ' ') +
                         "s pomocí tabulky hodnot a porovnejte jej s grafem funkce" +
                         std::string(P().blanks, ' ') + ".";
  Open(P().row);
  EXPECT_EQ(Page()->Caption(), "Goniometrické funkce — " + P().function);
  EXPECT_EQ(Get<TLabel>("Label6")->Caption(), Page()->Caption());
  EXPECT_EQ(Get<TLabel>("Label4")->Caption(), "4.7");
  ASSERT_NO_FATAL_FAILURE(ExpectTabs({
      {"u2", "1", 0, "Label2", s1},
      {"TabSheet3", "1", 1, "Label9", s1},
      {"u3", "2 a-b", 0, "Label11", s2},
      {"TabSheet1", "2 c-d", 0, "Label12", s2},
      {"TabSheet4", "2", 1, "Label13", s2},
      {"u1", "3", 0, "Label10", s3},
      {"TabSheet2", "3", 1, "Label8", s3},
  }));
  // The two formulas of task 3's statement lie over its runs of blanks, on its line.
  for (const char* f : {"Image5", "Image6", "Image8", "Image9"}) {
    EXPECT_TRUE(Shown(f)) << f;
    EXPECT_LT(std::abs(C(f)->Top() - C("Label10")->Top()), 4) << f;
  }
}

// The formula pictures stand in runs of blanks whose width only the label's font knows.
TEST_P(CElemGonTest, NoTextOfTaskThreesStatementLiesUnderItsFormulas) {
  Open(P().row);
  for (const auto& [label, formulas] :
       {std::pair<const char*, std::vector<const char*>>{"Label10", {"Image5", "Image6"}},
        {"Label8", {"Image8", "Image9"}}}) {
    auto* l = Get<TLabel>(label);
    ASSERT_TRUE(l->WordWrap());
    const TextLines text(l->Caption(), l->Font(), l->Width());
    const QString caption = text.layout.text();
    ASSERT_EQ(text.layout.lineCount(), 1) << label << " keeps its formulas on one line";
    for (const char* f : formulas) {
      const QRectF picture = QRectF(Box(C(f))).translated(-l->Left(), -l->Top());
      int blanks = 0;
      for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char(' ')) {
          blanks += text.CharBox(i).intersects(picture);
          continue;
        }
        EXPECT_FALSE(text.CharBox(i).intersects(picture))
            << f << " covers \"" << caption.mid(i, 1).toStdString() << "\" at " << i << ", x "
            << text.CharBox(i).left() << ".." << text.CharBox(i).right() << " under "
            << picture.left() << ".." << picture.right();
      }
      EXPECT_GT(blanks, 10) << f << " stands in a run of blanks";
    }
  }
}

// Each memo line is a line of its own on the screen: none wraps within the memo's width.
TEST_P(CElemGonTest, NoMemoLineWraps) {
  Open(P().row);
  for (const auto& [name, lines] : P().memos) {
    auto* m = Get<TMemo>(name);
    const int inset = m->BorderStyle() == TBorderStyle::bsNone ? 1 : 3;
    for (const std::string& line : lines) {
      const TextLines text(line, m->Font(), m->Width() - 2 * inset);
      EXPECT_LE(text.layout.lineCount(), 1)
          << name << ": \"" << line << "\" needs "
          << QFontMetrics(m->Font().ToQFont()).horizontalAdvance(QString::fromStdString(line))
          << " px of " << m->Width() - 2 * inset;
    }
  }
}

// A memo is opaque: over a picture or another memo it hides part of them.
TEST_P(CElemGonTest, NoMemoLiesOverAPictureOrAnotherMemoOfItsTab) {
  Open(P().row);
  int memos = 0;
  for (int t = 0; t < Tabs()->PageCount(); ++t) {
    TTabSheet* s = Tabs()->Pages(t);
    for (int i = 0; i < s->ControlCount(); ++i) {
      auto* m = dynamic_cast<TMemo*>(s->Controls(i));
      if (!m) continue;
      ++memos;
      for (int j = 0; j < s->ControlCount(); ++j) {
        TControl* p = s->Controls(j);
        if (!dynamic_cast<TImage*>(p) && !(dynamic_cast<TMemo*>(p) && j > i)) continue;
        const QRect both = Box(m).intersected(Box(p));
        EXPECT_TRUE(both.isEmpty()) << m->Name() << " lies over " << p->Name() << " on tab " << t
                                    << " by " << both.width() << " × " << both.height() << " px";
      }
    }
  }
  EXPECT_EQ(memos, int(P().memos.size()));
}

TEST_P(CElemGonTest, EveryButtonShowsItsPiecesClickByClick) {
  std::vector<HintButton> cases = {
      {"btn10", {{"nap10"}}, 1},
      {"btn1r", {{"tab2", "kruz2"}, {}, {}}, 0, "btn1aClick"},
      {"btn1ar", {{"res1a"}, {}}, 0},
      {"btn1br", {{"res1b"}, {}}, 0},
      {"btn1c", {{"nap1c", "nap1c2"}}, 1},
      {"btn1cr", {{"res1c"}}, 0},
      {"btn1d", {{P().nap1d, "nap1d2"}}, 1},
      {"btn1dr", {{"res1d"}}, 0},
      {"btn20", {{"nap20"}}, 1},
      {"btn20b", {{"nap20b"}}, 1},
      {"btn2a", {{"nap2a1"}, {"nap2a2", "nap2a3"}}, 2},
      {"btn2ar", {{"res2a1", "res2a2"}, {}}, 0},
      {"btn2b", {{"nap2b1"}, {"nap2b2", "nap2b3"}}, 2},
      {"btn2br", {{"res2b1", "res2b2"}}, 0},
      {"btn2c", P().hint2c, 2},
      {"btn2cr", {P().result2c, {}}, 0},
      {"btn2d", P().hint2d, 2},
      {"btn2dr", {P().result2d}, 0},
      {"btn30", {{"nap30"}}, 1},
      {"btn3a", {{"nap3a1"}, {"nap3a2"}}, 2},
      {"btn3ar", {{"res3a"}}, 0},
      {"btn3b", {{"nap3b1"}, {"nap3b2"}, {"nap3b3"}}, 3},
      {"btn3br", {{"res3b"}, {}}, 0},
  };
  for (char x : kItems) {
    for (int t = 1; t <= 3; ++t) {
      const std::string n = std::to_string(t) + L(x);
      cases.push_back({"btnu" + n, {{"resu" + n}, {}}, 0});
    }
  }
  Open(P().row);
  // The '?' of items a) and b) of task 1 are disabled from the start; they would fill the table.
  for (const char* b : {"SpeedButton1", "SpeedButton7"}) {
    EXPECT_FALSE(C(b)->Enabled()) << b;
    EXPECT_EQ(C(b)->OnClick().Name(), "btn1aClick") << b;
  }
  const std::set<std::string> shown = PlayButtons(cases);
  EXPECT_EQ(shown.size(), 72u) << "every revealed piece, each once";
  EXPECT_FALSE(C("SpeedButton1")->Enabled());
  EXPECT_FALSE(frm_lupa->Visible());
  EXPECT_TRUE(boxes.empty());
}

TEST_P(CElemGonTest, TheMemosHoldTheirLines) {
  Open(P().row);
  std::map<std::string, Lines> memos = P().memos;
  for (const auto& [name, lines] : memos) {
    EXPECT_EQ(MemoLines(name), lines) << name;
    EXPECT_EQ(Get<TMemo>(name)->DragMode(), TDragMode::dmAutomatic) << name;
  }
  EXPECT_EQ(Get<TLabel>("nap10")->Caption(),
            "Vyplňte tabulku a jednotkovou kružnici odpovídajícími hodnotami. S využitím "
            "tabulky nebo kružnice vyřešte následující úlohy.");
  EXPECT_EQ(Get<TLabel>("nap30")->Caption(),
            "Pro náčrtek goniometrické funkce musíme znát hodnoty funkce základních úhlů "
            "(viz příklad 1).");
}

TEST_P(CElemGonTest, EveryClickablePictureOpensItsEnlargedPicture) {
  std::vector<ClickablePicture> cases = {{"res3a", "btn3ar", "p3ar"}, {"res3b", "btn3br", "p3br"}};
  for (char x : std::string("abcd")) {
    const std::string steps = "btn2" + L(x);
    cases.push_back({"nap2" + L(x) + "3", steps, "p2" + L(x)});
  }
  for (char x : kItems) cases.push_back({"resu3" + L(x), "btnu3" + L(x), "u3" + L(x) + "r"});
  ASSERT_EQ(cases.size(), 16u);
  Open(P().row);
  OpensEnlarged(P().folder, cases);
  const std::map<std::string, QImage> images = EnlargedFiles(P().folder, cases, 1);
  for (const ClickablePicture& c : cases) {
    EXPECT_GT(images.at(c.picture).width(), C(c.control)->Width())
        << c.control << ": larger than its small picture";
  }
  ASSERT_EQ(images.size(), 16u);
  ExpectAllDiffer(images);
  EXPECT_TRUE(boxes.empty());
}

TEST_P(CElemGonTest, TheResultOfItemAOfTheLastTabOpensItsOwnLettersPicture) {
  Open(P().row);
  PickTab(6);
  // The controls at item a)'s place: level with its label, in the left column.
  const std::string a = Tab6('a'), h = Tab6('h');
  EXPECT_EQ(C("resu3" + a)->Top(), C("resu3b")->Top() - 66);
  EXPECT_EQ(C("btnu3" + a)->Left(), C("btnu3b")->Left());
  EXPECT_EQ(C("resu3" + h)->Left(), C("resu3i")->Left());
  EXPECT_EQ(C("resu3" + h)->Top(), C("resu3i")->Top() - 66);
  Click("btnu3" + a);
  Click("resu3" + a);
  EXPECT_TRUE(Magnifies("u3" + a + "r"));
  Click("btnu3" + h);
  Click("resu3" + h);
  EXPECT_TRUE(Magnifies("u3" + h + "r"));
}

TEST_P(CElemGonTest, TheLayoutCheckerKnowsEveryControlAndEveryEnlargedFile) {
  const TFormClass* cls = FindFormClass(P().cls);
  ASSERT_NE(cls, nullptr);
  const std::set<std::string> files(cls->requiredFiles.begin(), cls->requiredFiles.end());
  const std::set<std::string> names(cls->requiredNames.begin(), cls->requiredNames.end());
  std::set<std::string> expected;
  for (const char* p : {"p2a", "p2b", "p2c", "p2d", "p3ar", "p3br"})
    expected.insert(P().folder + p + "_big.jpg");
  for (char x : kItems) expected.insert(P().folder + "u3" + L(x) + "r_big.jpg");
  EXPECT_EQ(files, expected);
  for (const std::string& n : {std::string("priklady"), std::string("tab2"), std::string("kruz2"),
                               P().nap1d, std::string("nap3b3"), std::string("resu2j")})
    EXPECT_TRUE(names.count(n)) << n;
}

TEST_P(CElemGonTest, TheSlotSurvivesReopeningAndShowingTheMainWindowZeroesIt) {
  Open(P().row);
  EXPECT_EQ(Tabs()->ActivePageIndex(), 0);
  PickTab(5);
  Click("btn3ar");
  Click("res3a");
  EXPECT_TRUE(Magnifies("p3ar"));
  PickTab(4);
  EXPECT_EQ(ExerciseTabIndex[P().slot], 4);
  EXPECT_FALSE(frm_lupa->Visible()) << "picking a tab hides the magnifier";
  for (int s = 1; s <= 18; ++s) {
    if (s != P().slot) EXPECT_EQ(ExerciseTabIndex[s], 0) << "slot " << s;
  }
  Open(P().row == 50 ? 51 : 50);
  EXPECT_EQ(Tabs()->ActivePageIndex(), 0) << "the other goniometric page keeps its own slot";
  Open(P().row);
  EXPECT_EQ(Tabs()->ActivePageIndex(), 4) << "reopened on the remembered tab";
  EXPECT_FALSE(Shown("res3a")) << "a fresh page";
  PickTab(2);
  Page()->Activate();
  EXPECT_EQ(Tabs()->ActivePageIndex(), 2);
  ExpectRestoreForgetsTab(P().row, P().slot);
  EXPECT_TRUE(boxes.empty());
}

TEST_P(CElemGonTest, SteppedHintsStartOverOnActivationAndOnReopening) {
  Open(P().row);
  PickTab(5);
  Click("btn3b");
  Click("btn3b");
  EXPECT_EQ(Step("btn3b"), 2);
  PickTab(2);
  Click("btn2a");
  Page()->Activate();
  for (const char* b : {"btn2a", "btn2b", "btn2c", "btn2d", "btn3a", "btn3b"})
    EXPECT_EQ(Step(b), 0) << b;
  // Part-way when activated: the next click repeats step 1, two more finish the hint.
  Click("btn3b");
  Click("btn3b");
  EXPECT_FALSE(Shown("nap3b3"));
  EXPECT_TRUE(C("btn3b")->Enabled());
  Click("btn3b");
  EXPECT_TRUE(Shown("nap3b3"));
  EXPECT_FALSE(C("btn3b")->Enabled());
  Open(P().row);
  EXPECT_TRUE(C("btn3b")->Enabled());
  EXPECT_FALSE(Shown("nap3b1"));
  Click("btn3b");
  EXPECT_TRUE(Shown("nap3b1"));
  EXPECT_FALSE(Shown("nap3b2"));
}

INSTANTIATE_TEST_SUITE_P(Pages, CElemGonTest,
                         ::testing::Values(Sine(), Cosine(), Tangent(), Cotangent()),
                         [](const auto& info) { return std::string(info.param.cls + 14); });

}  // namespace
