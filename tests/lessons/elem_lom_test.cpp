// Page 4.3  Lineární lomená funkce: every property text, edit colour, warning and graph colour
// for typed a, b, c and d (the degenerate sets among them), one answer for every set, and the
// curve broken at its vertical asymptote.
#include "lessons/unit_frmFceElemLom.h"
#include "tests/lessons/live_page_fixture.h"

namespace {

constexpr TColor kEdit = 0xC0DCC0, kMarked = 0xF0CAA6, kRed = 255, kPale = 0xFF5B5B;
const char* const kZeroDenominator = "Pro jmenovatel rovný nule nemá předpis funkce smysl.";
const char* const kCZero =
    "Pro c = 0 není lineární lomená funkce definována.          (Funkce je lineární.)";
const char* const kProportional =
    "Pro ad = bc není lineární lomená funkce definována.      (Funkce je lineární.)";

class ElemLomTest : public LivePageTest {
 protected:
  void SetUp() override {
    LivePageTest::SetUp();
    OpenLive(16);
    page = frmFceElemLom;
  }
  std::vector<TMaskEdit*> Edits() const {
    return {page->hodnota_A, page->hodnota_B, page->hodnota_C, page->hodnota_D};
  }
  void Set(const char* a, const char* b, const char* c, const char* d) {
    const char* typed[] = {a, b, c, d};
    for (int i = 0; i < 4; ++i) Type(Edits()[i], typed[i]);
    Tick();
  }
  // The edits in the degenerate colour, as "1" or "0" for a, b, c, d.
  std::string Marked() const {
    std::string marks;
    for (TMaskEdit* e : Edits()) marks += e->Color() == kMarked ? '1' : '0';
    return marks;
  }
  TfrmFceElemLom* page = nullptr;
};

struct LomCase {
  const char *a, *b, *c, *d;
  const char* marked;   // edits of a, b, c, d in the degenerate colour
  const char* warning;  // null: a proper function with the property texts below
  const char *vertical, *horizontal, *x, *y, *parity;
  const char* drawn;
};

const LomCase kLom[] = {
    // the start values: y = 1/x
    {"0", "1", "1", "0", "0000", nullptr, " x = 0", " y = 0", "nemá", "nemá", " funkce je lichá",
     "((0)*x+1)/((1)*x+0)"},
    {"2", "-3", "1", "-1", "0000", nullptr, " x = 1", " y = 2", " x = 1,5", " y = 3",
     " funkce není sudá ani lichá", "((2)*x-3)/((1)*x-1)"},
    {"-1", "2", "-2", "-3", "0000", nullptr, " x = -1,5", " y = 0,5", " x = 2", " y = -0,67",
     " funkce není sudá ani lichá", "((-1)*x+2)/((-2)*x-3)"},
    {"0", "1", "3", "1", "0000", nullptr, " x = -0,33", " y = 0", "nemá", " y = 1",
     " funkce není sudá ani lichá", "((0)*x+1)/((3)*x+1)"},
    // no minus zero on a label: -0/(-1) and 0/(-1)
    {"0", "1", "-1", "0", "0000", nullptr, " x = 0", " y = 0", "nemá", "nemá", " funkce je lichá",
     "((0)*x+1)/((-1)*x+0)"},
    // d = 0 with a ≠ 0: the domain is symmetric, the function still not odd
    {"1", "1", "1", "0", "0000", nullptr, " x = 0", " y = 1", " x = -1", "nemá",
     " funkce není sudá ani lichá", "((1)*x+1)/((1)*x+0)"},
    {"0", "-2", "0,5", "0", "0000", nullptr, " x = 0", " y = 0", "nemá", "nemá", " funkce je lichá",
     "((0)*x-2)/((0,5)*x+0)"},
    // halves to even: 0,125 → 0,12
    {"1", "1", "8", "-1", "0000", nullptr, " x = 0,12", " y = 0,12", " x = -1", " y = -1",
     " funkce není sudá ani lichá", "((1)*x+1)/((8)*x-1)"},
    // a minus zero typed is zero
    {"-0", "1", "1", "-0", "0000", nullptr, " x = 0", " y = 0", "nemá", "nemá", " funkce je lichá",
     "((0)*x+1)/((1)*x+0)"},
    // half-typed zeros are zeros
    {"-0,", "1", "1", "0,", "0000", nullptr, " x = 0", " y = 0", "nemá", "nemá", " funkce je lichá",
     "((0)*x+1)/((1)*x+0)"},
    // close to proportional but not: 0,7 · 0,31 ≠ 2,1 · 0,1
    {"0,7", "2,1", "0,1", "0,31", "0000", nullptr, " x = -3,1", " y = 7", " x = -3", " y = 6,77",
     " funkce není sudá ani lichá", "((0,7)*x+2,1)/((0,1)*x+0,31)"},
    // clamped to 20 and -20
    {"25", "1", "1", "-30", "0000", nullptr, " x = 20", " y = 20", " x = -0,05", " y = -0,05",
     " funkce není sudá ani lichá", "((20)*x+1)/((1)*x-20)"},
    // degenerate sets
    {"1", "1", "0", "2", "0010", kCZero, "", "", "", "", "", "((1)*x+1)/((0)*x+2)"},
    {"0", "2", "0", "1", "0010", kCZero, "", "", "", "", "", "((0)*x+2)/((0)*x+1)"},
    {"1", "1", "0", "0", "0011", kZeroDenominator, "", "", "", "", "", "((1)*x+1)/((0)*x+0)"},
    {"2", "1", "-0,", "0,", "0011", kZeroDenominator, "", "", "", "", "", "((2)*x+1)/((0)*x+0)"},
    {"0", "0", "0", "0", "1111", kZeroDenominator, "", "", "", "", "", "((0)*x+0)/((0)*x+0)"},
    {"2", "4", "1", "2", "1111", kProportional, "", "", "", "", "", "((2)*x+4)/((1)*x+2)"},
    {"-2", "4", "1", "-2", "1111", kProportional, "", "", "", "", "", "((-2)*x+4)/((1)*x-2)"},
    {"1", "0", "3", "0", "0101", kProportional, "", "", "", "", "", "((1)*x+0)/((3)*x+0)"},
    {"0", "0", "1", "1", "1100", kProportional, "", "", "", "", "", "((0)*x+0)/((1)*x+1)"},
    {"0", "-0", "-2", "0", "1101", kProportional, "", "", "", "", "", "((0)*x+0)/((-2)*x+0)"},
    // proportional as typed, though neither the products nor the quotients agree in binary
    {"0,7", "2,1", "0,1", "0,3", "1111", kProportional, "", "", "", "", "",
     "((0,7)*x+2,1)/((0,1)*x+0,3)"},
};

TEST_F(ElemLomTest, PropertiesColoursAndWarningFollowTheParameters) {
  for (const LomCase& k : kLom) {
    SCOPED_TRACE(std::string(k.a) + "; " + k.b + "; " + k.c + "; " + k.d);
    Set(k.a, k.b, k.c, k.d);
    const bool proper = k.warning == nullptr;
    EXPECT_EQ(Marked(), k.marked);
    EXPECT_EQ(page->upozorneni->Visible(), !proper);
    if (!proper) {
      EXPECT_EQ(page->upozorneni->Caption(), k.warning);
    }
    for (TControl* t :
         {static_cast<TControl*>(page->ptext01), static_cast<TControl*>(page->ptext02),
          static_cast<TControl*>(page->ptext03)}) {
      EXPECT_EQ(t->Visible(), proper) << t->Name();
    }
    EXPECT_EQ(page->par01_x->Caption(), k.vertical);
    EXPECT_EQ(page->par02_y->Caption(), k.horizontal);
    EXPECT_EQ(page->par03_x->Caption(), k.x);
    EXPECT_EQ(page->par04_y->Caption(), k.y);
    EXPECT_EQ(page->par05_licha->Caption(), k.parity);
    EXPECT_EQ(Live()->DrawnExpression(), k.drawn);
    EXPECT_EQ(Live()->DrawnColour(), proper ? kRed : kPale);
  }
}

// Every set of small whole parameters gets one answer: degenerate exactly when c = 0 or
// ad = bc, and then the warning, the pale graph and at least one marked edit together; a proper
// function has no marked edit.
TEST_F(ElemLomTest, EveryParameterSetGetsOneAnswer) {
  const int values[] = {-2, -1, 0, 1, 2};
  for (int a : values) {
    for (int b : values) {
      for (int c : values) {
        for (int d : values) {
          SCOPED_TRACE(std::to_string(a) + "; " + std::to_string(b) + "; " + std::to_string(c) +
                       "; " + std::to_string(d));
          const int typed[] = {a, b, c, d};
          for (int i = 0; i < 4; ++i) Edits()[i]->SetText(std::to_string(typed[i]));
          Tick();
          const bool degenerate = c == 0 || a * d == b * c;
          ASSERT_EQ(page->upozorneni->Visible(), degenerate);
          ASSERT_EQ(page->ptext01->Visible(), !degenerate);
          ASSERT_EQ(Live()->DrawnColour(), degenerate ? kPale : kRed);
          ASSERT_EQ(Marked() != "0000", degenerate) << Marked();
        }
      }
    }
  }
}

// Column 162 is x = 0 and row 162 is y = 0, 18 pixels a unit.
TEST_F(ElemLomTest, TheCurveBreaksAtItsVerticalAsymptote) {
  struct Asymptote {
    const char *c, *d;
    int column;  // of x = -d/c
  };
  for (const Asymptote& k :
       {Asymptote{"1", "0", 162}, Asymptote{"1", "-2", 198}, Asymptote{"-2", "-6", 108}}) {
    SCOPED_TRACE(std::string(k.c) + "; " + k.d);
    Set("0", "1", k.c, k.d);
    ASSERT_EQ(page->upozorneni->Visible(), false);
    // Both branches are drawn beside the asymptote, far from it in y ...
    EXPECT_TRUE(AnyInRows(page->grafImg, kRed, 0, 100));
    EXPECT_TRUE(AnyInRows(page->grafImg, kRed, 224, 336));
    // ... and no stroke joins them across it near the x axis.
    for (int column = k.column - 2; column <= k.column + 2; ++column) {
      for (int row = 100; row <= 224; ++row) {
        ASSERT_NE(Pixel(page->grafImg, column, row), kRed) << column << ", " << row;
      }
    }
  }
}

TEST_F(ElemLomTest, ADegenerateSetDrawsItsConstantPaleAndAZeroDenominatorNothing) {
  Set("0", "1", "1", "0");
  EXPECT_EQ(Pixel(page->grafImg, 180, 144), kRed);  // [1; 1] on y = 1/x
  Set("2", "4", "1", "2");
  EXPECT_EQ(Pixel(page->grafImg, 100, 126), kPale);  // y = 2
  EXPECT_FALSE(AnyInRows(page->grafImg, kRed, 0, 336));
  Set("1", "1", "0", "0");
  EXPECT_FALSE(AnyInRows(page->grafImg, kPale, 0, 336));
  EXPECT_FALSE(AnyInRows(page->grafImg, kRed, 0, 336));
  Set("0", "1", "1", "0");  // back to a proper function: every property row again
  EXPECT_TRUE(page->ptext02->Visible());
  EXPECT_EQ(page->par05_licha->Caption(), " funkce je lichá");
  EXPECT_EQ(Marked(), "0000");
}

TEST_F(ElemLomTest, AHalfTypedNumberChangesNothing) {
  Set("2", "-3", "1", "-1");
  Type(page->hodnota_C, "-");
  Tick();
  EXPECT_EQ(page->par01_x->Caption(), " x = 1");
  EXPECT_EQ(Live()->DrawnExpression(), "((2)*x-3)/((1)*x-1)");
  Append(page->hodnota_C, "2");
  Tick();
  EXPECT_EQ(page->par01_x->Caption(), " x = -0,5");
  EXPECT_EQ(page->par02_y->Caption(), " y = -1");
}

// The arrows count tenths up to the clamp of 20 and reach the degenerate c = 0.
TEST_F(ElemLomTest, ArrowsStepTenthsUpToTwentyAndDownToAZeroDenominator) {
  auto* arrows = dynamic_cast<TUpDown*>(page->FindComponent("sipky_C"));
  ASSERT_NE(arrows, nullptr);
  Type(page->hodnota_C, "19,9");
  Click(arrows, TUDBtnType::btNext);
  EXPECT_EQ(page->hodnota_C->Text(), "20");
  Click(arrows, TUDBtnType::btNext);
  EXPECT_EQ(page->hodnota_C->Text(), "20");
  Tick();
  EXPECT_EQ(page->par02_y->Caption(), " y = 0");
  EXPECT_EQ(Live()->DrawnExpression(), "((0)*x+1)/((20)*x+0)");
  Type(page->hodnota_C, "0,1");
  Click(arrows, TUDBtnType::btPrev);
  EXPECT_EQ(page->hodnota_C->Text(), "0");
  Tick();
  EXPECT_EQ(page->upozorneni->Caption(), kZeroDenominator);
  EXPECT_EQ(Marked(), "0011");
}

}  // namespace
