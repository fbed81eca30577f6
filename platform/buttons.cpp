#include "platform/buttons.h"

#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include "platform/stdctrls.h"

// ---- TSpeedButton ---------------------------------------------------------------------------

TSpeedButton::TSpeedButton(TComponent* owner) : TControl(owner) {
  SetWidget(new ControlWidget(this));
  glyph_.OnChange = [this] { Invalidate(); };
  SetBounds(0, 0, 23, 22);
}

void TSpeedButton::SetNumGlyphs(int n) {
  numGlyphs_ = std::clamp(n, 1, 4);
  Invalidate();
}

void TSpeedButton::SetFlat(bool value) {
  flat_ = value;
  Invalidate();
}

void TSpeedButton::SetDown(bool value) {
  if (value == down_) return;
  down_ = value;
  // In a group only one button is down.
  if (down_ && groupIndex_ > 0 && Parent()) {
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
      auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
      if (other && other != this && other->groupIndex_ == groupIndex_) other->SetDown(false);
    }
  }
  Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout value) {
  layout_ = value;
  Invalidate();
}

void TSpeedButton::SetSpacing(int value) {
  spacing_ = value;
  Invalidate();
}

void TSpeedButton::SetMargin(int value) {
  margin_ = value;
  Invalidate();
}

void TSpeedButton::EnabledChanged() {
  TControl::EnabledChanged();
  Invalidate();
}

QImage TSpeedButton::GlyphOf(int state) const {
  if (glyph_.Empty()) return QImage();
  const QImage& all = glyph_.Image();
  int w = all.width() / numGlyphs_;
  int index = state < numGlyphs_ ? state : 0;
  QImage one = all.copy(index * w, 0, w, all.height());
  if (state == 1 && numGlyphs_ < 2) {
    // No disabled picture: grey the up picture as the class library does.
    one = one.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < one.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(one.scanLine(y));
      for (int x = 0; x < one.width(); ++x) {
        int g = qGray(line[x]);
        line[x] = qRgba(128 + g / 3, 128 + g / 3, 128 + g / 3, qAlpha(line[x]));
      }
    }
  }
  return one;
}

void TSpeedButton::PaintWidget(QPainter& p) {
  const int w = Width(), h = Height();
  const bool sunken = pressing_ || down_;
  QColor face = ToQColor(clBtnFace);
  if (!flat_ || sunken) p.fillRect(0, 0, w, h, face);
  if (!flat_ || sunken) {
    QColor light(255, 255, 255), dark(128, 128, 128), darker(64, 64, 64);
    if (sunken) std::swap(light, darker);
    p.setPen(light);
    p.drawLine(0, 0, w - 1, 0);
    p.drawLine(0, 0, 0, h - 1);
    p.setPen(darker);
    p.drawLine(0, h - 1, w - 1, h - 1);
    p.drawLine(w - 1, 0, w - 1, h - 1);
    if (!sunken) {
      p.setPen(dark);
      p.drawLine(1, h - 2, w - 2, h - 2);
      p.drawLine(w - 2, 1, w - 2, h - 2);
    }
  }
  int state = !Enabled() ? 1 : pressing_ ? 2 : down_ ? 3 : 0;
  QImage g = GlyphOf(state);
  QString caption = QString::fromStdString(Caption());
  QFont f = Font().ToQFont();
  QFontMetrics fm(f);
  int tw = caption.isEmpty() ? 0 : fm.horizontalAdvance(caption);
  int gw = g.isNull() ? 0 : g.width();
  int gap = (gw && tw) ? spacing_ : 0;
  int total = gw + gap + tw;
  int x = margin_ >= 0 ? margin_ : (w - total) / 2;
  int shift = sunken ? 1 : 0;
  if (!g.isNull()) p.drawImage(x + shift, (h - g.height()) / 2 + shift, g);
  if (!caption.isEmpty()) {
    p.setFont(f);
    p.setPen(Enabled() ? ToQColor(Font().Color()) : QColor(128, 128, 128));
    p.drawText(QRect(x + gw + gap + shift, shift, tw + 2, h), Qt::AlignLeft | Qt::AlignVCenter,
               caption);
  }
}

void TSpeedButton::WidgetMousePress(QMouseEvent* e) {
  TControl::WidgetMousePress(e);
  if (Enabled() && e->button() == Qt::LeftButton && DragMode() == TDragMode::dmManual) {
    pressing_ = true;
    Invalidate();
  }
}

void TSpeedButton::WidgetMouseRelease(QMouseEvent* e) {
  bool was = pressing_;
  pressing_ = false;
  Invalidate();
  if (was) TControl::WidgetMouseRelease(e);
}

void TSpeedButton::Click() {
  if (groupIndex_ > 0) SetDown(allowAllUp_ ? !down_ : true);
  TControl::Click();
}

// ---- TBitBtn --------------------------------------------------------------------------------

TBitBtn::TBitBtn(TComponent* owner) : TWinControl(owner) {
  button_ = new QPushButton();
  SetWidget(button_);
  SetTabStop(true);
  glyph_.OnChange = [this] { UpdateIcon(); };
  SetBounds(0, 0, 75, 25);
  QObject::connect(button_, &QPushButton::clicked, [this] { UserClick(); });
}

void TBitBtn::SetNumGlyphs(int n) {
  numGlyphs_ = std::clamp(n, 1, 4);
  UpdateIcon();
}

void TBitBtn::UpdateIcon() {
  if (glyph_.Empty()) {
    button_->setIcon(QIcon());
    return;
  }
  const QImage& all = glyph_.Image();
  int w = all.width() / numGlyphs_;
  QIcon icon(QPixmap::fromImage(all.copy(0, 0, w, all.height())));
  if (numGlyphs_ >= 2) {
    icon.addPixmap(QPixmap::fromImage(all.copy(w, 0, w, all.height())), QIcon::Disabled);
  }
  button_->setIcon(icon);
  button_->setIconSize(QSize(w, all.height()));
}

void TBitBtn::TextChanged() {
  button_->setText(QString::fromStdString(Caption()));
}

void TBitBtn::FontChanged() {
  TWinControl::FontChanged();
  QPalette pal = button_->palette();
  pal.setColor(QPalette::ButtonText, ToQColor(Font().Color()));
  button_->setPalette(pal);
}
