#include "platform/comctrls.h"

#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>
#include <algorithm>

#include <QKeyEvent>
#include <QMouseEvent>

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
  // Lines added at the end leave the formatting of the text before them as it is, as in the
  // class library's rich edit (unless the addition splits a CR LF pair).
  const std::string& before = Text();
  if (!before.empty() && text.size() > before.size() && text.starts_with(before) &&
      !(before.back() == '\r' && text[before.size()] == '\n')) {
    QString shownBefore = QString::fromStdString(before);
    shownBefore.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    appendFrom_ = static_cast<int>(shownBefore.size());
  }
  syncing_ = true;
  SetText(text);
  syncing_ = false;
  appendFrom_ = -1;
}

namespace {

QTextCharFormat BoxCharFormat(const TFont& font) {
  QTextCharFormat f;
  f.setFont(font.ToQFont());
  f.setForeground(ToQColor(font.Color()));
  return f;
}

}  // namespace

void TRichEdit::TextChanged() {
  if (!syncing_) {
    syncing_ = true;
    lines_.SetText(Text());
    syncing_ = false;
  }
  QString shown = QString::fromStdString(Text());
  shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  if (appendFrom_ >= 0) {
    QTextCursor c(edit_->document());
    c.movePosition(QTextCursor::End);
    c.insertText(shown.mid(appendFrom_), BoxCharFormat(Font()));
    return;
  }
  edit_->setPlainText(shown);
  ApplyBoxFont();
}

void TRichEdit::ApplyBoxFont() {
  // The box's font applies to all of its text, as a font change of the class library's
  // rich edit does.
  QTextCursor c(edit_->document());
  c.select(QTextCursor::Document);
  c.setCharFormat(BoxCharFormat(Font()));
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
    // The last line has no break in the document: its break maps to the end.
    if (position <= 2) return doc + len + (position == 2 && i + 1 < lines_.Count() ? 1 : 0);
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
  if (!TFont::NamesSymbol(name)) return;
  // The Symbol font draws its letters as Greek ones (p is π): the selection shows them so, one
  // character for one, so that positions and the box's Lines stay as they are.
  QTextDocument* doc = box_.TextEdit()->document();
  const int from = box_.DocumentPosition(box_.SelStart());
  const int to = box_.DocumentPosition(box_.SelStart() + box_.SelLength());
  for (int at = from; at < to; ++at) {
    QTextCursor c(doc);
    c.setPosition(at);
    c.setPosition(at + 1, QTextCursor::KeepAnchor);
    const QString shown = SymbolToUnicode(c.selectedText());
    if (shown != c.selectedText()) c.insertText(shown, c.charFormat());
  }
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

// ---- TTabSheet ------------------------------------------------------------------------------

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
  SetWidget(new ControlWidget(this));
  SetBounds(0, 0, 200, 150);
}

int TTabSheet::PageIndex() const {
  if (!pageControl_) return -1;
  for (int i = 0; i < pageControl_->PageCount(); ++i) {
    if (pageControl_->Pages(i) == this) return i;
  }
  return -1;
}

void TTabSheet::SetImageIndex(int index) {
  imageIndex_ = index;
  if (pageControl_) pageControl_->Invalidate();
}

void TTabSheet::SetTabVisible(bool value) {
  tabVisible_ = value;
  if (pageControl_) pageControl_->Invalidate();
}

void TTabSheet::TextChanged() {
  if (pageControl_) pageControl_->Invalidate();
}

void TTabSheet::ParentChanged() {
  if (pageControl_) pageControl_->RemovePage(this);
  pageControl_ = dynamic_cast<TPageControl*>(Parent());
  if (pageControl_) pageControl_->AddPage(this);
}

void TTabSheet::PaintWidget(QPainter& p) {
  p.fillRect(QRect(0, 0, Width(), Height()), ToQColor(Color()));
}

// ---- TPageControl ---------------------------------------------------------------------------

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner) {
  SetWidget(new ControlWidget(this));
  Widget()->setFocusPolicy(Qt::StrongFocus);
  SetTabStop(true);
  SetBounds(0, 0, 289, 193);
  // Keys pick tabs as the user's choice.
  struct Keys : QObject {
    Keys(TPageControl* pc, QObject* parent) : QObject(parent), pc_(pc) {}
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() != QEvent::KeyPress) return false;
      auto* k = static_cast<QKeyEvent*>(e);
      int n = pc_->PageCount();
      if (n == 0) return false;
      int i = pc_->ActivePageIndex();
      if (k->key() == Qt::Key_Right ||
          (k->key() == Qt::Key_Tab && k->modifiers() & Qt::ControlModifier)) {
        pc_->SelectTabByUser((i + 1) % n);
        return true;
      }
      if (k->key() == Qt::Key_Left || k->key() == Qt::Key_Backtab) {
        pc_->SelectTabByUser((i + n - 1) % n);
        return true;
      }
      return false;
    }
    TPageControl* pc_;
  };
  Widget()->installEventFilter(new Keys(this, Widget()));
}

void TPageControl::AddPage(TTabSheet* sheet) {
  pages_.push_back(sheet);
  if (active_ < 0) active_ = 0;
  LayoutPages();
}

void TPageControl::RemovePage(TTabSheet* sheet) {
  pages_.erase(std::remove(pages_.begin(), pages_.end(), sheet), pages_.end());
  if (active_ >= PageCount()) active_ = PageCount() - 1;
}

TTabSheet* TPageControl::ActivePage() const {
  return active_ >= 0 && active_ < PageCount() ? pages_[active_] : nullptr;
}

void TPageControl::SetActivePageIndex(int index) {
  if (PageCount() == 0) return;
  // Beyond the last tab (a remembered index shared with a page of more tabs): the first tab.
  if (index < 0 || index >= PageCount()) index = 0;
  active_ = index;
  LayoutPages();
  Invalidate();
}

void TPageControl::SelectTabByUser(int index) {
  if (index < 0 || index >= PageCount() || index == active_) return;
  SetActivePageIndex(index);
  DispatchEvent(onChange_, this);
}

void TPageControl::SetStyle(TTabStyle style) {
  style_ = style;
  LayoutPages();
  Invalidate();
}

void TPageControl::SetImages(TImageList* images) {
  images_ = images;
  LayoutPages();
  Invalidate();
}

void TPageControl::FontChanged() {
  TWinControl::FontChanged();
  LayoutPages();
}

int TPageControl::TabRowHeight() const {
  int h = QFontMetrics(Font().ToQFont()).height() + 6;
  if (images_) h = std::max(h, images_->Height() + 6);
  return h;
}

QRect TPageControl::TabRect(int index) const {
  QFontMetrics fm(Font().ToQFont());
  int x = 2;
  for (int i = 0; i < PageCount(); ++i) {
    const TTabSheet* s = pages_[i];
    int w = 12 + fm.horizontalAdvance(QString::fromStdString(s->Caption()));
    if (images_ && s->ImageIndex() >= 0) w += images_->Width() + 4;
    if (style_ != TTabStyle::tsTabs) w += 4;
    QRect r(x, 2, w, TabRowHeight() - 2);
    if (i == index) return r;
    if (s->TabVisible()) x += w + (style_ == TTabStyle::tsTabs ? 0 : 3);
  }
  return QRect();
}

int TPageControl::TabAt(QPoint point) const {
  for (int i = 0; i < PageCount(); ++i) {
    if (pages_[i]->TabVisible() && TabRect(i).contains(point)) return i;
  }
  return -1;
}

void TPageControl::LayoutPages() {
  const int top = TabRowHeight() + (style_ == TTabStyle::tsTabs ? 2 : 3);
  const int inset = style_ == TTabStyle::tsTabs ? 4 : 0;
  for (int i = 0; i < PageCount(); ++i) {
    TTabSheet* s = pages_[i];
    s->SetBounds(inset, top, std::max(0, Width() - 2 * inset), std::max(0, Height() - top - inset));
    s->SetVisible(i == active_);
  }
}

void TPageControl::Loaded() {
  if (active_ < 0 && PageCount() > 0) active_ = 0;
  LayoutPages();
}

void TPageControl::WidgetResized() {
  TWinControl::WidgetResized();
  LayoutPages();
}

void TPageControl::WidgetMousePress(QMouseEvent* e) {
  if (!Enabled() || e->button() != Qt::LeftButton) return;
  int i = TabAt(e->position().toPoint());
  if (i >= 0) {
    Widget()->setFocus(Qt::MouseFocusReason);
    SelectTabByUser(i);
  }
}

void TPageControl::PaintWidget(QPainter& p) {
  p.fillRect(QRect(0, 0, Width(), Height()), ToQColor(Color()));
  QFont f = Font().ToQFont();
  p.setFont(f);
  const int rowBottom = TabRowHeight();
  if (style_ == TTabStyle::tsTabs) {
    p.setPen(QColor(255, 255, 255));
    p.drawLine(0, rowBottom, Width() - 1, rowBottom);
  }
  for (int i = 0; i < PageCount(); ++i) {
    const TTabSheet* s = pages_[i];
    if (!s->TabVisible()) continue;
    QRect r = TabRect(i);
    const bool on = i == active_;
    if (style_ == TTabStyle::tsFlatButtons) {
      // The chosen tab is a pressed flat button, the others flat.
      if (on) {
        p.fillRect(r, ToQColor(Color()).darker(108));
        p.setPen(QColor(128, 128, 128));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(QColor(255, 255, 255));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
      }
    } else {
      QRect t = on ? r.adjusted(-2, -2, 2, 1) : r;
      p.fillRect(t, ToQColor(clBtnFace));
      p.setPen(QColor(255, 255, 255));
      p.drawLine(t.bottomLeft(), t.topLeft());
      p.drawLine(t.topLeft(), t.topRight());
      p.setPen(QColor(64, 64, 64));
      p.drawLine(t.topRight(), t.bottomRight());
    }
    int x = r.x() + 6;
    if (images_ && s->ImageIndex() >= 0) {
      QImage icon = images_->Image(s->ImageIndex());
      p.drawImage(x, r.y() + (r.height() - icon.height()) / 2, icon);
      x += images_->Width() + 4;
    }
    p.setPen(Enabled() ? ToQColor(Font().Color()) : QColor(128, 128, 128));
    p.drawText(QRect(x, r.y(), r.right() - x, r.height()), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromStdString(s->Caption()));
  }
}

// ---- TUpDown --------------------------------------------------------------------------------

TUpDown::TUpDown(TComponent* owner) : TControl(owner) {
  SetWidget(new ControlWidget(this));
  SetBounds(0, 0, 15, 21);
}

void TUpDown::SetAssociate(TWinControl* control) {
  associate_ = control;
}

void TUpDown::SetPosition(int v) {
  position_ = std::clamp(v, std::min(min_, max_), std::max(min_, max_));
}

void TUpDown::SetOrientation(TUDOrientation o) {
  orientation_ = o;
  Invalidate();
}

void TUpDown::Step(TUDBtnType button) {
  lastButton_ = button;
  if (associate_) {
    int read = 0;
    if (TryStrToInt(associate_->Text(), read)) {
      position_ = std::clamp(read, std::min(min_, max_), std::max(min_, max_));
    }
  }
  int next = position_ + (button == TUDBtnType::btNext ? increment_ : -increment_);
  position_ = std::clamp(next, std::min(min_, max_), std::max(min_, max_));
  if (associate_) associate_->SetText(IntToStr(position_));
  OnClick()(this);
}

void TUpDown::WidgetMousePress(QMouseEvent* e) {
  pressedArrow_ = -1;
  if (!Enabled() || e->button() != Qt::LeftButton) return;
  QPoint pt = e->position().toPoint();
  bool first =
      orientation_ == TUDOrientation::udVertical ? pt.y() < Height() / 2 : pt.x() < Width() / 2;
  pressedArrow_ = first ? 0 : 1;
  Invalidate();
}

void TUpDown::WidgetMouseRelease(QMouseEvent* e) {
  int arrow = pressedArrow_;
  pressedArrow_ = -1;
  Invalidate();
  if (arrow < 0 || !Widget()->rect().contains(e->position().toPoint())) return;
  // The upper (or right) arrow counts up.
  bool up = orientation_ == TUDOrientation::udVertical ? arrow == 0 : arrow == 1;
  Dispatch([this, up] { Step(up ? TUDBtnType::btNext : TUDBtnType::btPrev); });
}

void TUpDown::PaintWidget(QPainter& p) {
  const int w = Width(), h = Height();
  const bool vertical = orientation_ == TUDOrientation::udVertical;
  for (int i = 0; i < 2; ++i) {
    QRect r = vertical ? QRect(0, i * h / 2, w, h / 2) : QRect(i * w / 2, 0, w / 2, h);
    p.fillRect(r, ToQColor(clBtnFace));
    bool down = pressedArrow_ == i;
    p.setPen(down ? QColor(128, 128, 128) : QColor(255, 255, 255));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(down ? QColor(255, 255, 255) : QColor(64, 64, 64));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    QPointF c = QRectF(r).center();
    QPolygonF tri;
    double a = std::min(r.width(), r.height()) / 4.0 + 0.5;
    if (vertical) {
      double d = i == 0 ? -1 : 1;
      tri << QPointF(c.x() - a, c.y() - d * a / 2) << QPointF(c.x() + a, c.y() - d * a / 2)
          << QPointF(c.x(), c.y() + d * a / 2);
    } else {
      double d = i == 0 ? -1 : 1;
      tri << QPointF(c.x() - d * a / 2, c.y() - a) << QPointF(c.x() - d * a / 2, c.y() + a)
          << QPointF(c.x() + d * a / 2, c.y());
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Enabled() ? QColor(0, 0, 0) : QColor(128, 128, 128));
    p.drawPolygon(tri);
  }
}
