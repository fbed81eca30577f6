// Page 4.2  Kvadratická funkce: every property text and visibility for typed a, b and c, the
// warning for a = 0, the double root decided exactly, the graph's pixels, and a value the engine
// cannot read.
#include "lessons/unit_frmFceElemKvadr.h"
#include "tests/lessons/live_page_fixture.h"

namespace {

class ElemKvadrTest : public LivePageTest {
 protected:
  void SetUp() override {
    LivePageTest::SetUp();
    OpenLive(15);
    page = frmFceElemKvadr;
  }
  void Set(const char* a, const char* b, const char* c) {
    Type(page->hodnota_A, a);
    Type(page->hodnota_B, b);
    Type(page->hodnota_C, c);
    Tick();
  }
  TfrmFceElemKvadr* page = nullptr;
};

struct KvadrCase {
  const char *a, *b, *c;
  bool quadratic;  // a ≠ 0: captions and vertex form shown, no warning
  bool roots;      // D >= 0: the second root with both indices shown
  const char *zavorky, *x1, *x2, *y, *vrchol;
  const char *coefficient, *shift, *after;  // par05_a, par05_m, par05_n
  const char *extreme, *parity, *drawn;
};

const KvadrCase kKvadr[] = {
    {"1", "0", "0", true, true, " y = xx", " x  =  0", " x  =  0", " y = 0", "[0; 0]", "", "", "",
     "v bodě x = 0 má minimum", " funkce je sudá", "1*x^2+0*x+0"},  // the start values
    {"1", "0", "1", true, false, "", "nemá", nullptr, " y = 1", "[0; 1]", "", "", "+ 1",
     "v bodě x = 0 má minimum", " funkce je sudá", "1*x^2+0*x+1"},
    {"-1", "2", "3", true, true, " y = –(x + 1)(x – 3)", " x  =  -1", " x  =  3", " y = 3",
     "[1; 4]", "–", "– 1", "+ 4", "v bodě x = 1 má maximum", " funkce není sudá ani lichá",
     "-1*x^2+2*x+3"},
    {"0", "2", "1", false, false, "", "", "", "", "", nullptr, nullptr, nullptr, "", "",
     "0*x^2+2*x+1"},
    {"1", "-3", "2", true, true, " y = (x – 2)(x – 1)", " x  =  2", " x  =  1", " y = 2",
     "[1,5; -0,2]", "", "– 1,5", "– 0,2", "v bodě x = 1,5 má minimum",
     " funkce není sudá ani lichá", "1*x^2-3*x+2"},
    // b² − 4ac is zero as typed, though not in binary floating point
    {"0,1", "0,6", "0,9", true, true, " y = 0,1(x + 3)(x + 3)", " x  =  -3", " x  =  -3",
     " y = 0,9", "[-3; 0]", "0,1", "+ 3", "", "v bodě x = -3 má minimum",
     " funkce není sudá ani lichá", "0,1*x^2+0,6*x+0,9"},
    // the vertex's y from the rounded x: 3 · 0,04 − 0,2 = -0,08
    {"3", "1", "0", true, true, " y = 3x(x + 0,3)", " x  =  0", " x  =  -0,3", " y = 0",
     "[-0,2; -0,1]", "3", "+ 0,2", "– 0,1", "v bodě x = -0,2 má minimum",
     " funkce není sudá ani lichá", "3*x^2+1*x+0"},
    // b and c clamped to -20 and 20
    {"2,5", "-25", "30", true, true, " y = 2,5(x – 6,8)(x – 1,2)", " x  =  6,8", " x  =  1,2",
     " y = 20", "[4; -20]", "2,5", "– 4", "– 20", "v bodě x = 4 má minimum",
     " funkce není sudá ani lichá", "2,5*x^2-20*x+20"},
    {"-0", "0", "0", false, false, "", "", "", "", "", nullptr, nullptr, nullptr, "", "",
     "0*x^2+0*x+0"},
};

TEST_F(ElemKvadrTest, PropertiesVisibilityAndExpressionFollowTheParameters) {
  for (const KvadrCase& k : kKvadr) {
    SCOPED_TRACE(std::string(k.a) + "; " + k.b + "; " + k.c);
    Set(k.a, k.b, k.c);
    for (TControl* t : {page->ptext01, page->ptext04, page->ptext05, page->par05a, page->par05b,
                        page->par05_a, page->par05_m, page->par05_n}) {
      EXPECT_EQ(t->Visible(), k.quadratic) << t->Name();
    }
    EXPECT_EQ(page->upozorneni->Visible(), !k.quadratic);
    for (TControl* t : {page->par02_x2, page->ptext02, page->ptext03}) {
      if (k.quadratic) {
        EXPECT_EQ(t->Visible(), k.roots) << t->Name();
      }
    }
    EXPECT_FALSE(page->ptext02->Visible() && !k.quadratic);
    EXPECT_EQ(page->zavorky->Caption(), k.zavorky);
    EXPECT_EQ(page->par01_x1->Caption(), k.x1);
    if (k.x2) {
      EXPECT_EQ(page->par02_x2->Caption(), k.x2);
    }
    EXPECT_EQ(page->par03_y->Caption(), k.y);
    EXPECT_EQ(page->par04_vrchol->Caption(), k.vrchol);
    if (k.quadratic) {
      EXPECT_EQ(page->par05_a->Caption(), k.coefficient);
      EXPECT_EQ(page->par05_m->Caption(), k.shift);
      EXPECT_EQ(page->par05_n->Caption(), k.after);
    }
    EXPECT_EQ(page->par05_min->Caption(), k.extreme);
    EXPECT_EQ(page->par06_sudost->Caption(), k.parity);
    EXPECT_EQ(page->hodnota_A->Color(), k.quadratic ? 0xC0DCC0 : 0xF0CAA6);
    EXPECT_EQ(page->hodnota_B->Color(), 0xC0DCC0);
    EXPECT_EQ(page->hodnota_C->Color(), 0xC0DCC0) << "c never changes colour";
    EXPECT_EQ(Live()->DrawnExpression(), k.drawn);
    EXPECT_EQ(Live()->DrawnColour(), k.quadratic ? 255 : 0xFF5B5B);
  }
}

TEST_F(ElemKvadrTest, TheWarningKeepsItsLayoutText) {
  Set("0", "1", "1");
  EXPECT_EQ(page->upozorneni->Caption(),
            "Pro a = 0 není kvadratická funkce definována.             (Funkce je lineární.)");
}

TEST_F(ElemKvadrTest, TheParabolaTouchesTheOriginAndTheLineIsDrawnPaler) {
  // y = x²: row 162 is y = 0 and column 162 is x = 0; nothing red below the x axis.
  EXPECT_EQ(Pixel(page->grafImg, 162, 162), 255);
  EXPECT_FALSE(AnyInRows(page->grafImg, 255, 163, 336));
  EXPECT_EQ(Pixel(page->grafImg, 180, 144), 255);  // [1; 1]
  Set("0", "2", "1");
  EXPECT_EQ(Pixel(page->grafImg, 162, 144), 0xFF5B5B);  // [0; 1] on y = 2x + 1
  EXPECT_FALSE(AnyInRows(page->grafImg, 255, 0, 336));
}

// Typed key by key from a = 0, «0,000001» passes through texts that still read 0 and then
// describes a parabola whose expression the engine cannot read: the pale line of a = 0 must not
// stay under those texts.
TEST_F(ElemKvadrTest, AValueTheEngineCannotReadReplacesTheLineByTheEmptyGrid) {
  Set("0", "2", "1");
  ASSERT_EQ(Pixel(page->grafImg, 162, 144), 0xFF5B5B);
  page->hodnota_A->LineEdit()->selectAll();
  for (char key : std::string("0,000001")) {
    QTest::keyClick(page->hodnota_A->LineEdit(), key);
    Tick();
  }
  EXPECT_EQ(page->hodnota_A->Text(), "0,000001");
  EXPECT_TRUE(page->ptext01->Visible());
  EXPECT_FALSE(page->upozorneni->Visible());
  EXPECT_EQ(page->par03_y->Caption(), " y = 1");
  EXPECT_EQ(page->hodnota_A->Color(), 0xC0DCC0);
  EXPECT_EQ(Live()->DrawnExpression(), "");
  EXPECT_FALSE(AnyInRows(page->grafImg, 0xFF5B5B, 0, 336));
  EXPECT_FALSE(AnyInRows(page->grafImg, 255, 0, 336));
}

// The property rows start their text at one left edge, whether or not the text starts with a
// blank (a row 4 pixels off shows).
TEST_F(ElemKvadrTest, ThePropertyRowsStartTheirTextAtOneEdge) {
  auto inkLeft = [](TControl* c) {
    const QImage img = Grab(c);
    for (int x = 0; x < img.width(); ++x) {
      for (int y = 0; y < img.height(); ++y) {
        if (qGray(img.pixel(x, y)) < 128) return c->Left() + x;
      }
    }
    return -1;
  };
  const int edge = inkLeft(page->ptext01);
  EXPECT_GT(edge, page->ptext01->Left());
  for (TControl* t : {page->ptext04, page->ptext05, page->par05_min, page->par06_sudost}) {
    EXPECT_NEAR(inkLeft(t), edge, 1) << t->Name();  // letters differ in their side bearings
  }
}

}  // namespace
