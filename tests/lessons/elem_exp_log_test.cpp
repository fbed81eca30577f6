// Pages 4.5  Exponenciální funkce and 4.6  Logaritmická funkce: every property text, the warning
// and the expression for typed a, c and d (bases below and above 1, the base 1 also where it is
// typed as 1,004, 0, negative; shifts, clamps, half-typed texts), the graph's pixels, the reveal
// and the inverse function's pieces set side by side.
#include "lessons/unit_frmFceElemExpon.h"
#include "lessons/unit_frmFceElemLog.h"
#include "tests/lessons/live_page_fixture.h"

namespace {

constexpr int kExponRow = 18, kLogRow = 19;

class ExpLogTest : public LivePageTest {
 protected:
  // The reveal pauses one tick more than on 4.1: the live part shows after 4 s.
  void OpenPage(int row) {
    Open(row);
    clock.Advance(4010);
    ASSERT_NE(Live(), nullptr);
  }
  TMaskEdit* Edit(const char* name) { return Get<TMaskEdit>(name); }
  void Set(const char* a, const char* c, const char* d) {
    Type(Edit("hodnota_A"), a);
    Type(Edit("hodnota_C"), c);
    Type(Edit("hodnota_D"), d);
    Tick();
  }
};

const char* const kExpWarning1 =
    "Pro základ a = 1 není exponenciální funkce definována.          (Funkce je konstantní.)";
const char* const kExpWarning0 =
    "Pro základ a = 0 není exponenciální funkce definována.          (Funkce je konstantní.)";
const char* const kExpWarningNegative = "Pro základ a < 0 není exponenciální funkce definována.";

struct ExpCase {
  const char *a, *c, *d;
  const char* shownA;   // the text of a after the update
  const char* warning;  // null: the properties are shown
  const char *asymptote, *point, *monotonicity, *base, *inverse;
  const char* drawn;
};

const ExpCase kExp[] = {
    {"2", "0", "0", "2", nullptr, " y = 0", "[0; 1]", " je rostoucí (a > 1)", "2", "(x)",
     "(2)^(x+0)+0"},  // the start values
    {"0,5", "0", "0", "0,5", nullptr, " y = 0", "[0; 1]", " je klesající (0 < a < 1)", "0,5", "(x)",
     "(0,5)^(x+0)+0"},
    {"2", "2", "-3", "2", nullptr, " y = -3", "[-2; -2]", " je rostoucí (a > 1)", "2",
     "(x + 3) – 2", "(2)^(x+2)-3"},
    {"3", "-1,5", "2,5", "3", nullptr, " y = 2,5", "[1,5; 3,5]", " je rostoucí (a > 1)", "3",
     "(x – 2,5) + 1,5", "(3)^(x-1,5)+2,5"},
    {"0,3", "1", "-1", "0,3", nullptr, " y = -1", "[-1; 0]", " je klesající (0 < a < 1)", "0,3",
     "(x + 1) – 1", "(0,3)^(x+1)-1"},
    // a base with two decimals is written with them: log with the base 1 would be no function
    {"1,04", "0", "0", "1,04", nullptr, " y = 0", "[0; 1]", " je rostoucí (a > 1)", "1,04", "(x)",
     "(1,04)^(x+0)+0"},
    {"1,006", "0", "0", "1,006", nullptr, " y = 0", "[0; 1]", " je rostoucí (a > 1)", "1,01", "(x)",
     "(1,01)^(x+0)+0"},
    // shifts that the labels round to zero add no "– 0"
    {"2", "0,04", "-0,04", "2", nullptr, " y = 0", "[0; 1]", " je rostoucí (a > 1)", "2", "(x)",
     "(2)^(x+0,04)-0,04"},
    {"2", "-0", "-0,", "2", nullptr, " y = 0", "[0; 1]", " je rostoucí (a > 1)", "2", "(x)",
     "(2)^(x+0)+0"},
    // the steepest curves the clamps leave
    {"20", "20", "20", "20", nullptr, " y = 20", "[-20; 21]", " je rostoucí (a > 1)", "20",
     "(x – 20) – 20", "(20)^(x+20)+20"},
    {"0,05", "-20", "-20", "0,05", nullptr, " y = -20", "[20; -19]", " je klesající (0 < a < 1)",
     "0,05", "(x + 20) + 20", "(0,05)^(x-20)-20"},
    // the clamps
    {"25", "-30", "21", "20", nullptr, " y = 20", "[20; 21]", " je rostoucí (a > 1)", "20",
     "(x – 20) + 20", "(20)^(x-20)+20"},
    // the base 1, also where it is typed so that it rounds to 1
    {"1", "0", "0", "1", kExpWarning1, "", "", "", "", "", "(1)^(x+0)+0"},
    {"1,004", "1", "2", "1,004", kExpWarning1, "", "", "", "", "", "(1)^(x+1)+2"},
    {"1,005", "0", "0", "1,005", kExpWarning1, "", "", "", "", "", "(1)^(x+0)+0"},
    // the base 0 and a base that rounds to 0: the constant d
    {"0", "0", "1,5", "0", kExpWarning0, "", "", "", "", "", "1,5"},
    {"-0", "0", "0", "-0", kExpWarning0, "", "", "", "", "", "0"},
    {"0,004", "0", "-2", "0,004", kExpWarning0, "", "", "", "", "", "-2"},
    {"-2", "0", "0", "-2", kExpWarningNegative, "", "", "", "", "", "(-2)^(x+0)+0"},
    {"-0,004", "1", "0", "-0,004", kExpWarningNegative, "", "", "", "", "", "(-0,004)^(x+1)+0"},
};

TEST_F(ExpLogTest, ExponentialPropertiesWarningAndExpressionFollowTheParameters) {
  OpenPage(kExponRow);
  TfrmFceElemExpon* f = frmFceElemExpon;
  const std::vector<TControl*> properties = {
      f->popis_as1,  f->popis_as2,  f->popis_bod1, f->popis_bod2, f->popis_mon1,
      f->popis_omez, f->popis_inv1, f->popis_inv2, f->popis_zl1,  f->popis_inv3};
  for (const ExpCase& k : kExp) {
    SCOPED_TRACE(std::string(k.a) + "; " + k.c + "; " + k.d);
    Set(k.a, k.c, k.d);
    EXPECT_EQ(f->hodnota_A->Text(), k.shownA);
    for (TControl* t : properties) EXPECT_EQ(t->Visible(), !k.warning) << t->Name();
    EXPECT_EQ(f->upozorneni->Visible(), k.warning != nullptr);
    if (k.warning) {
      EXPECT_EQ(f->upozorneni->Caption(), k.warning);
    } else {
      EXPECT_EQ(f->popis_as2->Caption(), k.asymptote);
      EXPECT_EQ(f->popis_bod2->Caption(), k.point);
      EXPECT_EQ(f->popis_mon1->Caption(), k.monotonicity);
      EXPECT_EQ(f->popis_omez->Caption(), " je omezená zdola");
      EXPECT_EQ(f->popis_inv1->Caption(), " je inverzní k funkci:");
      EXPECT_EQ(f->popis_inv2->Caption(), " y = log");
      EXPECT_EQ(f->popis_zl1->Caption(), k.base);
      EXPECT_EQ(f->popis_inv3->Caption(), k.inverse);
    }
    EXPECT_EQ(f->hodnota_A->Color(), 0xC0DCC0) << "no edit of this page turns sky blue";
    EXPECT_EQ(Live()->DrawnExpression(), k.drawn);
    EXPECT_EQ(Live()->DrawnColour(), k.warning ? 0xFF5B5B : 255);
  }
}

const char* const kLogWarning1 = "Pro základ a = 1 není logaritmická funkce definována.";
const char* const kLogWarning0 = "Pro základ a = 0 není logaritmická funkce definována.";
const char* const kLogWarningNegative = "Pro základ a < 0 není logaritmická funkce definována.";

struct LogCase {
  const char *a, *c, *d;
  const char* warning;
  const char *asymptote, *point, *monotonicity, *base, *exponent, *after;
  const char* drawn;
};

const LogCase kLog[] = {
    {"2", "0", "0", nullptr, " x = 0", "[1; 0]", " je rostoucí (a > 1)", "2", "x", "",
     "log(2;x+0)+0"},  // the start values
    {"0,5", "3", "-1", nullptr, " x = -3", "[-2; -1]", " je klesající (0 < a < 1)", "0,5", "x + 1",
     "– 3", "log(0,5;x+3)-1"},
    {"10", "-2", "1,5", nullptr, " x = 2", "[3; 1,5]", " je rostoucí (a > 1)", "10", "x – 1,5",
     "+ 2", "log(10;x-2)+1,5"},
    {"1,04", "0", "0", nullptr, " x = 0", "[1; 0]", " je rostoucí (a > 1)", "1,04", "x", "",
     "log(1,04;x+0)+0"},
    {"2", "0,", "-0,", nullptr, " x = 0", "[1; 0]", " je rostoucí (a > 1)", "2", "x", "",
     "log(2;x+0)+0"},
    {"0,05", "20", "-20", nullptr, " x = -20", "[-19; -20]", " je klesající (0 < a < 1)", "0,05",
     "x + 20", "– 20", "log(0,05;x+20)-20"},
    {"0,25", "0,04", "-0,04", nullptr, " x = 0", "[1; 0]", " je klesající (0 < a < 1)", "0,25", "x",
     "", "log(0,25;x+0,04)-0,04"},
    // c clamped to -20; 2,25 is written 2,2 (halves to even)
    {"3", "-25", "2,25", nullptr, " x = 20", "[21; 2,2]", " je rostoucí (a > 1)", "3", "x – 2,2",
     "+ 20", "log(3;x-20)+2,25"},
    {"1", "0", "0", kLogWarning1, "", "", "", "", "", "", "log(1;x+0)+0"},
    {"1,004", "0", "0", kLogWarning1, "", "", "", "", "", "", "log(1;x+0)+0"},
    {"0", "0", "0", kLogWarning0, "", "", "", "", "", "", "log(0;x+0)+0"},
    {"0,004", "0", "0", kLogWarning0, "", "", "", "", "", "", "log(0;x+0)+0"},
    {"-2", "1", "0", kLogWarningNegative, "", "", "", "", "", "", "log(-2;x+1)+0"},
};

TEST_F(ExpLogTest, LogarithmicPropertiesWarningAndExpressionFollowTheParameters) {
  OpenPage(kLogRow);
  TfrmFceElemLog* f = frmFceElemLog;
  const std::vector<TControl*> properties = {f->popis_as1,  f->popis_as2,  f->popis_bod1,
                                             f->popis_bod2, f->popis_mon1, f->popis_inv1,
                                             f->popis_zl1,  f->popis_inv2, f->popis_inv3};
  for (const LogCase& k : kLog) {
    SCOPED_TRACE(std::string(k.a) + "; " + k.c + "; " + k.d);
    Set(k.a, k.c, k.d);
    for (TControl* t : properties) EXPECT_EQ(t->Visible(), !k.warning) << t->Name();
    EXPECT_EQ(f->upozorneni->Visible(), k.warning != nullptr);
    if (k.warning) {
      EXPECT_EQ(f->upozorneni->Caption(), k.warning);
    } else {
      EXPECT_EQ(f->popis_as2->Caption(), k.asymptote);
      EXPECT_EQ(f->popis_bod2->Caption(), k.point);
      EXPECT_EQ(f->popis_mon1->Caption(), k.monotonicity);
      EXPECT_EQ(f->popis_inv1->Caption(), " je inverzní k funkci:   y = ");
      EXPECT_EQ(f->popis_zl1->Caption(), k.base);
      EXPECT_EQ(f->popis_inv2->Caption(), k.exponent);
      EXPECT_EQ(f->popis_inv3->Caption(), k.after);
    }
    EXPECT_EQ(f->hodnota_A->Color(), 0xC0DCC0);
    EXPECT_EQ(Live()->DrawnExpression(), k.drawn);
    EXPECT_EQ(Live()->DrawnColour(), k.warning ? 0xFF5B5B : 255);
  }
}

// The view runs from -9 to 9 at 18 pixels a unit: x = 0 is column 162, y = 0 row 162.
TEST_F(ExpLogTest, TheCurvesPassTheirPointsAndAnInvalidBaseDrawsNoRedCurve) {
  OpenPage(kExponRow);
  EXPECT_EQ(Pixel(Get<TImage>("grafImg"), 162, 144), 255);  // [0; 1] on y = 2^x
  EXPECT_EQ(Pixel(Get<TImage>("grafImg"), 180, 126), 255);  // [1; 2]
  Set("1", "0", "1");                                       // the line y = 2, pale
  EXPECT_EQ(Pixel(Get<TImage>("grafImg"), 40, 126), 0xFF5B5B);
  EXPECT_FALSE(AnyInRows(Get<TImage>("grafImg"), 255, 0, 336));

  OpenPage(kLogRow);
  EXPECT_EQ(Pixel(Get<TImage>("grafImg"), 180, 162), 255);  // [1; 0] on y = log₂ x
  EXPECT_EQ(Pixel(Get<TImage>("grafImg"), 234, 126), 255);  // [4; 2]
  for (const char* a : {"1", "1,004", "0", "-2"}) {
    SCOPED_TRACE(a);
    Set(a, "0", "0");
    EXPECT_FALSE(AnyInRows(Get<TImage>("grafImg"), 255, 0, 336));
    EXPECT_FALSE(AnyInRows(Get<TImage>("grafImg"), 0xFF5B5B, 0, 336));
  }
}

// The frame after 1 s, the definition after 2 s, a pause, the live part after 4 s.
TEST_F(ExpLogTest, TheRevealShowsFrameDefinitionAndAfterAPauseTheLivePart) {
  for (int row : {kExponRow, kLogRow}) {
    SCOPED_TRACE(row);
    Open(row);
    struct Moment {
      int at;
      bool frame, definition, live;
    };
    int now = 0;
    for (const Moment& m : {Moment{990, false, false, false}, Moment{1010, true, false, false},
                            Moment{2010, true, true, false}, Moment{3010, true, true, false},
                            Moment{4010, true, true, true}}) {
      clock.Advance(m.at - now);
      now = m.at;
      EXPECT_EQ(C("obdelnik")->Visible(), m.frame) << m.at;
      EXPECT_EQ(C("def")->Visible(), m.definition) << m.at;
      EXPECT_EQ(C("hodnota_A")->Visible(), m.live) << m.at;
      EXPECT_EQ(C("grafImg")->Visible(), m.live) << m.at;
      EXPECT_EQ(C("popis_mon1")->Visible(), m.live) << m.at;
      EXPECT_FALSE(C("upozorneni")->Visible()) << m.at;
    }
    EXPECT_EQ(Live()->DrawnExpression(), row == kExponRow ? "(2)^(x+0)+0" : "log(2;x+0)+0");
  }
}

// A lone minus leaves everything as it was; the first arrow click on c gives a tenth.
TEST_F(ExpLogTest, HalfTypedTextsChangeNothingAndTheArrowsCountTenths) {
  for (int row : {kExponRow, kLogRow}) {
    SCOPED_TRACE(row);
    OpenPage(row);
    Type(Edit("hodnota_C"), "-");
    Tick();
    EXPECT_EQ(Get<TStaticText>("popis_bod2")->Caption(), row == kExponRow ? "[0; 1]" : "[1; 0]");
    Append(Edit("hodnota_C"), "2");
    Tick();
    EXPECT_EQ(Get<TStaticText>("popis_bod2")->Caption(), row == kExponRow ? "[2; 1]" : "[3; 0]");
    Type(Edit("hodnota_C"), "0");
    Tick();
    Click(Get<TUpDown>("sipky_C"), TUDBtnType::btNext);
    Tick();
    EXPECT_EQ(Edit("hodnota_C")->Text(), "0,1");
    Click(Get<TUpDown>("sipky_A"), TUDBtnType::btPrev);
    Tick();
    EXPECT_EQ(Edit("hodnota_A")->Text(), "1,9");
  }
}

// The base and the exponent of the inverse have no fixed width: the letters of each piece
// follow those of the one before without touching and without a gap, and stay on the page, for
// the narrowest and the widest texts the edits reach.
TEST_F(ExpLogTest, TheInversePiecesFollowEachOtherAndStayOnThePage) {
  // The columns of the page where a control paints dark ink.
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
  for (int row : {kExponRow, kLogRow}) {
    const std::vector<const char*> order =
        row == kExponRow
            ? std::vector<const char*>{"popis_inv1", "popis_inv2", "popis_zl1", "popis_inv3"}
            : std::vector<const char*>{"popis_inv1", "popis_zl1", "popis_inv2", "popis_inv3"};
    for (const auto& [a, c, d] : {std::tuple{"2", "0", "0"}, std::tuple{"12,8", "-12,3", "-12,3"},
                                  std::tuple{"0,25", "1", "1"}}) {
      SCOPED_TRACE(std::to_string(row) + ": " + a + "; " + c + "; " + d);
      OpenPage(row);
      Set(a, c, d);
      for (size_t i = 1; i < order.size(); ++i) {
        const int gap = ink(C(order[i])).first - ink(C(order[i - 1])).second;
        EXPECT_GE(gap, 2) << order[i];
        EXPECT_LE(gap, 9) << order[i];
      }
      EXPECT_LE(ink(C("popis_inv3")).second, 792);
    }
  }
}

}  // namespace
