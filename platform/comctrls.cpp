#include "platform/comctrls.h"

#include <QPainter>
#include <QToolButton>
#include <algorithm>

#include "platform/imglist.h"

// ---- TToolBar -------------------------------------------------------------------------------

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner) {
  SetWidget(new ControlWidget(this));
  SetBounds(0, 0, 150, 29);
  SetAlign(TAlign::alTop);
}

void TToolBar::SetButtonWidth(int w) {
  buttonWidth_ = w;
  ArrangeButtons();
}

void TToolBar::SetButtonHeight(int h) {
  buttonHeight_ = h;
  ArrangeButtons();
}

void TToolBar::SetImages(TImageList* images) {
  images_ = images;
  for (TToolButton* b : buttons_) b->UpdateImage();
  ArrangeButtons();
}

void TToolBar::SetFlat(bool value) {
  flat_ = value;
  for (TToolButton* b : buttons_) b->UpdateImage();
}

void TToolBar::SetShowCaptions(bool value) {
  showCaptions_ = value;
  for (TToolButton* b : buttons_) b->UpdateImage();
}

void TToolBar::SetTransparent(bool value) {
  transparent_ = value;
  Invalidate();
}

void TToolBar::SetIndent(int value) {
  indent_ = value;
  ArrangeButtons();
}

void TToolBar::AddButton(TToolButton* b) {
  buttons_.push_back(b);
  ArrangeButtons();
}

void TToolBar::RemoveButton(TToolButton* b) {
  buttons_.erase(std::remove(buttons_.begin(), buttons_.end(), b), buttons_.end());
}

void TToolBar::ArrangeButtons() {
  if (arranging_) return;
  arranging_ = true;
  std::vector<TToolButton*> order = buttons_;
  std::stable_sort(order.begin(), order.end(),
                   [](TToolButton* a, TToolButton* b) { return a->Left() < b->Left(); });
  int x = indent_;
  for (TToolButton* b : order) {
    if (!b->Visible()) continue;
    int w = b->ButtonExtent();
    b->SetBounds(x, 2, w, buttonHeight_);
    x += w;
  }
  arranging_ = false;
}

void TToolBar::Loaded() {
  for (TToolButton* b : buttons_) b->UpdateImage();
  ArrangeButtons();
}

void TToolBar::PaintWidget(QPainter& p) {
  p.fillRect(QRect(0, 0, Width(), Height()), ToQColor(Color()));
  // The top edge of the class library's tool bar.
  p.setPen(QColor(128, 128, 128));
  p.drawLine(0, 0, Width(), 0);
  p.setPen(QColor(255, 255, 255));
  p.drawLine(0, 1, Width(), 1);
}

// ---- TToolButton ----------------------------------------------------------------------------

TToolButton::TToolButton(TComponent* owner) : TControl(owner) {
  button_ = new QToolButton();
  button_->setFocusPolicy(Qt::NoFocus);
  button_->setToolButtonStyle(Qt::ToolButtonIconOnly);
  SetWidget(button_);
  SetBounds(0, 0, 23, 22);
  QObject::connect(button_, &QToolButton::clicked, [this] {
    if (style_ == TToolButtonStyle::tbsCheck) SetDown(!down_);
    UserClick();
  });
}

TToolButton::~TToolButton() {
  if (toolBar_) toolBar_->RemoveButton(this);
}

void TToolButton::SetToolBar(TToolBar* bar) {
  if (toolBar_ == bar) return;
  if (toolBar_) toolBar_->RemoveButton(this);
  toolBar_ = bar;
  if (toolBar_) toolBar_->AddButton(this);
  UpdateImage();
}

int TToolButton::ButtonExtent() const {
  if (!toolBar_) return Width();
  if (style_ == TToolButtonStyle::tbsSeparator || style_ == TToolButtonStyle::tbsDivider) {
    return 8;
  }
  if (autoSize_ && toolBar_->Images()) return toolBar_->Images()->Width() + 8;
  return toolBar_->ButtonWidth();
}

void TToolButton::UpdateImage() {
  // The bar is known once the button has a parent.
  if (!toolBar_ && Parent()) {
    if (auto* bar = dynamic_cast<TToolBar*>(Parent())) {
      SetToolBar(bar);
      return;
    }
  }
  TImageList* images = toolBar_ ? toolBar_->Images() : nullptr;
  if (images) {
    button_->setIcon(images->Icon(imageIndex_));
    button_->setIconSize(QSize(images->Width(), images->Height()));
  } else {
    button_->setIcon(QIcon());
  }
  bool captions = toolBar_ && toolBar_->ShowCaptions();
  button_->setText(captions ? QString::fromStdString(Caption()) : QString());
  button_->setToolButtonStyle(captions ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
  button_->setAutoRaise(toolBar_ && toolBar_->Flat());
  button_->setCheckable(style_ == TToolButtonStyle::tbsCheck);
  button_->setChecked(down_);
}

void TToolButton::SetImageIndex(int index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  UpdateImage();
}

void TToolButton::SetStyle(TToolButtonStyle style) {
  style_ = style;
  UpdateImage();
  if (toolBar_) toolBar_->ArrangeButtons();
}

void TToolButton::SetDown(bool down) {
  down_ = down;
  button_->setCheckable(style_ == TToolButtonStyle::tbsCheck || down);
  button_->setChecked(down);
}

void TToolButton::SetAutoSize(bool value) {
  autoSize_ = value;
  if (toolBar_) toolBar_->ArrangeButtons();
}

void TToolButton::EnabledChanged() {
  TControl::EnabledChanged();
  button_->update();
}

void TToolButton::TextChanged() {
  UpdateImage();
}
