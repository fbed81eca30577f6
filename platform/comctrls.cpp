#include "platform/comctrls.h"

#include <QPainter>
#include <QTextCursor>
#include <QTextEdit>
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

// ---- TRichEdit ------------------------------------------------------------------------------

TRichEdit::TRichEdit(TComponent* owner) : TWinControl(owner) {
  edit_ = new QTextEdit();
  edit_->setReadOnly(true);
  edit_->setAcceptRichText(false);
  edit_->setUndoRedoEnabled(false);
  edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  edit_->document()->setDocumentMargin(1);
  SetWidget(edit_);
  ForwardMouseEvents(edit_->viewport(), this);
  lines_.OnChange = [this] { LinesChanged(); };
  SetParentColor(false);
  SetColor(clWindow);
  SetBounds(0, 0, 185, 89);
}

void TRichEdit::LinesChanged() {
  if (syncing_) return;
  std::string text;
  for (int i = 0; i < lines_.Count(); ++i) {
    if (i) text += "\r\n";
    text += lines_[i];
  }
  syncing_ = true;
  SetText(text);
  syncing_ = false;
}

void TRichEdit::TextChanged() {
  if (!syncing_) {
    syncing_ = true;
    lines_.SetText(Text());
    syncing_ = false;
  }
  QString shown = QString::fromStdString(Text());
  shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  edit_->setPlainText(shown);
  ApplyBoxFont();
}

void TRichEdit::ApplyBoxFont() {
  // The box's font applies to all of its text, as a font change of the class library's
  // rich edit does.
  QTextCursor c(edit_->document());
  c.select(QTextCursor::Document);
  QTextCharFormat f;
  f.setFont(Font().ToQFont());
  f.setForeground(ToQColor(Font().Color()));
  c.setCharFormat(f);
}

void TRichEdit::FontChanged() {
  TWinControl::FontChanged();
  ApplyBoxFont();
}

void TRichEdit::ColorChanged() {
  TWinControl::ColorChanged();
  QPalette pal = edit_->palette();
  pal.setColor(QPalette::Base, ToQColor(Color()));
  edit_->setPalette(pal);
}

void TRichEdit::SetBorderStyle(TBorderStyle style) {
  borderStyle_ = style;
  edit_->setFrameShape(style == TBorderStyle::bsNone ? QFrame::NoFrame : QFrame::StyledPanel);
}

void TRichEdit::SetWordWrap(bool value) {
  wordWrap_ = value;
  edit_->setLineWrapMode(value ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
}

void TRichEdit::SetSelStart(int start) {
  selStart_ = std::max(start, 0);
  selLength_ = 0;
}

void TRichEdit::SetSelLength(int length) {
  selLength_ = std::max(length, 0);
}

int TRichEdit::DocumentPosition(int position) const {
  // Each line ends in CR LF (two characters here, one paragraph separator in the document).
  int doc = 0;
  for (int i = 0; i < lines_.Count(); ++i) {
    int len = static_cast<int>(QString::fromStdString(lines_[i]).size());
    if (position <= len) return doc + position;
    position -= len;
    if (position <= 2) return doc + len + (position == 2 ? 1 : 0);
    position -= 2;
    doc += len + 1;
  }
  return std::max(0, edit_->document()->characterCount() - 1);
}

namespace {

void MergeSelection(TRichEdit& box, const QTextCharFormat& f) {
  QTextCursor c(box.TextEdit()->document());
  c.setPosition(box.DocumentPosition(box.SelStart()));
  c.setPosition(box.DocumentPosition(box.SelStart() + box.SelLength()), QTextCursor::KeepAnchor);
  c.mergeCharFormat(f);
}

QTextCharFormat SelectionFormat(TRichEdit& box) {
  QTextCursor c(box.TextEdit()->document());
  c.setPosition(box.DocumentPosition(box.SelStart()) + 1);
  return c.charFormat();
}

}  // namespace

void TTextAttributes::SetStyle(TFontStyles style) {
  QTextCharFormat f;
  f.setFontWeight((style & fsBold) ? QFont::Bold : QFont::Normal);
  f.setFontItalic(style & fsItalic);
  f.setFontUnderline(style & fsUnderline);
  f.setFontStrikeOut(style & fsStrikeOut);
  MergeSelection(box_, f);
}

void TTextAttributes::SetName(const std::string& name) {
  QTextCharFormat f;
  f.setFontFamilies({MapFontFamily(name)});
  if (name == "ZapfEllipt BT") f.setFontItalic(true);
  MergeSelection(box_, f);
}

void TTextAttributes::SetSize(int points) {
  QTextCharFormat f;
  TFont font;
  font.SetSize(points);
  QFont q;
  q.setPixelSize(-font.Height());
  f.setFont(q, QTextCharFormat::FontPropertiesSpecifiedOnly);
  MergeSelection(box_, f);
}

void TTextAttributes::SetColor(TColor color) {
  QTextCharFormat f;
  f.setForeground(ToQColor(color));
  MergeSelection(box_, f);
}

TFontStyles TTextAttributes::Style() const {
  QTextCharFormat f = SelectionFormat(box_);
  return (f.fontWeight() >= QFont::Bold ? fsBold : 0) | (f.fontItalic() ? fsItalic : 0) |
         (f.fontUnderline() ? fsUnderline : 0) | (f.fontStrikeOut() ? fsStrikeOut : 0);
}

std::string TTextAttributes::Name() const {
  QStringList families = SelectionFormat(box_).fontFamilies().toStringList();
  return families.isEmpty() ? std::string() : families.front().toStdString();
}

int TTextAttributes::Size() const {
  TFont font;
  font.SetHeight(-SelectionFormat(box_).font().pixelSize());
  return font.Size();
}
