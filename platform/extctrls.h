// Pictures, shapes and panels.
#pragma once

#include "platform/controls.h"
#include "platform/graphics.h"

// A picture box. A picture smaller than the box paints nothing outside itself, so the controls
// below show through there.
class TImage : public TControl {
 public:
  explicit TImage(TComponent* owner);
  std::string_view ClassName() const override { return "TImage"; }

  TPicture& Picture() { return picture_; }
  const TPicture& Picture() const { return picture_; }
  // The canvas of the picture; an empty picture first becomes a white bitmap of the box's size.
  TCanvas& Canvas();

  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  bool Center() const { return center_; }
  void SetCenter(bool value);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value);
  bool Proportional() const { return proportional_; }
  void SetProportional(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);

  void PaintWidget(QPainter& painter) override;

 protected:
  bool AutoSizeExtent(int& width, int& height) override;

 private:
  void PictureChanged();
  TPicture picture_;
  bool repaintPending_ = false;  // drawing asks for one repaint until the next paint
  bool autoSize_ = false, center_ = false, stretch_ = false, proportional_ = false,
       transparent_ = false;
};

enum class TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
enum class TBrushStyle { bsSolid, bsClear };
enum class TPenStyle { psSolid, psDash, psDot, psClear };

// A drawn shape; the frame lines of the pages.
class TShape : public TControl {
 public:
  explicit TShape(TComponent* owner);
  std::string_view ClassName() const override { return "TShape"; }

  TShapeType Shape() const { return shape_; }
  void SetShape(TShapeType shape);
  TPen& Pen() { return pen_; }
  TBrush& Brush() { return brush_; }
  TBrushStyle BrushStyle() const { return brushStyle_; }
  void SetBrushStyle(TBrushStyle style);
  TPenStyle PenStyle() const { return penStyle_; }
  void SetPenStyle(TPenStyle style);

  void PaintWidget(QPainter& painter) override;

 private:
  TShapeType shape_ = TShapeType::stRectangle;
  TPen pen_;
  TBrush brush_;
  TBrushStyle brushStyle_ = TBrushStyle::bsSolid;
  TPenStyle penStyle_ = TPenStyle::psSolid;
};

enum class TBevelCut { bvNone, bvLowered, bvRaised };

// A plain container with an optional bevel and caption.
class TPanel : public TWinControl {
 public:
  explicit TPanel(TComponent* owner);
  std::string_view ClassName() const override { return "TPanel"; }

  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut cut);
  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut cut);

  void PaintWidget(QPainter& painter) override;

 private:
  TBevelCut bevelOuter_ = TBevelCut::bvRaised;
  TBevelCut bevelInner_ = TBevelCut::bvNone;
};
