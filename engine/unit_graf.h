// The one-variable graph engine for the pages: parse an expression text (ParseExpression), then
// draw it into a picture box with a Tgraf (DrawGraph), which consumes the token list.
#pragma once

#include "engine/unit_graf_eval.h"
#include "engine/unit_graf_parse.h"
#include "engine/unit_typy.h"
#include "platform/classes.h"
#include "platform/graphics.h"

class TImage;

// A drawing area in pixels, in this order: Left, Right, Top, Bottom.
struct Toblast {
  int Left = 0, Right = 0, Top = 0, Bottom = 0;
};

// The graph view of one drawing area: the integer ranges of x and y it shows, square in units
// and derived from the width alone. Pages may pan by moving both ends of a range by the same
// amount; the object keeps no other state, so changes show at the next drawing.
class Tgraf : public TObject {
 public:
  // Create: the area is copied; `scale` (pixels per unit, > 0) gives Units = width div scale,
  // x from -(Units div 2) and y down from Units div 2, each over Units units.
  Tgraf(const Toblast& area, int scale);

  // Rescales (newScale > 0) keeping the top-left corner (XMin, YMax).
  void SetScale(int newScale);
  // The x of a pixel column.
  double ColumnToX(int column) const;
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

  int Left, Right, Top, Bottom;
  int XMin, XMax;
  int YMax, YMin;
  int WidthPx;
  int Units;
  int Scale;
  double UnitsPerPixel;
};
