#include "platform/extctrls.h"

#include <QPainter>
#include <algorithm>

// ---- TImage ---------------------------------------------------------------------------------

TImage::TImage(TComponent* owner) : TControl(owner) {
  SetWidget(new ControlWidget(this));
  Widget()->setAttribute(Qt::WA_OpaquePaintEvent, false);
  picture_.OnChange = [this] { PictureChanged(); };
  SetBounds(0, 0, 105, 105);
}

TCanvas& TImage::Canvas() {
  return picture_.Canvas(Width(), Height());
}

void TImage::PictureChanged() {
  AdjustSize();
  // A graph is hundreds of canvas operations; one repaint request covers them all.
  if (repaintPending_) return;
  repaintPending_ = true;
  Invalidate();
}

bool TImage::AutoSizeExtent(int& width, int& height) {
  if (!autoSize_ || picture_.Empty()) return false;
  width = picture_.Width();
  height = picture_.Height();
  return true;
}

void TImage::SetAutoSize(bool value) {
  autoSize_ = value;
  AdjustSize();
}

void TImage::SetCenter(bool value) {
  center_ = value;
  Invalidate();
}

void TImage::SetStretch(bool value) {
  stretch_ = value;
  Invalidate();
}

void TImage::SetProportional(bool value) {
  proportional_ = value;
  Invalidate();
}

void TImage::SetTransparent(bool value) {
  transparent_ = value;
  Invalidate();
}

void TImage::PaintWidget(QPainter& p) {
  repaintPending_ = false;
  if (picture_.Empty()) return;
  const QImage& img = picture_.Image();
  const int w = Width(), h = Height();
  QRect target(0, 0, img.width(), img.height());
  if (stretch_ || (proportional_ && (img.width() > w || img.height() > h))) {
    if (proportional_ && img.width() > 0 && img.height() > 0) {
      double k =
          std::min(static_cast<double>(w) / img.width(), static_cast<double>(h) / img.height());
      target.setSize(QSize(static_cast<int>(img.width() * k), static_cast<int>(img.height() * k)));
    } else {
      target.setSize(QSize(w, h));
    }
  }
  if (center_) target.moveTo((w - target.width()) / 2, (h - target.height()) / 2);
  if (target.size() == img.size()) {
    p.drawImage(target.topLeft(), img);
  } else {
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(target, img);
  }
}

// ---- TShape ---------------------------------------------------------------------------------

TShape::TShape(TComponent* owner) : TControl(owner) {
  SetWidget(new ControlWidget(this));
  SetBounds(0, 0, 65, 65);
}

void TShape::SetShape(TShapeType shape) {
  shape_ = shape;
  Invalidate();
}

void TShape::SetBrushStyle(TBrushStyle style) {
  brushStyle_ = style;
  Invalidate();
}

void TShape::SetPenStyle(TPenStyle style) {
  penStyle_ = style;
  Invalidate();
}

void TShape::PaintWidget(QPainter& p) {
  int w = Width(), h = Height();
  int pw = pen_.Width();
  if (shape_ == TShapeType::stSquare || shape_ == TShapeType::stRoundSquare ||
      shape_ == TShapeType::stCircle) {
    int s = std::min(w, h);
    w = h = s;
  }
  QRectF r(pw / 2.0, pw / 2.0, w - pw, h - pw);
  if (penStyle_ == TPenStyle::psClear) {
    p.setPen(Qt::NoPen);
    r = QRectF(0, 0, w, h);
  } else {
    QPen pen(ToQColor(pen_.Color()), pw);
    pen.setJoinStyle(Qt::MiterJoin);
    if (penStyle_ == TPenStyle::psDash) pen.setStyle(Qt::DashLine);
    if (penStyle_ == TPenStyle::psDot) pen.setStyle(Qt::DotLine);
    p.setPen(pen);
  }
  if (brushStyle_ == TBrushStyle::bsClear) {
    p.setBrush(Qt::NoBrush);
  } else {
    p.setBrush(ToQColor(brush_.Color()));
  }
  switch (shape_) {
    case TShapeType::stEllipse:
    case TShapeType::stCircle:
      p.setRenderHint(QPainter::Antialiasing);
      p.drawEllipse(r);
      break;
    case TShapeType::stRoundRect:
    case TShapeType::stRoundSquare:
      p.setRenderHint(QPainter::Antialiasing);
      p.drawRoundedRect(r, std::min(w, h) / 4.0, std::min(w, h) / 4.0);
      break;
    default:
      // A thin line (a frame bar) fills its box exactly.
      if (penStyle_ != TPenStyle::psClear && (w <= 2 * pw || h <= 2 * pw)) {
        p.fillRect(QRect(0, 0, w, h), ToQColor(pen_.Color()));
      } else {
        p.drawRect(r);
      }
      break;
  }
}

// ---- TPanel ---------------------------------------------------------------------------------

TPanel::TPanel(TComponent* owner) : TWinControl(owner) {
  SetWidget(new ControlWidget(this));
  SetParentColor(false);
  SetBounds(0, 0, 185, 41);
}

void TPanel::SetBevelOuter(TBevelCut cut) {
  bevelOuter_ = cut;
  Invalidate();
}

void TPanel::SetBevelInner(TBevelCut cut) {
  bevelInner_ = cut;
  Invalidate();
}

void TPanel::PaintWidget(QPainter& p) {
  QRect r(0, 0, Width(), Height());
  p.fillRect(r, ToQColor(Color()));
  auto bevel = [&](TBevelCut cut, QRect box) {
    if (cut == TBevelCut::bvNone) return;
    QColor light(255, 255, 255), dark(128, 128, 128);
    if (cut == TBevelCut::bvLowered) std::swap(light, dark);
    p.setPen(light);
    p.drawLine(box.topLeft(), box.topRight());
    p.drawLine(box.topLeft(), box.bottomLeft());
    p.setPen(dark);
    p.drawLine(box.bottomLeft(), box.bottomRight());
    p.drawLine(box.topRight(), box.bottomRight());
  };
  bevel(bevelOuter_, r.adjusted(0, 0, -1, -1));
  bevel(bevelInner_, r.adjusted(1, 1, -2, -2));
  if (!Caption().empty()) {
    p.setPen(ToQColor(Font().Color()));
    p.drawText(r, Qt::AlignCenter, QString::fromStdString(Caption()));
  }
}
