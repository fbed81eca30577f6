#include "engine/unit_graf_view.h"

#include <cstdlib>

TgrafView::TgrafView(const Toblast& area, int scale)
    : Left(area.Left),
      Right(area.Right),
      Top(area.Top),
      Bottom(area.Bottom),
      XMin(0),
      XMax(0),
      YMax(0),
      YMin(0),
      WidthPx(std::abs(area.Right - area.Left)),
      Units(WidthPx / scale),
      Scale(scale),
      UnitsPerPixel(1.0 / scale) {
  YMax = Units / 2;
  YMin = YMax - Units;
  XMin = -(Units / 2);
  XMax = XMin + Units;
}

void TgrafView::SetScale(int newScale) {
  Scale = newScale;
  UnitsPerPixel = 1.0 / newScale;
  Units = WidthPx / newScale;
  XMax = XMin + Units;
  YMin = YMax - Units;
}

double TgrafView::ColumnToX(int column) const {
  return (column - Left) * UnitsPerPixel + XMin;
}
