// Page 4.1  Lineární funkce: the property texts and the expression for typed a and b, the
// graph's pixels, a value the engine cannot read, and the subject of the property sentences.
#include "lessons/unit_frmFceElemLin.h"
#include "tests/lessons/live_page_fixture.h"

namespace {

class ElemLinTest : public LivePageTest {
 protected:
  void SetUp() override {
    LivePageTest::SetUp();
    OpenLive(14);
    page = frmFceElemLin;
  }
  void Set(const char* a, const char* b) {
    Type(page->hodnota_A, a);
    Type(page->hodnota_B, b);
    Tick();
  }
  TfrmFceElemLin* page = nullptr;
};

struct LinCase {
  const char *a, *b;
  const char *monotonie, *prosta, *x, *y, *drawn;
};

const LinCase kLin[] = {
    {"1", "1", " je rostoucí (a > 0)", " je prostá", " x = -1", " y = 1", "1*x+1"},  // start
    {"1", "0", " je rostoucí (a > 0)", " je prostá", " x = 0", " y = 0", "1*x+0"},
    {"4", "1", " je rostoucí (a > 0)", " je prostá", " x = -0,2", " y = 1", "4*x+1"},  // -0,25
    {"3", "1", " je rostoucí (a > 0)", " je prostá", " x = -0,3", " y = 1", "3*x+1"},
    {"0", "0", " je konstantní (a = 0)", " není prostá", " všechna reálná čísla", " y = 0",
     "0*x+0"},
    {"0", "3", " je konstantní (a = 0)", " není prostá", " nemá", " y = 3", "0*x+3"},
    {"-2", "5", " je klesající (a < 0)", " je prostá", " x = 2,5", " y = 5", "-2*x+5"},
    {"1,5", "-2", " je rostoucí (a > 0)", " je prostá", " x = 1,3", " y = -2", "1,5*x-2"},
    {"-1", "-0,5", " je klesající (a < 0)", " je prostá", " x = -0,5", " y = -0,5", "-1*x-0,5"},
    {"1", "30", " je rostoucí (a > 0)", " je prostá", " x = -20", " y = 20", "1*x+20"},
    {"-0", "-0", " je konstantní (a = 0)", " není prostá", " všechna reálná čísla", " y = 0",
     "0*x+0"},
    {"1,45", "0,25", " je rostoucí (a > 0)", " je prostá", " x = -0,2", " y = 0,2", "1,45*x+0,25"},
};

TEST_F(ElemLinTest, PropertiesAndExpressionFollowTheParameters) {
  for (const LinCase& c : kLin) {
    SCOPED_TRACE(std::string(c.a) + "; " + c.b);
    Set(c.a, c.b);
    EXPECT_EQ(page->popis_monotonie->Caption(), c.monotonie);
    EXPECT_EQ(page->popis_prosta->Caption(), c.prosta);
    EXPECT_EQ(page->par01_x->Caption(), c.x);
    EXPECT_EQ(page->par02_y->Caption(), c.y);
    EXPECT_EQ(Live()->DrawnExpression(), c.drawn);
    EXPECT_EQ(Live()->DrawnColour(), 255);
    EXPECT_EQ(page->hodnota_A->Color(), 0xC0DCC0);  // this page marks no parameter
  }
}

TEST_F(ElemLinTest, TheConstantZeroDrawsOverTheXAxisInRed) {
  // The view runs from -9 to 9 at 18 pixels a unit: y = 0 is row 162, x = 0 column 162.
  EXPECT_EQ(Pixel(page->grafImg, 100, 162), 0x000000);
  Set("0", "0");
  for (int column = 0; column < 337; ++column) {
    ASSERT_EQ(Pixel(page->grafImg, column, 162), 255) << column;
  }
  Set("1", "1");  // a fresh grid: the axis is black again away from the line
  EXPECT_EQ(Pixel(page->grafImg, 100, 162), 0x000000);
  EXPECT_EQ(Pixel(page->grafImg, 162, 144), 255);  // [0; 1]
}

// A value so small that its text takes an exponent, which expressions lack: the texts follow
// it, the picture falls back to the empty grid rather than keep a graph they do not describe,
// and the page does not retry every tick.
TEST_F(ElemLinTest, AValueTheEngineCannotReadLeavesTheEmptyGrid) {
  Set("0", "1");
  ASSERT_TRUE(AnyInRows(page->grafImg, 255, 144, 144));  // y = 1
  Type(page->hodnota_A, "0,000001");
  EXPECT_EQ(page->pomA->Text(), "0");
  Tick();
  EXPECT_EQ(page->hodnota_A->Text(), "0,000001");
  EXPECT_EQ(page->popis_monotonie->Caption(), " je rostoucí (a > 0)");
  EXPECT_EQ(page->par01_x->Caption(), " x = -1000000");
  EXPECT_EQ(Live()->DrawnExpression(), "");
  EXPECT_FALSE(AnyInRows(page->grafImg, 255, 0, 336));
  EXPECT_EQ(Pixel(page->grafImg, 100, 162), 0x000000);  // the x axis of the grid
  EXPECT_FALSE(Live()->ParamsChanged());
  Set("1", "1");
  EXPECT_EQ(Live()->DrawnExpression(), "1*x+1");
}

// The property texts start with " je": the page's own caption gives them their subject.
TEST_F(ElemLinTest, ThePropertySentencesHaveTheirSubjectBeforeThem) {
  for (const char* name : {"monotonie", "prosta"}) {
    SCOPED_TRACE(name);
    auto* subject = dynamic_cast<TLabel*>(page->FindComponent(std::string("podmet_") + name));
    auto* predicate = dynamic_cast<TLabel*>(page->FindComponent(std::string("popis_") + name));
    ASSERT_NE(subject, nullptr);
    ASSERT_NE(predicate, nullptr);
    EXPECT_EQ(subject->Caption(), "Funkce");
    EXPECT_TRUE(subject->Visible());
    EXPECT_EQ(subject->Top(), predicate->Top());
    EXPECT_LE(subject->Left() + subject->Width(), predicate->Left());
    EXPECT_GE(subject->Left() + subject->Width() + 2, predicate->Left()) << "no gap between";
  }
}

}  // namespace
