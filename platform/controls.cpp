#include "platform/controls.h"

#include <QMouseEvent>
#include <QPainter>
#include <QVariant>
#include <algorithm>

namespace {
const char* const kControlProperty = "zalmiraControl";
}

// ---- TStrings -------------------------------------------------------------------------------

void TStrings::SetStrings(int i, std::string line) {
  if (lines_.at(i) == line) return;
  lines_.at(i) = std::move(line);
  Changed();
}

void TStrings::Add(std::string line) {
  lines_.push_back(std::move(line));
  Changed();
}

void TStrings::Insert(int i, std::string line) {
  lines_.insert(lines_.begin() + std::clamp(i, 0, Count()), std::move(line));
  Changed();
}

void TStrings::Delete(int i) {
  lines_.erase(lines_.begin() + i);
  Changed();
}

void TStrings::Clear() {
  if (lines_.empty()) return;
  lines_.clear();
  Changed();
}

void TStrings::Assign(const std::vector<std::string>& lines) {
  lines_ = lines;
  Changed();
}

std::string TStrings::Text() const {
  std::string out;
  for (const auto& l : lines_) {
    out += l;
    out += "\r\n";
  }
  return out;
}

void TStrings::SetText(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      lines.emplace_back(text.substr(start, i - start));
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  lines_ = std::move(lines);
  Changed();
}

int TStrings::IndexOf(std::string_view line) const {
  for (int i = 0; i < Count(); ++i) {
    if (lines_[i] == line) return i;
  }
  return -1;
}

// ---- TControl -------------------------------------------------------------------------------

Qt::CursorShape ToQtCursor(TCursor cursor) {
  switch (cursor) {
    case crHandPoint:
      return Qt::PointingHandCursor;
    case crIBeam:
      return Qt::IBeamCursor;
    case crCross:
      return Qt::CrossCursor;
    case crHourGlass:
      return Qt::WaitCursor;
    default:
      return Qt::ArrowCursor;
  }
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
  font_.OnChange = [this] {
    if (!inheriting_) parentFont_ = false;
    FontChanged();
  };
}

TControl::~TControl() {
  // Owned components first, while this control's widget still exists.
  DestroyComponents();
  if (parent_) parent_->RemoveControl(this);
  parent_ = nullptr;
  if (widget_) {
    widget_->setProperty(kControlProperty, QVariant());
    delete widget_.data();
  }
}

void TControl::SetWidget(QWidget* widget) {
  widget_ = widget;
  widget->setProperty(kControlProperty, QVariant::fromValue(static_cast<void*>(this)));
  ApplyGeometry();
  ApplyFontToWidget();
}

TControl* TControl::FromWidget(const QWidget* widget) {
  if (!widget) return nullptr;
  return static_cast<TControl*>(widget->property(kControlProperty).value<void*>());
}

void TControl::ApplyGeometry() {
  if (widget_ && widget_->parentWidget()) widget_->setGeometry(left_, top_, width_, height_);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  bool resized = width != width_ || height != height_;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  ApplyGeometry();
  BoundsChanged();
  if (parent_ && align_ != TAlign::alNone && resized) parent_->Realign();
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent_) parent_->RemoveControl(this);
  parent_ = parent;
  if (parent_) {
    parent_->InsertControl(this);
    if (widget_) {
      widget_->setParent(parent_->ClientWidget());
      ApplyGeometry();
      widget_->setVisible(visible_);
    }
    if (parentFont_) ParentFontChanged(parent_->Font());
    if (parentColor_) ParentColorChanged(parent_->Color());
    if (align_ != TAlign::alNone) parent_->Realign();
  } else if (widget_) {
    widget_->setParent(nullptr);
  }
  ParentChanged();
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  if (widget_ && (parent_ || widget_->parentWidget())) widget_->setVisible(visible);
  VisibleChanged();
  if (parent_ && align_ != TAlign::alNone) parent_->Realign();
}

bool TControl::Showing() const {
  if (!visible_) return false;
  if (parent_) return parent_->Showing();
  return widget_ && widget_->isVisible();
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  EnabledChanged();
}

void TControl::EnabledChanged() {
  if (widget_) widget_->setEnabled(enabled_);
}

void TControl::SetText(std::string_view text) {
  if (text == text_) return;
  text_ = std::string(text);
  TextChanged();
}

void TControl::SetColor(TColor color) {
  if (!inheriting_) parentColor_ = false;
  if (color == color_) return;
  color_ = color;
  ColorChanged();
}

void TControl::SetParentColor(bool value) {
  parentColor_ = value;
  if (value && parent_) ParentColorChanged(parent_->Color());
}

void TControl::SetParentFont(bool value) {
  parentFont_ = value;
  if (value && parent_) ParentFontChanged(parent_->Font());
}

void TControl::ParentFontChanged(const TFont& font) {
  if (!parentFont_) return;
  inheriting_ = true;
  font_.Assign(font);
  inheriting_ = false;
}

void TControl::ParentColorChanged(TColor color) {
  if (!parentColor_) return;
  inheriting_ = true;
  SetColor(color);
  inheriting_ = false;
}

void TControl::ApplyFontToWidget() {
  if (widget_) widget_->setFont(font_.ToQFont());
}

void TControl::FontChanged() {
  ApplyFontToWidget();
  AdjustSize();
  Invalidate();
}

void TControl::ColorChanged() {
  Invalidate();
}

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  if (parent_) parent_->Realign();
}

void TControl::SetCursor(TCursor cursor) {
  cursor_ = cursor;
  if (widget_) widget_->setCursor(ToQtCursor(cursor));
}

void TControl::SetDragMode(TDragMode mode) {
  dragMode_ = mode;
}

void TControl::SetHint(std::string hint) {
  hint_ = std::move(hint);
  if (widget_) widget_->setToolTip(showHint_ ? QString::fromStdString(hint_) : QString());
}

void TControl::SetShowHint(bool value) {
  showHint_ = value;
  SetHint(hint_);
}

void TControl::Click() {
  onClick_(this);
}

void TControl::UserClick() {
  Dispatch([this] { Click(); });
}

void TControl::BringToFront() {
  if (widget_) widget_->raise();
  if (parent_) {
    auto& list = parent_->controls_;
    auto it = std::find(list.begin(), list.end(), this);
    if (it != list.end()) std::rotate(it, it + 1, list.end());
  }
}

void TControl::SendToBack() {
  if (widget_) widget_->lower();
  if (parent_) {
    auto& list = parent_->controls_;
    auto it = std::find(list.begin(), list.end(), this);
    if (it != list.end()) std::rotate(list.begin(), it, it + 1);
  }
}

void TControl::Invalidate() {
  if (widget_) widget_->update();
}

void TControl::Repaint() {
  if (widget_) widget_->repaint();
}

void TControl::AdjustSize() {
  int w = width_, h = height_;
  if (AutoSizeExtent(w, h)) SetBounds(left_, top_, w, h);
}

void TControl::PaintWidget(QPainter&) {}

void TControl::WidgetMousePress(QMouseEvent* event) {
  pressed_ = false;
  if (!enabled_ || event->button() != Qt::LeftButton) return;
  // An automatic drag starts instead of a click: no focus, no caret, no click.
  if (dragMode_ == TDragMode::dmAutomatic) return;
  pressed_ = true;
}

void TControl::WidgetMouseRelease(QMouseEvent* event) {
  if (!pressed_ || event->button() != Qt::LeftButton) return;
  pressed_ = false;
  if (widget_ && widget_->rect().contains(event->position().toPoint())) UserClick();
}

// ---- TWinControl ----------------------------------------------------------------------------

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  DestroyComponents();
  // Children owned elsewhere lose their parent; their widgets go with this one.
  for (TControl* c : controls_) c->parent_ = nullptr;
  controls_.clear();
}

void TWinControl::InsertControl(TControl* c) {
  controls_.push_back(c);
}

void TWinControl::RemoveControl(TControl* c) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
}

void TWinControl::Realign() {
  QWidget* client = ClientWidget();
  if (!client) return;
  QRect r(0, 0, client->width(), client->height());
  auto place = [](TControl* c, const QRect& g) {
    c->SetBounds(g.x(), g.y(), g.width(), g.height());
  };
  for (TControl* c : controls_) {
    if (!c->Visible()) continue;
    switch (c->Align()) {
      case TAlign::alTop:
        place(c, QRect(r.x(), r.y(), r.width(), c->Height()));
        r.setTop(r.top() + c->Height());
        break;
      case TAlign::alBottom:
        place(c, QRect(r.x(), r.bottom() + 1 - c->Height(), r.width(), c->Height()));
        r.setBottom(r.bottom() - c->Height());
        break;
      case TAlign::alLeft:
        place(c, QRect(r.x(), r.y(), c->Width(), r.height()));
        r.setLeft(r.left() + c->Width());
        break;
      case TAlign::alRight:
        place(c, QRect(r.right() + 1 - c->Width(), r.y(), c->Width(), r.height()));
        r.setRight(r.right() - c->Width());
        break;
      default:
        break;
    }
  }
  for (TControl* c : controls_) {
    if (c->Visible() && c->Align() == TAlign::alClient) place(c, r);
  }
  remainder_ = r;
}

void TWinControl::FontChanged() {
  TControl::FontChanged();
  for (TControl* c : controls_) c->ParentFontChanged(Font());
}

void TWinControl::ColorChanged() {
  TControl::ColorChanged();
  for (TControl* c : controls_) c->ParentColorChanged(Color());
}

void TWinControl::ParentFontChanged(const TFont& font) {
  TControl::ParentFontChanged(font);
}
void TWinControl::ParentColorChanged(TColor color) {
  TControl::ParentColorChanged(color);
}

bool TWinControl::Focused() const {
  return Widget() && Widget()->hasFocus();
}

bool TWinControl::CanFocus() const {
  return Showing() && Enabled();
}

void TWinControl::SetFocus() {
  if (Widget()) Widget()->setFocus(Qt::OtherFocusReason);
}

// ---- ControlWidget --------------------------------------------------------------------------

ControlWidget::ControlWidget(TControl* control, QWidget* parent)
    : QWidget(parent), control_(control) {}

void ControlWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  control_->PaintWidget(p);
}

void ControlWidget::mousePressEvent(QMouseEvent* e) {
  control_->WidgetMousePress(e);
}
void ControlWidget::mouseReleaseEvent(QMouseEvent* e) {
  control_->WidgetMouseRelease(e);
}
void ControlWidget::resizeEvent(QResizeEvent*) {
  control_->WidgetResized();
}
