#include "engine/unit_graf_kvantovani.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

#include "engine/unit_graf_eval.h"
#include "engine/unit_graf_parse.h"
#include "platform/extctrls.h"

namespace unit_graf_kvantovani {

namespace {

constexpr TColor kBelow = 0xFF0000;  // blue
constexpr TColor kAbove = 0xFF00FF;  // magenta
constexpr double kEdge = 15;

}  // namespace

bool CheckSymbols(std::string_view text) {
  return ::CheckSymbols(text, Variables::XY);
}

bool ParseExpression(std::string_view text, TokenList& list) {
  return ::ParseExpression(text, list, Variables::XY);
}

double EvaluatePostfix(TokenList list, bool& Defined, double x, double y) {
  return CompiledExpression(std::move(list), Variables::XY).Evaluate(x, y, Defined);
}

TColor BandColour(double z) {
  if (z <= -kEdge) return kBelow;
  if (z > kEdge) return kAbove;
  int above = static_cast<int>(z);  // toward zero, so one less than ceil(z) where z is no whole
  above += above < z;
  const int i = above + 15;  // 1 to 30
  const int red = 0x11 * ((i + 1) / 2), blue = 0xFF - 0x11 * (i / 2);
  return red | blue << 16;
}

double Tgraf::RowToY(int row) const {
  // The column mapping of the column whose x is this row's y: where x = y, both come out of one
  // computation bit for bit (as with the column mapping for rows that run downwards), so that
  // x - y is 0 there and not a rounding error.
  return ColumnToX(Left + (YMax - XMin) * Scale - (row - Top));
}

void Tgraf::PlotColourMap(TImage& image, TokenList list, TColor /*colour*/) const {
  TCanvas& canvas = image.Canvas();
  // The area's right and bottom ends count, and lie one past a picture of the area's size:
  // what lies outside the picture is neither evaluated nor painted.
  const int firstColumn = std::max(Left, 0), lastColumn = std::min(Right, canvas.Width() - 1);
  const int firstRow = std::max(Top, 0), lastRow = std::min(Bottom, canvas.Height() - 1);
  CompiledExpression expression(std::move(list), Variables::XY);
  if (firstColumn > lastColumn || firstRow > lastRow) return;
  std::vector<double> xs, ys;
  for (int column = firstColumn; column <= lastColumn; ++column) xs.push_back(ColumnToX(column));
  for (int row = firstRow; row <= lastRow; ++row) ys.push_back(RowToY(row));
  // Column by column, each from the top down.
  expression.EvaluateGrid(xs, ys, [&](std::size_t c, std::span<const double> z) {
    const int column = firstColumn + static_cast<int>(c);
    for (std::size_t r = 0; r < z.size(); ++r) {
      if (!std::isnan(z[r]))
        canvas.SetPixel(column, firstRow + static_cast<int>(r), BandColour(z[r]));
    }
  });
}

void Tgraf::ClearArea(TImage& image) const {
  TCanvas& canvas = image.Canvas();
  canvas.Brush().SetColor(clBlack);
  canvas.FillRect(TRect{Left, Top, Right, Bottom});
}

void Tgraf::DrawGraph(TImage& image, TokenList list, TColor colour, bool clear) const {
  if (clear) ClearArea(image);
  PlotColourMap(image, std::move(list), colour);
}

}  // namespace unit_graf_kvantovani
