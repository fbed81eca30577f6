// The one-variable graph engine for the pages: parse an expression text (ParseExpression), then
// draw it into a picture box with a Tgraf (DrawGraph), which consumes the token list.
#pragma once

#include "engine/unit_graf_eval.h"
#include "engine/unit_graf_parse.h"
#include "engine/unit_graf_view.h"
#include "engine/unit_typy.h"
#include "platform/graphics.h"

class TImage;

// The graph view of one drawing area (see TgrafView), which plots functions of x over a grid.
class Tgraf : public TgrafView {
 public:
  using TgrafView::TgrafView;

  // The row of y counted from the top of the picture, rounded with halves to the even row.
  int YToRow(double y) const;

  // Paints the background, the grey grid lines one unit apart and the black axes.
  void DrawGrid(TImage& image) const;
  // Plots the list (consumed) in `colour`: one evaluation per pixel column from Left to Right,
  // joined by lines; undefined points, values more than 1000 units beyond the view and sign
  // changes of a denominator break the curve.
  void PlotFunction(TImage& image, TokenList list, TColor colour) const;
  // DrawGrid first when `clear`, then PlotFunction; the list is consumed.
  void DrawGraph(TImage& image, TokenList list, TColor colour, bool clear) const;
};
