// Page 4.10  Vliv parametrů na graf funkce: the formula labels and the four expressions for typed
// a, b, c, d (signs, ±1, zeros typed in several ways, texts the engine would not read, clamps),
// the edit and graph colours, the pause on half-typed numbers, the four graphs redrawn from one
// change, the opening without a reveal and the answer behind its button.
#include "lessons/unit_frmFceElemParam.h"
#include "tests/lessons/live_page_fixture.h"

namespace {

constexpr int kRow = 29;

class ElemParamTest : public LivePageTest {
 protected:
  void SetUp() override {
    LivePageTest::SetUp();
    Open(kRow);
    clock.Advance(10);
    page = frmFceElemParam;
    ASSERT_NE(Live(), nullptr);
  }
  TMaskEdit* Edit(int i) {
    TMaskEdit* edits[] = {page->hodnota_A, page->hodnota_B, page->hodnota_C, page->hodnota_D};
    return edits[i];
  }
  void Set(const char* a, const char* b, const char* c, const char* d) {
    const char* texts[] = {a, b, c, d};
    for (int i = 0; i < 4; ++i) Type(Edit(i), texts[i]);
    Tick();
  }
  // The parameter labels of graph k, "a|b|c|d"; each of the four graphs must show the same.
  std::string Labels(int k) {
    std::string s;
    for (const char* p : {"a_", "b_", "c_", "d_"}) {
      s += std::string(s.empty() && *p == 'a' ? "" : "|") +
           Get<TLabel>(p + std::to_string(k))->Caption();
    }
    return s;
  }
  TImage* Picture(int k) {
    TImage* pictures[] = {page->grafImg1, page->grafImg2, page->grafImg3, page->grafImg4};
    return pictures[k];
  }
  TfrmFceElemParam* page = nullptr;
};

struct ParamCase {
  const char *a, *b, *c, *d;
  const char* shown;   // the four edit texts after the update, "a|b|c|d"
  const char* labels;  // the parameter labels of every formula
  const char *sine, *square;
  bool degenerate;  // a or b is zero
};

const ParamCase kParam[] = {
    {"1", "1", "0", "0", "1|1|0|0", "|||", "1*sin(1*x+0)+0", "1*(1*x+0)^2+0", false},
    {"-1", "1", "1", "-1", "-1|1|1|-1", "–||+ 1|– 1", "-1*sin(1*x+1)-1", "-1*(1*x+1)^2-1", false},
    {"-2,5", "2,5", "-0,5", "0,5", "-2,5|2,5|-0,5|0,5", "– 2,5|2,5|– 0,5|+ 0,5",
     "-2,5*sin(2,5*x-0,5)+0,5", "-2,5*(2,5*x-0,5)^2+0,5", false},
    {"2", "-1", "0", "0", "2|-1|0|0", "2|–||", "2*sin(-1*x+0)+0", "2*(-1*x+0)^2+0", false},
    // zeros: the edits of a and b turn sky blue and the graphs pale; a zero typed otherwise than
    // "0" writes no "– 0"
    {"0", "1", "0", "0", "0|1|0|0", "0|||", "0*sin(1*x+0)+0", "0*(1*x+0)^2+0", true},
    {"1", "0", "2", "0", "1|0|2|0", "|0|+ 2|", "1*sin(0*x+2)+0", "1*(0*x+2)^2+0", true},
    {"1", "1", "0,0", "-0,0", "1|1|0,0|-0,0", "|||", "1*sin(1*x+0)+0", "1*(1*x+0)^2+0", false},
    {"-0,0", "1", "0", "0", "-0,0|1|0|0", "0|||", "0*sin(1*x+0)+0", "0*(1*x+0)^2+0", true},
    // typed texts: a trailing zero stays as typed, a "+" or a trailing comma takes the value's text
    {"1,50", "+2", "5,", "-1,50", "1,50|+2|5,|-1,50", "1,50|2|+ 5|– 1,5", "1,50*sin(2*x+5)-1,50",
     "1,50*(2*x+5)^2-1,50", false},
    {"-1,0", "1", "0", "0", "-1,0|1|0|0", "– 1|||", "-1,0*sin(1*x+0)+0", "-1,0*(1*x+0)^2+0", false},
    // the clamps
    {"7", "-9", "5,5", "-25", "5|-5|5|-5", "5|– 5|+ 5|– 5", "5*sin(-5*x+5)-5", "5*(-5*x+5)^2-5",
     false},
};

TEST_F(ElemParamTest, FormulaLabelsColoursAndExpressionsFollowTheTypedTexts) {
  for (const ParamCase& p : kParam) {
    SCOPED_TRACE(std::string(p.a) + "; " + p.b + "; " + p.c + "; " + p.d);
    Set(p.a, p.b, p.c, p.d);
    EXPECT_EQ(
        Edit(0)->Text() + "|" + Edit(1)->Text() + "|" + Edit(2)->Text() + "|" + Edit(3)->Text(),
        p.shown);
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(Labels(k), p.labels) << k;
    EXPECT_EQ(Live()->DrawnExpression(0), p.sine);
    EXPECT_EQ(Live()->DrawnExpression(2), p.square);
    const std::string sine = p.sine;
    EXPECT_EQ(Live()->DrawnExpression(1), std::string(sine).replace(sine.find("sin"), 3, "log"));
    EXPECT_EQ(Live()->DrawnExpression(3), std::string(sine).replace(sine.find("sin"), 3, "abs"));
    for (int k = 0; k < 4; ++k) {
      EXPECT_EQ(Live()->DrawnColour(k), p.degenerate ? 0xFF5B5B : 255) << k;
    }
    EXPECT_EQ(Edit(0)->Color(), StrToFloat(Edit(0)->Text()) == 0 ? 0xF0CAA6 : 0xC0DCC0);
    EXPECT_EQ(Edit(1)->Color(), StrToFloat(Edit(1)->Text()) == 0 ? 0xF0CAA6 : 0xC0DCC0);
    EXPECT_EQ(Edit(2)->Color(), 0xC0DCC0);
    EXPECT_EQ(Edit(3)->Color(), 0xC0DCC0);
  }
}

// No reveal: everything shows at once and the first update draws the four graphs.
TEST_F(ElemParamTest, TheOpeningDrawsTheFourGraphsAtOnceWithEmptyLabels) {
  Open(kRow);
  for (int k = 0; k < 4; ++k) EXPECT_EQ(Live()->DrawnExpression(k), "") << k;
  clock.Advance(10);
  page = frmFceElemParam;
  EXPECT_EQ(Live()->DrawnExpression(0), "1*sin(1*x+0)+0");
  EXPECT_EQ(Live()->DrawnExpression(1), "1*log(1*x+0)+0");
  EXPECT_EQ(Live()->DrawnExpression(2), "1*(1*x+0)^2+0");
  EXPECT_EQ(Live()->DrawnExpression(3), "1*abs(1*x+0)+0");
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(Labels(k), "|||");
  for (const char* name : {"hodnota_A", "sipky_D", "grafImg4", "Image1", "btnRes", "info"}) {
    EXPECT_TRUE(C(name)->Visible()) << name;
  }
  EXPECT_FALSE(page->reseni->Visible());
}

// 249 × 137 pixels at 15 a unit, the view lowered by 3: x = 0 is column 120 and y = 0 row 75.
TEST_F(ElemParamTest, OneChangeRedrawsAllFourGraphs) {
  const int columns[] = {120, 135, 120, 120};  // sin 0, log 1, 0², |0| are all 0
  for (int k = 0; k < 4; ++k) EXPECT_EQ(Pixel(Picture(k), columns[k], 75), 255) << k;
  Type(page->hodnota_D, "1");
  Tick();
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(Pixel(Picture(k), columns[k], 60), 255) << k;
    EXPECT_NE(Pixel(Picture(k), columns[k], 75), 255) << k;
  }
  Type(page->hodnota_A, "0");
  Tick();
  for (int k = 0; k < 4; ++k) {
    EXPECT_FALSE(AnyInRows(Picture(k), 255, 0, 136)) << k;
    // y = 1 in pale, the logarithm only where it is defined (x > 0)
    EXPECT_EQ(Pixel(Picture(k), 180, 60), 0xFF5B5B) << k;
    EXPECT_EQ(Pixel(Picture(k), 20, 60) == 0xFF5B5B, k != 1) << k;
  }
}

// A number being typed is not drawn before it is complete.
TEST_F(ElemParamTest, HalfTypedNumbersPauseTheUpdate) {
  Set("2", "1", "0", "0");
  page->hodnota_A->LineEdit()->selectAll();
  for (const char* text : {"-", "-0", "-0,"}) {
    QTest::keyClick(page->hodnota_A->LineEdit(), text[std::string(text).size() - 1]);
    Tick();
    EXPECT_EQ(page->hodnota_A->Text(), text);
    EXPECT_EQ(Labels(1), "2|||") << text;
    EXPECT_EQ(Live()->DrawnExpression(0), "2*sin(1*x+0)+0") << text;
  }
  QTest::keyClick(page->hodnota_A->LineEdit(), '5');
  Tick();
  EXPECT_EQ(Labels(1), "– 0,5|||");
  EXPECT_EQ(Live()->DrawnExpression(0), "-0,5*sin(1*x+0)+0");
  for (const char* half : {"0,", ",", "-,"}) {
    Type(page->hodnota_C, half);
    Tick();
    EXPECT_EQ(Live()->DrawnExpression(0), "-0,5*sin(1*x+0)+0") << half;
  }
}

TEST_F(ElemParamTest, AClampedTextKeepsTheCaretAtItsEnd) {
  Type(page->hodnota_B, "7");
  Tick();
  EXPECT_EQ(page->hodnota_B->Text(), "5");
  EXPECT_EQ(page->hodnota_B->LineEdit()->cursorPosition(), 1);
  Type(page->hodnota_C, "-5,5");
  Tick();
  EXPECT_EQ(page->hodnota_C->Text(), "-5");
  EXPECT_EQ(page->hodnota_C->LineEdit()->cursorPosition(), 2);
}

TEST_F(ElemParamTest, TheArrowsStepTenthsWithinFive) {
  Set("4,9", "1", "0", "0");
  Click(Get<TUpDown>("sipky_A"), TUDBtnType::btNext);
  Tick();
  EXPECT_EQ(page->hodnota_A->Text(), "5");
  Click(Get<TUpDown>("sipky_A"), TUDBtnType::btNext);
  Tick();
  EXPECT_EQ(page->hodnota_A->Text(), "5");
  EXPECT_EQ(Labels(3), "5|||");
}

// The pieces of every formula follow each other as a formula is set: a word space after "=",
// before a sign and after the square's exponent, a thin space between a factor and sin or log,
// and letters, digits and brackets close together but not touching; every formula stays above
// its own picture.
TEST_F(ElemParamTest, TheFormulaPiecesAreSetAsAFormula) {
  // The columns of the page where a control paints dark ink, or none.
  auto ink = [](TControl* c) {
    const QImage img = Grab(c);
    int left = -1, right = -1;
    for (int x = 0; x < img.width(); ++x) {
      for (int y = 0; y < img.height(); ++y) {
        if (qGray(img.pixel(x, y)) < 128) {
          if (left < 0) left = x;
          right = x;
        }
      }
    }
    return std::pair{c->Left() + left, c->Left() + right};
  };
  const char* const sets[][4] = {{"1", "1", "0", "0"},           {"-1", "2", "1", "-1"},
                                 {"2,5", "-1", "-0,5", "1,5"},   {"-2,5", "-2,5", "-5", "-5"},
                                 {"0", "1", "0", "1"},           {"1", "0", "2", "0"},
                                 {"1,50", "0,5", "0,0", "-0,0"}, {"5", "5", "5", "5"},
                                 {"-1", "-1", "0", "0"},         {"0,1", "-0,1", "0,1", "-0,1"}};
  for (const auto& set : sets) {
    Set(set[0], set[1], set[2], set[3]);
    for (int k = 1; k <= 4; ++k) {
      const std::string n = std::to_string(k);
      std::vector<std::pair<char, std::string>> pieces = {
          {'y', "t" + n + "_y"}, {'a', "a_" + n}, {'f', "t" + n + "_f"}, {'b', "b_" + n},
          {'x', "t" + n + "_x"}, {'c', "c_" + n}, {'z', "t" + n + "_z"}};
      if (k == 3) pieces.push_back({'2', "t3_2"});
      pieces.push_back({'d', "d_" + n});
      char before = 0;
      std::pair<int, int> last;
      for (const auto& [kind, name] : pieces) {
        if (Get<TLabel>(name)->Caption().empty()) continue;
        const std::pair<int, int> now = ink(C(name));
        if (before) {
          SCOPED_TRACE(std::string(set[0]) + "; " + set[1] + "; " + set[2] + "; " + set[3] +
                       ": formula " + n + ", " + before + " " + kind);
          const bool space = before == 'y' || kind == 'c' || (kind == 'd' && before != 'c');
          const bool thin = before == 'a' && kind == 'f' && k <= 2;
          const int gap = now.first - last.second - 1;
          EXPECT_GE(gap, space ? 3 : thin ? 2 : 1);
          EXPECT_LE(gap, space ? 8 : thin ? 5 : 3);
        }
        before = kind;
        last = now;
      }
      EXPECT_LT(last.second, Picture(k - 1)->Left() + Picture(k - 1)->Width()) << n;
    }
  }
}

TEST_F(ElemParamTest, TheAnswerCoversTheTaskAndTheButtonGoes) {
  EXPECT_TRUE(page->Image1->Visible());
  Dispatch([&] { page->btnRes->Click(); });
  EXPECT_TRUE(page->reseni->Visible());
  EXPECT_FALSE(page->btnRes->Visible());
  EXPECT_EQ(page->reseni->Left(), page->Image1->Left());
  EXPECT_EQ(page->reseni->Top(), page->Image1->Top());
  Set("2", "1", "0", "0");  // the answer stays while the parameters change
  EXPECT_TRUE(page->reseni->Visible());
}

}  // namespace
