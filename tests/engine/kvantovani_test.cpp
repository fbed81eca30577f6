#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "engine/unit_graf_kvantovani.h"
#include "engine/unit_graf_parse.h"
#include "platform/extctrls.h"
#include "token_text.h"

namespace kv = unit_graf_kvantovani;

namespace {

constexpr TColor kBlue = 0xFF0000, kMagenta = 0xFF00FF, kBlack = 0x000000;

std::string Parsed(const std::string& text) {
  TokenList list;
  if (!kv::ParseExpression(text, list)) return "<invalid>";
  return TokensOf(list);
}

}  // namespace

TEST(TwoVariableParse, TakesYWhereverXStands) {
  struct Case {
    const char* text;
    const char* postfix;
  } cases[] = {
      {"y", "y"},
      {"x-y", "c y -"},
      {"2x+y", "2 c * y +"},
      {"-y^2", "0 y 2 d -"},
      {"(y)", "y"},
      {"x^y", "c y d"},
      {"sin(y)*cos(x)", "y n c h *"},
      {"log(y;x)", "y c ; f"},
      {"ln(y)", "a y ; f"},
      {"odm(3;x*y)", "3 c y * ; o"},
      {"abs(x-y)/y", "c y - p y /"},
      {"2.5*y", "2,5 y *"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Parsed(c.text), c.postfix) << c.text;
    EXPECT_TRUE(kv::CheckSymbols(c.text)) << c.text;
  }
}

TEST(TwoVariableParse, RejectsYInAnImplicitProductOrBeforeAGroup) {
  // "y" is no digit's partner as "x" is; where it stands inside a longer piece, the parse fails.
  for (const char* text : {"2y", "y2", "y(x)", "2,5y", "xy", "yx", "yy", "Y", "y y", "(y", "z"}) {
    TokenList list;
    EXPECT_FALSE(kv::ParseExpression(text, list)) << text;
    EXPECT_FALSE(list.Exists()) << text;
  }
  EXPECT_FALSE(::CheckSymbols("x+y"));  // the one-variable engine's
  EXPECT_FALSE(kv::CheckSymbols("z+y"));
}

TEST(TwoVariableEvaluate, ComputesWithBothVariablesAndKeepsTheRounding) {
  struct Case {
    const char* text;
    double x, y, expected;  // NaN: undefined
  } cases[] = {
      {"x-y", 1, 2, -1},        {"x*y", 3, -2, -6},
      {"y", 0, 0.1 + 0.2, 0.3},  // y is kept as its 15-digit text
      {"y^2-x", 3, 2, 1},       {"log(y;x)", 8, 2, 3},
      {"odm(2;x*y)", 2, 8, 4},  {"odm(2;x*y)", -1, 2, NAN},
      {"1/(x-y)", 2, 2, NAN},   {"1/3*y", 0, 3, 0.999999999999999},
  };
  for (const Case& c : cases) {
    TokenList list;
    ASSERT_TRUE(kv::ParseExpression(c.text, list)) << c.text;
    bool defined = true;
    double z = kv::EvaluatePostfix(std::move(list), defined, c.x, c.y);
    EXPECT_EQ(defined, !std::isnan(c.expected)) << c.text;
    if (defined && !std::isnan(c.expected)) {
      EXPECT_EQ(z, c.expected) << c.text;
    }
  }
}

TEST(BandColour, Gives32ColoursInUnitBandsClosedAbove) {
  struct Case {
    double z;
    TColor colour;
  } cases[] = {
      {-1e300, kBlue},
      {-15, kBlue},
      {std::nextafter(-15.0, 0.0), 0xFF0011},
      {-14.5, 0xFF0011},
      {-14, 0xFF0011},
      {std::nextafter(-14.0, 0.0), 0xEE0011},
      {-13, 0xEE0011},
      {-12.5, 0xEE0022},
      {-0.5, 0x880088},
      {0, 0x880088},
      {std::nextafter(0.0, 1.0), 0x770088},
      {1, 0x770088},
      {14.5, 0x0000FF},
      {15, 0x0000FF},
      {std::nextafter(15.0, 16.0), kMagenta},
      {1e300, kMagenta},
  };
  for (const Case& c : cases) EXPECT_EQ(kv::BandColour(c.z), c.colour) << c.z;
  std::set<TColor> colours;
  for (double z = -16; z <= 16; z += 0.25) colours.insert(kv::BandColour(z));
  EXPECT_EQ(colours.size(), 32u);
}

namespace {

// A 337 x 337 picture box, as on the page, with the two-variable view at scale 20.
class ColourMapTest : public ::testing::Test {
 protected:
  ColourMapTest() : image(nullptr), graf(Toblast{0, 337, 0, 337}, 20) {
    image.SetBounds(0, 0, 337, 337);
  }

  TColor At(int column, int row) { return image.Canvas().Pixel(column, row); }

  void Draw(const std::string& text, bool clear) {
    TokenList list;
    ASSERT_TRUE(kv::ParseExpression(text, list)) << text;
    graf.DrawGraph(image, std::move(list), 255, clear);
  }

  std::vector<TColor> Pixels() {
    std::vector<TColor> pixels;
    for (int c = 0; c < 337; ++c) {
      for (int r = 0; r < 337; ++r) pixels.push_back(At(c, r));
    }
    return pixels;
  }

  TImage image;
  kv::Tgraf graf;
};

}  // namespace

TEST_F(ColourMapTest, RowsRunUpwardsFromYMax) {
  EXPECT_EQ(graf.XMin, -8);
  EXPECT_EQ(graf.YMax, 8);
  Draw("x-y", true);
  struct Case {
    int column, row;
    TColor colour;
  } cases[] = {
      {0, 0, kBlue},         // x = -8, y = 8: z = -16
      {0, 20, kBlue},        // y = 7: z = -15 exactly
      {0, 40, 0xFF0011},     // y = 6: z = -14
      {160, 160, 0x880088},  // the origin: z = 0
      {161, 160, 0x770088},  // z = 0,05
      {160, 161, 0x770088},  // y = -0,05 below the origin
      {336, 0, 0x770088},    // x = 8,8, y = 8
      {0, 336, 0x770088},    // x = -8, y = -8,8
      {336, 336, kMagenta},  // z = 17,6
  };
  for (const Case& c : cases) {
    EXPECT_EQ(At(c.column, c.row), c.colour) << c.column << ", " << c.row;
  }
  // Moving the view up moves the map down, as on every other graph.
  graf.YMax += 1;
  graf.YMin += 1;
  Draw("x-y", true);
  EXPECT_EQ(At(160, 160), 0x880077);  // y = 1: z = -1
  EXPECT_EQ(At(160, 180), 0x880088);  // y = 0
}

TEST_F(ColourMapTest, ConstantsBeyondFifteenPaintTheWholeArea) {
  for (auto [text, colour] : {std::pair{"20", kMagenta}, std::pair{"-20", kBlue}}) {
    Draw(text, true);
    std::vector<TColor> pixels = Pixels();
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), colour), 337 * 337) << text;
  }
}

TEST_F(ColourMapTest, UndefinedPixelsKeepWhatWasPaintedBefore) {
  Draw("x+y", true);
  const std::vector<TColor> before = Pixels();
  // On the diagonal x = y, where column + row = 320, 1/(x-y) is undefined.
  Draw("1/(x-y)", false);
  int kept = 0;
  for (int c = 0; c < 337; ++c) {
    for (int r = 0; r < 337; ++r) {
      bool diagonal = c + r == 320;
      if (diagonal) {
        EXPECT_EQ(At(c, r), before[c * 337 + r]) << c << ", " << r;
      }
      kept += At(c, r) == before[c * 337 + r];
    }
  }
  EXPECT_LT(kept, 337 * 337 / 2);  // the rest was painted over
  EXPECT_EQ(At(0, 0), 0x880088);   // 1/(-16)

  // odm(2;x*y) is undefined where x * y < 0: the top left and the bottom right quarter.
  Draw("x+y", true);
  Draw("odm(2;x*y)", false);
  EXPECT_EQ(At(40, 40), kv::BandColour(0));                      // x = -6, y = 6: x + y = 0
  EXPECT_EQ(At(300, 300), kv::BandColour(0));                    // x = 7, y = -7
  EXPECT_EQ(At(300, 40), kv::BandColour(std::sqrt(7.0 * 6.0)));  // x = 7, y = 6
  EXPECT_EQ(At(40, 300), kv::BandColour(std::sqrt(6.0 * 7.0)));  // x = -6, y = -7
  // "vymaž": black again.
  graf.ClearArea(image);
  std::vector<TColor> pixels = Pixels();
  EXPECT_EQ(std::count(pixels.begin(), pixels.end(), kBlack), 337 * 337);
}

TEST_F(ColourMapTest, ClearingFirstLeavesUndefinedPixelsBlack) {
  Draw("x+y", true);
  Draw("odm(2;x*y)", true);
  EXPECT_EQ(At(40, 40), kBlack);
  EXPECT_EQ(At(300, 40), kv::BandColour(std::sqrt(42.0)));
}

TEST_F(ColourMapTest, PaintsNothingBeyondThePicture) {
  // The area's inclusive right and bottom ends lie one past the picture; a smaller picture than
  // the area is painted as far as it reaches, and keeps its size.
  Draw("20", true);
  EXPECT_EQ(At(336, 336), kMagenta);
  EXPECT_EQ(image.Canvas().Width(), 337);
  EXPECT_EQ(image.Canvas().Height(), 337);

  TImage small(nullptr);
  small.SetBounds(0, 0, 100, 60);
  TokenList list;
  ASSERT_TRUE(kv::ParseExpression("x*y", list));
  graf.DrawGraph(small, std::move(list), 255, true);
  EXPECT_EQ(small.Canvas().Width(), 100);
  EXPECT_EQ(small.Canvas().Height(), 60);
  EXPECT_EQ(small.Canvas().Pixel(99, 59), kv::BandColour(-3.05 * 5.05));
  EXPECT_EQ(small.Canvas().Pixel(0, 0), kBlue);  // x = -8, y = 8
}
