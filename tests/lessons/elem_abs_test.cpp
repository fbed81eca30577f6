// Page 4.9  Funkce s absolutní hodnotou: the six formulas and the twelve curves for every form of
// `typ`, the edits' clamps and cuts, the half-typed texts, and the pixels of both curves.
#include "lessons/unit_frmFceElemAbs.h"
#include "tests/lessons/live_page_fixture.h"

namespace {

constexpr TColor kBlue = 0xFF9490;

class ElemAbsTest : public LivePageTest {
 protected:
  void SetUp() override {
    LivePageTest::SetUp();
    OpenLive(28);
    page = frmFceElemAbs;
  }
  void Set(int form, const char* a, const char* b, const char* c, const char* d) {
    if (page->typ->ItemIndex() != form) page->typ->PickByUser(form);
    Type(page->hodnota_A, a);
    Type(page->hodnota_B, b);
    Type(page->hodnota_C, c);
    Type(page->hodnota_D, d);
    Tick();
  }
  std::vector<std::string> Labels() const {
    std::vector<std::string> l;
    for (TLabel* f : {page->fce1, page->fce2, page->fce3, page->fce4, page->fce5, page->fce6}) {
      l.push_back(f->Caption());
    }
    return l;
  }
  TImage* Graph(int k) const {
    TImage* g[] = {page->grafImg1, page->grafImg2, page->grafImg3,
                   page->grafImg4, page->grafImg5, page->grafImg6};
    return g[k - 1];
  }
  TfrmFceElemAbs* page = nullptr;
};

struct FormulaCase {
  int form;
  const char *a, *b, *c, *d;
  std::vector<std::string> labels;  // graphs 1 to 6
  const char *plain, *withAbs;      // the two curves of graph 1
};

const FormulaCase kFormulas[] = {
    {0,
     "1",
     "1",
     "0",
     "0",
     {" y = |sin(x)|", " y = |(x)|", " y = |(x)^2|", " y = |(x)^3|", " y = |log(x)|",
      " y = |10^(x)|"},
     "1*sin(1*x+0)+0",
     "abs(1*sin(1*x+0)+0)"},
    // with c the bracket closes with a blank, which d's own blank follows
    {0,
     "2",
     "2",
     "1,5",
     "2",
     {" y = |2sin(2x + 1,5)  + 2|", " y = |2(2x + 1,5)  + 2|", " y = |2(2x + 1,5)^2  + 2|",
      " y = |2(2x + 1,5)^3  + 2|", " y = |2log(2x + 1,5)  + 2|", " y = |2*10^(2x + 1,5)  + 2|"},
     "2*sin(2*x+1,5)+2",
     "abs(2*sin(2*x+1,5)+2)"},
    {1,
     "2",
     "2",
     "1,5",
     "2",
     {" y = |2sin(2x + 1,5)| + 2", " y = |2(2x + 1,5)| + 2", " y = |2(2x + 1,5)^2| + 2",
      " y = |2(2x + 1,5)^3| + 2", " y = |2log(2x + 1,5)| + 2", " y = |2*10^(2x + 1,5)| + 2"},
     "2*sin(2*x+1,5)+2",
     "abs(2*sin(2*x+1,5))+2"},
    // form 2 never writes "*" before 10^: a bar stands there
    {2,
     "2",
     "2",
     "1,5",
     "2",
     {" y = 2|sin(2x + 1,5)|  + 2", " y = 2|2x + 1,5|  + 2", " y = 2|(2x + 1,5)^2|  + 2",
      " y = 2|(2x + 1,5)^3|  + 2", " y = 2|log(2x + 1,5)|  + 2", " y = 2|10^(2x + 1,5)|  + 2"},
     "2*sin(2*x+1,5)+2",
     "2*abs(sin(2*x+1,5))+2"},
    {3,
     "2",
     "2",
     "1,5",
     "2",
     {" y = 2sin|2x + 1,5|  + 2", " y = 2|2x + 1,5|  + 2", " y = 2|2x + 1,5|^2  + 2",
      " y = 2|2x + 1,5|^3  + 2", " y = 2log|2x + 1,5|  + 2", " y = 2*10^|2x + 1,5|  + 2"},
     "2*sin(2*x+1,5)+2",
     "2*sin(abs(2*x+1,5))+2"},
    {4,
     "2",
     "2",
     "1,5",
     "2",
     {" y = 2sin(2|x| + 1,5) + 2", " y = 2(2|x| + 1,5) + 2", " y = 2(2|x| + 1,5)^2 + 2",
      " y = 2(2|x| + 1,5)^3 + 2", " y = 2log(2|x| + 1,5) + 2", " y = 2*10^(2|x| + 1,5) + 2"},
     "2*sin(2*x+1,5)+2",
     "2*sin(2*abs(x)+1,5)+2"},
    // b = -1 leaves a blank after "-x"; negative c and d bring their own minus
    {0,
     "2",
     "-1",
     "-1,5",
     "-2",
     {" y = |2sin(-x -1,5)  -2|", " y = |2(-x -1,5)  -2|", " y = |2(-x -1,5)^2  -2|",
      " y = |2(-x -1,5)^3  -2|", " y = |2log(-x -1,5)  -2|", " y = |2*10^(-x -1,5)  -2|"},
     "2*sin(-1*x-1,5)-2",
     "abs(2*sin(-1*x-1,5)-2)"},
    {2,
     "-1",
     "-1",
     "0",
     "0",
     {" y = -|sin(-x )| ", " y = -|-x | ", " y = -|(-x )^2| ", " y = -|(-x )^3| ",
      " y = -|log(-x )| ", " y = -|10^(-x )| "},
     "-1*sin(-1*x+0)+0",
     "-1*abs(sin(-1*x+0))+0"},
    // form 1 has no blank after "-x"; a = -1 is a sign, not a number: no "*"
    {1,
     "-1",
     "-1",
     "1,5",
     "0",
     {" y = |-sin(-x + 1,5)|", " y = |-(-x + 1,5)|", " y = |-(-x + 1,5)^2|", " y = |-(-x + 1,5)^3|",
      " y = |-log(-x + 1,5)|", " y = |-10^(-x + 1,5)|"},
     "-1*sin(-1*x+1,5)+0",
     "abs(-1*sin(-1*x+1,5))+0"},
    {4,
     "1",
     "1",
     "0",
     "0",
     {" y = sin(|x|)", " y = (|x|)", " y = (|x|)^2", " y = (|x|)^3", " y = log(|x|)",
      " y = 10^(|x|)"},
     "1*sin(1*x+0)+0",
     "1*sin(1*abs(x)+0)+0"},
    {4,
     "0,5",
     "-1",
     "0",
     "-3",
     {" y = 0,5sin(-|x|) -3", " y = 0,5(-|x|) -3", " y = 0,5(-|x|)^2 -3", " y = 0,5(-|x|)^3 -3",
      " y = 0,5log(-|x|) -3", " y = 0,5*10^(-|x|) -3"},
     "0,5*sin(-1*x+0)-3",
     "0,5*sin(-1*abs(x)+0)-3"},
    {3,
     "-2,5",
     "0,5",
     "-5",
     "4",
     {" y = -2,5sin|0,5x-5|  + 4", " y = -2,5|0,5x-5|  + 4", " y = -2,5|0,5x-5|^2  + 4",
      " y = -2,5|0,5x-5|^3  + 4", " y = -2,5log|0,5x-5|  + 4", " y = -2,5*10^|0,5x-5|  + 4"},
     "-2,5*sin(0,5*x-5)+4",
     "-2,5*sin(abs(0,5*x-5))+4"},
};

TEST_F(ElemAbsTest, FormulasAndCurvesFollowTheFormAndTheParameters) {
  for (const FormulaCase& k : kFormulas) {
    SCOPED_TRACE(std::to_string(k.form) + ": " + k.a + "; " + k.b + "; " + k.c + "; " + k.d);
    Set(k.form, k.a, k.b, k.c, k.d);
    EXPECT_EQ(Labels(), k.labels);
    EXPECT_EQ(Live()->DrawnExpression(0), k.plain);
    EXPECT_EQ(Live()->DrawnColour(0), kBlue);
    EXPECT_EQ(Live()->OverExpression(0), k.withAbs);
    EXPECT_EQ(Live()->OverColour(0), 255);
    for (int g = 1; g < 6; ++g) {
      EXPECT_FALSE(Live()->DrawnExpression(g).empty()) << g;
      EXPECT_FALSE(Live()->OverExpression(g).empty()) << g;
    }
  }
}

TEST_F(ElemAbsTest, EveryGraphDrawsItsOwnFunction) {
  Set(3, "2", "2", "1,5", "2");
  const char* expected[][2] = {
      {"2*sin(2*x+1,5)+2", "2*sin(abs(2*x+1,5))+2"}, {"2*(2*x+1,5)+2", "2*(abs(2*x+1,5))+2"},
      {"2*(2*x+1,5)^2+2", "2*(abs(2*x+1,5)^2)+2"},   {"2*(2*x+1,5)^3+2", "2*(abs(2*x+1,5)^3)+2"},
      {"2*log(2*x+1,5)+2", "2*log(abs(2*x+1,5))+2"}, {"2*10^(2*x+1,5)+2", "2*10^(abs(2*x+1,5))+2"},
  };
  for (int g = 0; g < 6; ++g) {
    EXPECT_EQ(Live()->DrawnExpression(g), expected[g][0]);
    EXPECT_EQ(Live()->OverExpression(g), expected[g][1]);
  }
}

struct EditCase {
  const char* edit;  // which parameter: 'A' to 'D'
  const char* typed;
  const char* text;   // what the edit holds after the update
  const char* label;  // the formula of the linear graph, form 0
  const char* drawn;  // its curve without absolute value
};

const EditCase kEdits[] = {
    {"A", "7", "5", " y = |5(x)|", "5*(1*x+0)+0"},
    {"B", "-5,5", "-5", " y = |(-5x)|", "1*(-5*x+0)+0"},
    {"D", "1,50", "1,5", " y = |(x) + 1,5|", "1*(1*x+0)+1,5"},
    {"C", "01,5", "1,5", " y = |(x + 1,5) |", "1*(1*x+1,5)+0"},
    // a second decimal is cut off
    {"C", "0,14", "0,1", " y = |(x + 0,1) |", "1*(1*x+0,1)+0"},
    {"C", "-2,32", "-2,3", " y = |(x-2,3) |", "1*(1*x-2,3)+0"},
    // texts that read as numbers but not as the expression language: the values' own texts
    {"C", "+1", "+1", " y = |(x + 1) |", "1*(1*x+1)+0"},
    {"D", "00", "00", " y = |(x)|", "1*(1*x+0)+0"},
    {"A", "01", "01", " y = |(x)|", "1*(1*x+0)+0"},
};

TEST_F(ElemAbsTest, EditsAreClampedAndCutToOneDecimal) {
  for (const EditCase& k : kEdits) {
    SCOPED_TRACE(std::string(k.edit) + " " + k.typed);
    Set(0, "1", "1", "0", "0");
    auto* edit = Get<TMaskEdit>(std::string("hodnota_") + k.edit);
    Type(edit, k.typed);
    Tick();
    Tick();
    EXPECT_EQ(edit->Text(), k.text);
    EXPECT_EQ(page->fce2->Caption(), k.label);
    EXPECT_EQ(Live()->DrawnExpression(1), k.drawn);
  }
}

TEST_F(ElemAbsTest, ZeroAOrBMarksItsEditAndPalesTheRedCurves) {
  const struct {
    const char *a, *b;
    bool aZero, bZero;
  } cases[] = {{"0", "1", true, false},
               {"1", "0", false, true},
               {"0", "0", true, true},
               {"1", "1", false, false}};
  for (const auto& k : cases) {
    SCOPED_TRACE(std::string(k.a) + "; " + k.b);
    Set(0, k.a, k.b, "0", "0");
    EXPECT_EQ(page->hodnota_A->Color(), k.aZero ? 0xF0CAA6 : 0xC0DCC0);
    EXPECT_EQ(page->hodnota_B->Color(), k.bZero ? 0xF0CAA6 : 0xC0DCC0);
    for (int g = 0; g < 6; ++g) {
      EXPECT_EQ(Live()->OverColour(g), k.aZero || k.bZero ? 0xFF5B5B : 255) << g;
    }
  }
  Set(0, "0", "1", "0", "0");
  EXPECT_EQ(page->fce1->Caption(), " y = |0sin(x)|");
  EXPECT_EQ(page->fce6->Caption(), " y = |0*10^(x)|");
}

// «0,04» typed key by key leaves the tenths unchanged, so the update cuts it to 0: the edit
// must then be marked as a = 0, as the pale curves are.
TEST_F(ElemAbsTest, AValueCutToZeroIsMarkedAsZero) {
  Type(page->hodnota_A, "0,04");
  Tick();
  EXPECT_EQ(page->hodnota_A->Text(), "0");
  EXPECT_EQ(page->hodnota_A->Color(), 0xF0CAA6);
  EXPECT_EQ(Live()->OverColour(0), 0xFF5B5B);
}

TEST_F(ElemAbsTest, HalfTypedTextsWaitForTheNumber) {
  Set(0, "2", "1", "0", "0");
  const std::string before = page->fce1->Caption();
  for (const char* half : {"-", "-0", "-0,", "0,", ",", "-,"}) {
    Type(page->hodnota_A, half);
    Tick();
    EXPECT_EQ(page->fce1->Caption(), before) << half;
  }
  Type(page->hodnota_A, "-0,5");
  Tick();
  EXPECT_EQ(page->fce1->Caption(), " y = |-0,5sin(x)|");
}

TEST_F(ElemAbsTest, TheArrowsStepATenthAndAnotherFormRedrawsAllSix) {
  Click(Get<TUpDown>("sipky_C"), TUDBtnType::btNext);
  Tick();
  EXPECT_EQ(page->hodnota_C->Text(), "0,1");
  EXPECT_EQ(page->fce3->Caption(), " y = |(x + 0,1)^2 |");
  page->typ->PickByUser(2);
  Tick();
  EXPECT_EQ(Labels(), (std::vector<std::string>{" y = |sin(x + 0,1)| ", " y = |x + 0,1| ",
                                                " y = |(x + 0,1)^2| ", " y = |(x + 0,1)^3| ",
                                                " y = |log(x + 0,1)| ", " y = |10^(x + 0,1)| "}));
  for (int g = 0; g < 6; ++g) {
    EXPECT_NE(Live()->OverExpression(g).find("abs("), std::string::npos) << g;
    EXPECT_NE(Live()->OverExpression(g).find("+0,1"), std::string::npos) << g;
  }
}

// On 233 × 145 pixels at 15 pixels a unit x runs from -7 to 8 and y from 4 down to -11: the x
// axis is row 60. Where the function with absolute value differs from the one without, both
// colours show; where they agree the red covers the blue.
struct PixelCase {
  int form;
  const char *a, *b, *c, *d;
  int graph;
  int row0, row1;  // a band of rows
  bool red, blue;  // whether a pixel of each colour lies in the band
};

const PixelCase kPixels[] = {
    // |sin x|: nothing red below the x axis, the blue sine below it
    {0, "1", "1", "0", "0", 1, 62, 144, false, true},
    {0, "1", "1", "0", "0", 1, 30, 58, true, false},
    // |x| and x agree for x >= 0: red only above the axis
    {0, "1", "1", "0", "0", 2, 62, 144, false, true},
    // |x|^3 in form 3 is never below the axis, x^3 is
    {3, "1", "1", "0", "0", 4, 62, 144, false, true},
    // |sin x| - 2 lies between -2 and -1, sin x - 2 reaches -3: rows below y = -2,1
    {1, "1", "1", "0", "-2", 1, 92, 144, false, true},
    // sin|x| mirrors the right half: below the axis both colours
    {4, "1", "1", "0", "0", 1, 62, 80, true, true},
    // -|x| of form 2 is never above the axis; -x is, on the left
    {2, "-1", "1", "0", "0", 2, 0, 58, false, true},
};

TEST_F(ElemAbsTest, BothCurvesShowWhereTheFunctionsDiffer) {
  for (const PixelCase& k : kPixels) {
    SCOPED_TRACE(std::to_string(k.form) + ": " + k.a + "; " + k.b + "; " + k.c + "; " + k.d +
                 " graph " + std::to_string(k.graph));
    Set(k.form, k.a, k.b, k.c, k.d);
    EXPECT_EQ(AnyInRows(Graph(k.graph), 255, k.row0, k.row1), k.red);
    EXPECT_EQ(AnyInRows(Graph(k.graph), kBlue, k.row0, k.row1), k.blue);
  }
}

}  // namespace
