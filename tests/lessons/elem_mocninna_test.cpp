// Page 4.4  Mocninná funkce: the parity, the edit colours, the warning and the graph for typed m
// and n (whole, fractional, negative, clamped, zero), the whole steps of the arrows on the
// visible edits, the reveal with its pause, and the drawn graph's domain.
#include "lessons/unit_frmFceElemMocninna.h"
#include "tests/lessons/live_page_fixture.h"

namespace {

constexpr TColor kMarked = 0xF0CAA6, kRed = 255, kPale = 0xFF5B5B;
const char* const kConstant = "Funkce není mocninná, je konstantní.";
const char* const kLinear = "Funkce není mocninná, je lineární.";
const char* const kAbsolute = "Funkce není mocninná, je to funkce absolutní hodnota.";
const char* const kHalfLine = "Funkce není mocninná, je to funkce y = x pro x ≥ 0.";
const char* const kZeroN = "Ve jmenovateli zlomku je nula, funkce není definována.";
const char* const kEven = " funkce sudá";
const char* const kOdd = " funkce lichá";
const char* const kNeither = " funkce není sudá ani lichá";

class ElemMocninnaTest : public LivePageTest {
 protected:
  void SetUp() override {
    LivePageTest::SetUp();
    Open(17);
    clock.Advance(4010);  // one tick longer than the other live pages: a pause record
    page = frmFceElemMocninna;
  }
  void Set(const char* m, const char* n) {
    Type(page->hodnota_A, m);
    Type(page->hodnota_B, n);
    Tick();
  }
  std::string Marked() const {
    std::string marks;
    for (TMaskEdit* e : {page->hodnota_A, page->hodnota_B})
      marks += e->Color() == kMarked ? '1' : '0';
    return marks;
  }
  TfrmFceElemMocninna* page = nullptr;
};

struct MocninnaCase {
  const char *m, *n;
  const char *settledM, *settledN;  // the edits after the update's clamps
  const char* marked;               // edits of m and n in the degenerate colour
  const char* warning;              // null: a power function and its parity below
  const char* parity;
  const char* drawn;
};

const MocninnaCase kMocninna[] = {
    {"2", "1", "2", "1", "00", nullptr, kEven, "odm(1;x^(2))"},  // the start values
    {"1", "3", "1", "3", "00", nullptr, kOdd, "odm(3;x^(1))"},
    {"1", "2", "1", "2", "00", nullptr, kNeither, "odm(2;x^(1))"},
    {"-1", "1", "-1", "1", "00", nullptr, kOdd, "1/odm(1;x^(abs(-1)))"},
    {"-2", "3", "-2", "3", "00", nullptr, kEven, "1/odm(3;x^(abs(-2)))"},
    {"5", "4", "5", "4", "00", nullptr, kNeither, "odm(4;x^(5))"},
    // a fractional m: x^m only for x >= 0, whatever m rounds to
    {"2,5", "1", "2,5", "1", "00", nullptr, kNeither, "odm(1;x^(2,5))"},
    {"3,5", "3", "3,5", "3", "00", nullptr, kNeither, "odm(3;x^(3,5))"},
    {"-2,5", "3", "-2,5", "3", "00", nullptr, kNeither, "1/odm(3;x^(abs(-2,5)))"},
    {"2,345", "1", "2,345", "1", "00", nullptr, kNeither, "odm(1;x^(2,34))"},
    // values rounded to two decimals first
    {"2,004", "1", "2,004", "1", "00", nullptr, kEven, "odm(1;x^(2))"},
    // a fractional n: its root is odd as its rounded degree is
    {"3", "2,6", "3", "2,6", "00", nullptr, kOdd, "odm(2,6;x^(3))"},
    {"-3", "1,5", "-3", "1,5", "00", nullptr, kNeither, "1/odm(1,5;x^(abs(-3)))"},
    // clamped: m to -20..20, n to 0..20
    {"-30", "21", "-20", "20", "00", nullptr, kEven, "1/odm(20;x^(abs(-20)))"},
    // no power function
    {"0", "1", "0", "1", "10", kConstant, nullptr, "odm(1;x^(0))"},
    {"-0", "3", "-0", "3", "10", kConstant, nullptr, "odm(3;x^(0))"},
    {"3", "3", "3", "3", "11", kLinear, nullptr, "odm(3;x^(3))"},
    {"1", "1", "1", "1", "11", kLinear, nullptr, "odm(1;x^(1))"},
    {"2", "2", "2", "2", "11", kAbsolute, nullptr, "odm(2;x^(2))"},
    {"2,5", "2,5", "2,5", "2,5", "11", kHalfLine, nullptr, "odm(2,5;x^(2,5))"},
    {"2", "0", "2", "0", "01", kZeroN, nullptr, "1/0"},
    {"0", "0", "0", "0", "11", kZeroN, nullptr, "1/0"},    // the last warning wins
    {"2", "-0", "2", "-0", "01", kZeroN, nullptr, "1/0"},  // never drawn as a root of degree -0
    {"2", "-0,", "2", "-0,", "01", kZeroN, nullptr, "1/0"},
    {"0,", "3", "0,", "3", "10", kConstant, nullptr, "odm(3;x^(0))"},
    {"1", "0,004", "1", "0,004", "01", kZeroN, nullptr, "1/0"},
    {"25", "-1", "20", "0", "01", kZeroN, nullptr, "1/0"},
};

TEST_F(ElemMocninnaTest, ParityColoursAndWarningFollowTheParameters) {
  for (const MocninnaCase& k : kMocninna) {
    SCOPED_TRACE(std::string(k.m) + " / " + k.n);
    Set(k.m, k.n);
    const bool power = k.warning == nullptr;
    EXPECT_EQ(page->hodnota_A->Text(), k.settledM);
    EXPECT_EQ(page->hodnota_B->Text(), k.settledN);
    EXPECT_EQ(Marked(), k.marked);
    EXPECT_EQ(page->upozorneni->Visible(), !power);
    EXPECT_EQ(page->par06_sudost->Visible(), power);
    if (power) {
      EXPECT_EQ(page->par06_sudost->Caption(), k.parity);
    } else {
      EXPECT_EQ(page->upozorneni->Caption(), k.warning);
    }
    EXPECT_EQ(Live()->DrawnExpression(), k.drawn);
    EXPECT_EQ(Live()->DrawnColour(), power ? kRed : kPale);
  }
}

TEST_F(ElemMocninnaTest, RevealsFrameDefinitionAPauseThenTheFormulaAndTheGraph) {
  Open(17);
  TForm* form = frmMain->OpenPage();
  auto shown = [&](const char* name) {
    return static_cast<TControl*>(form->FindComponent(name))->Visible();
  };
  clock.Advance(1000);
  EXPECT_TRUE(shown("obdelnik"));
  EXPECT_FALSE(shown("img01"));
  clock.Advance(1000);
  EXPECT_TRUE(shown("img01"));
  clock.Advance(1000);  // the pause
  EXPECT_FALSE(shown("hodnota_A"));
  clock.Advance(1000);
  for (const char* name :
       {"hodnota_A", "sipky_A", "hodnota_B", "sipky_B", "cara", "grafImg", "par06_sudost"}) {
    EXPECT_TRUE(shown(name)) << name;
  }
  EXPECT_FALSE(shown("upozorneni"));
  EXPECT_EQ(Live()->DrawnExpression(), "");
  clock.Advance(10);
  EXPECT_TRUE(shown("x"));
  EXPECT_EQ(Live()->DrawnExpression(), "odm(1;x^(2))");
  EXPECT_EQ(static_cast<TStaticText*>(form->FindComponent("par06_sudost"))->Caption(), kEven);
}

// The arrows step the numbers in the edits by whole numbers; the update clamps what they pass.
TEST_F(ElemMocninnaTest, ArrowsStepTheVisibleEditsByOne) {
  Click(page->sipky_A, TUDBtnType::btNext);
  EXPECT_EQ(page->hodnota_A->Text(), "3");
  Tick();
  EXPECT_EQ(Live()->DrawnExpression(), "odm(1;x^(3))");
  EXPECT_EQ(page->par06_sudost->Caption(), kOdd);
  Click(page->sipky_B, TUDBtnType::btPrev);
  EXPECT_EQ(page->hodnota_B->Text(), "0");
  Tick();
  EXPECT_EQ(page->upozorneni->Caption(), kZeroN);
  Click(page->sipky_B, TUDBtnType::btPrev);
  EXPECT_EQ(page->hodnota_B->Text(), "-1");
  Tick();
  EXPECT_EQ(page->hodnota_B->Text(), "0");
  Type(page->hodnota_A, "20");
  Type(page->hodnota_B, "3");
  Click(page->sipky_A, TUDBtnType::btNext);
  EXPECT_EQ(page->hodnota_A->Text(), "21");
  Tick();
  EXPECT_EQ(page->hodnota_A->Text(), "20");
  EXPECT_EQ(Live()->DrawnExpression(), "odm(3;x^(20))");
}

// A fractional text is no whole number for the arrows to read: they step from the value shown,
// rounded, not from the last number they wrote.
TEST_F(ElemMocninnaTest, ArrowsStepAFractionalValueFromItsRoundedValue) {
  struct Step {
    const char* typed;
    TUDBtnType button;
    const char* stepped;
  };
  for (const Step& k :
       {Step{"7,4", TUDBtnType::btNext, "8"}, Step{"7,4", TUDBtnType::btPrev, "6"},
        Step{"-12,6", TUDBtnType::btNext, "-12"}, Step{"15,5", TUDBtnType::btPrev, "15"}}) {
    SCOPED_TRACE(k.typed);
    Set(k.typed, "3");
    Click(page->sipky_A, k.button);
    EXPECT_EQ(page->hodnota_A->Text(), k.stepped);
  }
  Set("3", "5,6");
  Click(page->sipky_B, TUDBtnType::btPrev);
  EXPECT_EQ(page->hodnota_B->Text(), "5");
}

TEST_F(ElemMocninnaTest, AHalfTypedNumberChangesNothing) {
  Set("1", "3");
  Type(page->hodnota_A, "-");
  Tick();
  EXPECT_EQ(Live()->DrawnExpression(), "odm(3;x^(1))");
  EXPECT_EQ(page->par06_sudost->Caption(), kOdd);
  Append(page->hodnota_A, "2");
  Tick();
  EXPECT_EQ(Live()->DrawnExpression(), "1/odm(3;x^(abs(-2)))");
  EXPECT_EQ(page->par06_sudost->Caption(), kEven);
}

// Column 162 is x = 0 and row 162 is y = 0, 18 pixels a unit.
TEST_F(ElemMocninnaTest, TheGraphShowsTheDomainThatTheParitySpeaksOf) {
  auto anyRedLeft = [&] {
    for (int column = 0; column < 160; ++column) {
      for (int row = 0; row < 337; ++row) {
        if (Pixel(page->grafImg, column, row) == kRed) return true;
      }
    }
    return false;
  };
  EXPECT_EQ(Pixel(page->grafImg, 180, 144), kRed);  // [1; 1] on y = x²
  EXPECT_EQ(Pixel(page->grafImg, 144, 144), kRed);  // [-1; 1]
  Set("1", "3");
  EXPECT_EQ(Pixel(page->grafImg, 144, 180), kRed);  // [-1; -1]
  for (const char* m : {"1", "2,5", "-2,5"}) {      // only x >= 0
    SCOPED_TRACE(m);
    Set(m, "2");
    EXPECT_EQ(Pixel(page->grafImg, 180, 144), kRed);
    EXPECT_FALSE(anyRedLeft());
  }
  Set("2", "0");
  EXPECT_FALSE(AnyInRows(page->grafImg, kRed, 0, 336));
  EXPECT_FALSE(AnyInRows(page->grafImg, kPale, 0, 336));
}

}  // namespace
