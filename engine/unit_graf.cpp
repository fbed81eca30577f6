#include "engine/unit_graf.h"

#include <climits>
#include <cmath>
#include <span>
#include <vector>

#include "platform/extctrls.h"
#include "platform/sysutils.h"

namespace {

constexpr TColor kBackground = 0xE5E5E7;
constexpr TColor kGridLine = 0xB0B0B0;
constexpr TColor kAxis = 0x000000;

// Values this far beyond the view break the curve; nearer ones are joined, so that a steep
// curve still enters the picture.
constexpr int kFarBeyond = 1000;

}  // namespace

int Tgraf::YToRow(double y) const {
  double row = RoundHalfEven((YMax - y) * Scale);
  // Beyond the int range a row means nothing; keep the conversion defined.
  if (!(row > INT_MIN)) return INT_MIN;
  if (!(row < INT_MAX)) return INT_MAX;
  return static_cast<int>(row);
}

void Tgraf::DrawGrid(TImage& image) const {
  TCanvas& canvas = image.Canvas();
  canvas.Brush().SetColor(kBackground);
  canvas.FillRect(TRect{Left, Top, Right, Bottom});
  const int step = static_cast<int>(RoundHalfEven(1 / UnitsPerPixel));

  // Grey verticals first, then the horizontals with the x axis, then the y axis on top.
  int axisColumn = Left;
  canvas.Pen().SetColor(kGridLine);
  for (int k = XMin; k <= XMax; ++k) {
    int column = Left + (k - XMin) * step;
    if (k == 0) axisColumn = column;
    canvas.MoveTo(column, Top);
    canvas.LineTo(column, Bottom);
  }
  for (int k = YMax; k >= YMin; --k) {
    int row = Top + (YMax - k) * step;
    canvas.Pen().SetColor(k == 0 ? kAxis : kGridLine);
    canvas.MoveTo(Left, row);
    canvas.LineTo(Right, row);
  }
  if (XMin <= 0 && XMax >= 0) {
    canvas.Pen().SetColor(kAxis);
    canvas.MoveTo(axisColumn, Top);
    canvas.LineTo(axisColumn, Bottom);
  }
}

void Tgraf::PlotFunction(TImage& image, TokenList list, TColor colour) const {
  TCanvas& canvas = image.Canvas();
  canvas.Pen().SetColor(colour);
  // The tokens are resolved once for the whole plot; still one evaluation per column.
  std::vector<double> xs;
  for (int column = Left; column <= Right; ++column) xs.push_back(ColumnToX(column));
  CompiledExpression expression(std::move(list));
  std::span<const PlotSample> samples = expression.EvaluatePlot(xs);
  bool penDown = false;
  for (int column = Left; column <= Right; ++column) {
    const PlotSample& s = samples[column - Left];
    // A defined sample ends FirstSample even when it proves too far away (EvaluatePlot).
    if (!s.defined || s.y > YMax + kFarBeyond || s.y < YMin - kFarBeyond) {
      penDown = false;
      continue;
    }
    int row = YToRow(s.y);
    if (penDown && !s.jump) {
      canvas.LineTo(column, row);
    } else {
      canvas.MoveTo(column, row);  // a new stroke
      canvas.LineTo(column, row);
    }
    penDown = true;
  }
}

void Tgraf::DrawGraph(TImage& image, TokenList list, TColor colour, bool clear) const {
  if (clear) DrawGrid(image);
  PlotFunction(image, std::move(list), colour);
}
