// The view of a drawing area that both graph engines share: the integer ranges of x and y that
// the area shows, square in units and derived from the width alone.
#pragma once

#include "platform/classes.h"

// A drawing area in pixels, in this order: Left, Right, Top, Bottom.
struct Toblast {
  int Left = 0, Right = 0, Top = 0, Bottom = 0;
};

// The fields and the view arithmetic of a graph object. Pages may pan by moving both ends of a
// range by the same amount; the object keeps no other state, so changes show at the next
// drawing.
class TgrafView : public TObject {
 public:
  // Create: the area is copied; `scale` (pixels per unit, > 0) gives Units = width div scale,
  // x from -(Units div 2) and y down from Units div 2, each over Units units.
  TgrafView(const Toblast& area, int scale);

  // Rescales (newScale > 0) keeping the top-left corner (XMin, YMax).
  void SetScale(int newScale);
  // The x of a pixel column.
  double ColumnToX(int column) const;

  int Left, Right, Top, Bottom;
  int XMin, XMax;
  int YMax, YMin;
  int WidthPx;
  int Units;
  int Scale;
  double UnitsPerPixel;
};
