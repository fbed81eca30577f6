#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/unit_graf.h"
#include "platform/extctrls.h"

namespace {

constexpr TColor kBackground = 0xE5E5E7, kGrey = 0xB0B0B0, kBlack = 0x000000, kRed = 255,
                 kBlue = 0xFF0000;

// A 337 x 337 picture box, as on the pages, and its view at scale 20 (-8 to 8).
class GrafTest : public ::testing::Test {
 protected:
  GrafTest() : image(nullptr), graf(Toblast{0, 337, 0, 337}, 20) {
    image.SetBounds(0, 0, 337, 337);
  }

  TColor At(int column, int row) { return image.Canvas().Pixel(column, row); }

  void Draw(const std::string& text, TColor colour, bool clear = true) {
    TokenList list;
    ASSERT_TRUE(ParseExpression(text, list)) << text;
    graf.DrawGraph(image, std::move(list), colour, clear);
  }

  // How many pixels of `colour` lie in the columns and rows given (both ends included).
  int Count(TColor colour, int column0, int column1, int row0 = 0, int row1 = 336) {
    int n = 0;
    for (int c = column0; c <= column1; ++c) {
      for (int r = row0; r <= row1; ++r) n += At(c, r) == colour;
    }
    return n;
  }

  // The colours along row 10 and column 10, which cross no grid line.
  std::vector<TColor> Row10() {
    std::vector<TColor> colours;
    for (int c = 0; c < 337; ++c) colours.push_back(At(c, 10));
    return colours;
  }
  std::vector<TColor> Column10() {
    std::vector<TColor> colours;
    for (int r = 0; r < 337; ++r) colours.push_back(At(10, r));
    return colours;
  }

  TImage image;
  Tgraf graf;
};

// Grey every `step` pixels from 0 to `last`, black at `axis` (-1: none), background elsewhere.
std::vector<TColor> Lines(int step, int last, int axis) {
  std::vector<TColor> colours(337, kBackground);
  for (int p = 0; p <= last; p += step) colours[p] = kGrey;
  if (axis >= 0) colours[axis] = kBlack;
  return colours;
}

}  // namespace

TEST(Tgraf, CreateDerivesSquareRangesFromTheWidth) {
  struct Case {
    int scale, units, low, high;
  } cases[] = {{20, 16, -8, 8}, {18, 18, -9, 9}, {15, 22, -11, 11}};
  for (const Case& c : cases) {
    Tgraf g(Toblast{0, 337, 0, 250}, c.scale);
    EXPECT_EQ(g.WidthPx, 337);
    EXPECT_EQ(g.Units, c.units) << c.scale;
    EXPECT_EQ(g.XMin, c.low) << c.scale;
    EXPECT_EQ(g.XMax, c.high) << c.scale;
    EXPECT_EQ(g.YMin, c.low) << c.scale;
    EXPECT_EQ(g.YMax, c.high) << c.scale;
    EXPECT_DOUBLE_EQ(g.UnitsPerPixel, 1.0 / c.scale);
  }
  Tgraf odd(Toblast{0, 170, 0, 170}, 10);  // 17 units: the odd unit goes to the right and down
  EXPECT_EQ(odd.XMin, -8);
  EXPECT_EQ(odd.XMax, 9);
  EXPECT_EQ(odd.YMax, 8);
  EXPECT_EQ(odd.YMin, -9);
}

TEST_F(GrafTest, MapsColumnsAndRows) {
  EXPECT_EQ(graf.ColumnToX(0), -8);
  EXPECT_EQ(graf.ColumnToX(160), 0);
  EXPECT_DOUBLE_EQ(graf.ColumnToX(337), 8.85);
  EXPECT_EQ(graf.YToRow(8), 0);
  EXPECT_EQ(graf.YToRow(0), 160);
  EXPECT_EQ(graf.YToRow(-8), 320);
  EXPECT_EQ(graf.YToRow(0.025), 160);  // 159,5: halves go to the even row
  EXPECT_EQ(graf.YToRow(0.075), 158);  // 158,5
  EXPECT_EQ(graf.YToRow(1008), -20000);
}

TEST_F(GrafTest, SetScaleKeepsTheTopLeftCorner) {
  graf.SetScale(40);
  EXPECT_EQ(graf.Units, 8);
  EXPECT_EQ(graf.XMin, -8);
  EXPECT_EQ(graf.XMax, 0);
  EXPECT_EQ(graf.YMax, 8);
  EXPECT_EQ(graf.YMin, 0);
  graf.DrawGrid(image);
  EXPECT_EQ(Row10(), Lines(40, 320, 320));  // the y axis at x = 0, the right end
  EXPECT_EQ(Column10(), Lines(40, 320, 320));
}

TEST_F(GrafTest, GridLinesAndAxes) {
  graf.DrawGrid(image);
  EXPECT_EQ(Row10(), Lines(20, 320, 160));
  EXPECT_EQ(Column10(), Lines(20, 320, 160));
  EXPECT_EQ(At(20, 40), kGrey);
  EXPECT_EQ(At(160, 40), kBlack);  // the y axis over the horizontals
  EXPECT_EQ(At(40, 160), kBlack);  // the x axis over the verticals
}

TEST_F(GrafTest, PannedViewsMoveOrDropTheAxes) {
  struct Case {
    int xMin, yMax, axisColumn, axisRow;  // -1: no axis
  } cases[] = {
      {-7, 8, 140, 160},  // one unit to the right
      {1, 8, -1, 160},    // x from 1: no y axis
      {-8, 17, 160, -1},  // y from 1: no x axis
      {-16, 0, 320, 0},   // 0 at the right and top edges
  };
  for (const Case& c : cases) {
    graf.XMin = c.xMin;
    graf.XMax = c.xMin + graf.Units;
    graf.YMax = c.yMax;
    graf.YMin = c.yMax - graf.Units;
    graf.DrawGrid(image);
    EXPECT_EQ(Row10(), Lines(20, 320, c.axisColumn)) << c.xMin << " " << c.yMax;
    EXPECT_EQ(Column10(), Lines(20, 320, c.axisRow)) << c.xMin << " " << c.yMax;
  }
}

TEST_F(GrafTest, PlotsOnePointPerColumnJoinedByLines) {
  Draw("x", kRed);
  // y = x runs from the bottom-left to the top-right corner of the grid through (160, 160).
  for (int column : {1, 80, 159, 161, 300}) {
    EXPECT_EQ(At(column, 320 - column), kRed) << column;
  }
  EXPECT_EQ(Count(kRed, 0, 336), 321);  // one pixel per column up to the top edge
}

TEST_F(GrafTest, BreaksAtAsymptotesAndUndefinedPoints) {
  // Poles of tg at columns 191,4 and 128,6: a joining line would cross the middle rows there.
  Draw("tg(x)", kRed);
  EXPECT_EQ(Count(kRed, 189, 194, 60, 276), 0);
  EXPECT_EQ(Count(kRed, 126, 131, 60, 276), 0);
  EXPECT_EQ(At(160, 160), kRed);  // the middle branch is drawn
  EXPECT_GT(Count(kRed, 196, 250), 0);

  Draw("1/x", kRed);
  EXPECT_EQ(Count(kRed, 159, 161, 0, 150), 0);
  EXPECT_EQ(Count(kRed, 159, 161, 170, 336), 0);
  // A pole that no column samples: x = 0,025 lies between columns 160 and 161, where y is -40
  // and 40, both near enough to be joined. Only the sign change of the denominator breaks the
  // curve there; a joining line would cross every row.
  Draw("1/(x-0,025)", kRed);
  EXPECT_EQ(Count(kRed, 159, 162, 10, 310), 0);
  EXPECT_GT(Count(kRed, 0, 158), 0);
  EXPECT_GT(Count(kRed, 163, 336), 0);

  Draw("odm(2;x)", kRed);
  EXPECT_EQ(Count(kRed, 0, 159), 0);
  EXPECT_GT(Count(kRed, 161, 336), 0);
}

TEST_F(GrafTest, JoinsValuesUpTo1000UnitsBeyondTheView) {
  // At column 161 (x = 0,05) y is the factor times 0,05; YMax + 1000 = 1008.
  struct Case {
    const char* text;
    bool joined;
  } cases[] = {{"x*2000", true}, {"x*20100", true}, {"x*20200", false}};
  for (const Case& c : cases) {
    Draw(c.text, kRed);
    EXPECT_EQ(Count(kRed, 160, 161, 0, 150) > 0, c.joined) << c.text;
  }
}

TEST_F(GrafTest, DrawsOverAPictureOrAFreshGrid) {
  Draw("x", kRed);
  Draw("0*x+1,5", kBlue, false);
  EXPECT_EQ(At(101, 219), kRed);
  EXPECT_EQ(At(101, 130), kBlue);
  Draw("0*x+1,5", kBlue, true);
  EXPECT_EQ(At(101, 219), kBackground);
  EXPECT_EQ(At(101, 130), kBlue);
}
