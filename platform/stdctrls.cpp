#include "platform/stdctrls.h"

#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTextLayout>
#include <QVariant>

namespace {

QString DisplayText(const std::string& text, const TFont& font) {
  QString s = QString::fromStdString(text);
  s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return font.IsSymbol() ? SymbolToUnicode(s) : s;
}

int AlignmentFlags(TAlignment a) {
  switch (a) {
    case TAlignment::taRightJustify:
      return Qt::AlignRight;
    case TAlignment::taCenter:
      return Qt::AlignHCenter;
    default:
      return Qt::AlignLeft;
  }
}

// The box that a text takes in a font: one line per line break, wrapped within `width`.
QSize TextExtent(const QString& text, const TFont& tfont, bool wrap, int width) {
  QFont font = tfont.ToQFont();
  QFontMetrics fm(font);
  const int lineHeight = TextLineHeight(tfont);
  if (text.isEmpty()) return QSize(0, lineHeight);
  int flags = Qt::TextExpandTabs | (wrap ? Qt::TextWordWrap : 0);
  QRect r = fm.boundingRect(QRect(0, 0, wrap ? std::max(width, 1) : 100000, 100000), flags, text);
  int lines = std::max(1, (r.height() + fm.height() / 2) / std::max(fm.height(), 1));
  return QSize(r.width(), lines * lineHeight);
}

void PaintText(QPainter& p, const QRect& box, const std::string& text, const TFont& font,
               bool enabled, int flags) {
  p.setFont(font.ToQFont());
  p.setPen(enabled ? ToQColor(font.Color()) : QColor(128, 128, 128));
  p.drawText(box, flags | Qt::TextExpandTabs, DisplayText(text, font));
}

class MouseForwarder : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() != QEvent::MouseButtonPress && e->type() != QEvent::MouseButtonRelease) {
      return false;
    }
    auto* w = qobject_cast<QWidget*>(watched);
    TControl* c = TControl::FromWidget(w);
    if (!c) return false;
    auto* me = static_cast<QMouseEvent*>(e);
    if (e->type() == QEvent::MouseButtonPress) {
      c->WidgetMousePress(me);
      // An automatic drag takes the press: the native widget sees nothing of it.
      return c->DragMode() == TDragMode::dmAutomatic;
    }
    c->WidgetMouseRelease(me);
    return c->DragMode() == TDragMode::dmAutomatic;
  }
};

}  // namespace

void ForwardMouseEvents(QWidget* widget, TControl* control) {
  static MouseForwarder forwarder;
  widget->setProperty("zalmiraControl", QVariant::fromValue(static_cast<void*>(control)));
  widget->installEventFilter(&forwarder);
}

// ---- TLabel ---------------------------------------------------------------------------------

TLabel::TLabel(TComponent* owner) : TControl(owner) {
  SetWidget(new ControlWidget(this));
  SetBounds(0, 0, 65, 13);
}

void TLabel::TextChanged() {
  AdjustSize();
  Invalidate();
}

bool TLabel::AutoSizeExtent(int& width, int& height) {
  if (!autoSize_) return false;
  QSize s = TextExtent(DisplayText(Caption(), Font()), Font(), wordWrap_, Width());
  if (!wordWrap_) width = s.width();
  height = s.height();
  return true;
}

void TLabel::SetAutoSize(bool value) {
  autoSize_ = value;
  AdjustSize();
}

void TLabel::SetWordWrap(bool value) {
  wordWrap_ = value;
  AdjustSize();
  Invalidate();
}

void TLabel::SetTransparent(bool value) {
  transparent_ = value;
  Invalidate();
}

void TLabel::SetAlignment(TAlignment value) {
  alignment_ = value;
  Invalidate();
}

void TLabel::SetLayout(TTextLayout value) {
  layout_ = value;
  Invalidate();
}

void TLabel::PaintWidget(QPainter& p) {
  QRect box(0, 0, Width(), Height());
  if (!transparent_) p.fillRect(box, ToQColor(Color()));
  int flags = AlignmentFlags(alignment_) | (wordWrap_ ? Qt::TextWordWrap : 0);
  flags |= layout_ == TTextLayout::tlCenter   ? Qt::AlignVCenter
           : layout_ == TTextLayout::tlBottom ? Qt::AlignBottom
                                              : Qt::AlignTop;
  PaintText(p, box, Caption(), Font(), Enabled(), flags);
}

// ---- TStaticText ----------------------------------------------------------------------------

TStaticText::TStaticText(TComponent* owner) : TWinControl(owner) {
  SetWidget(new ControlWidget(this));
  SetBounds(0, 0, 65, 17);
}

void TStaticText::TextChanged() {
  AdjustSize();
  Invalidate();
}

bool TStaticText::AutoSizeExtent(int& width, int& height) {
  if (!autoSize_) return false;
  QSize s = TextExtent(DisplayText(Caption(), Font()), Font(), false, Width());
  int frame = borderStyle_ == TBorderStyle::bsNone ? 0 : 2;
  width = s.width() + 2 * frame;
  height = s.height() + 2 * frame;
  return true;
}

void TStaticText::SetAutoSize(bool value) {
  autoSize_ = value;
  AdjustSize();
}

void TStaticText::SetTransparent(bool value) {
  transparent_ = value;
  Invalidate();
}

void TStaticText::SetAlignment(TAlignment value) {
  alignment_ = value;
  Invalidate();
}

void TStaticText::SetBorderStyle(TBorderStyle style) {
  borderStyle_ = style;
  AdjustSize();
  Invalidate();
}

void TStaticText::PaintWidget(QPainter& p) {
  QRect box(0, 0, Width(), Height());
  if (!transparent_) p.fillRect(box, ToQColor(Color()));
  if (borderStyle_ != TBorderStyle::bsNone) {
    p.setPen(QColor(128, 128, 128));
    p.drawRect(box.adjusted(0, 0, -1, -1));
    box.adjust(2, 2, -2, -2);
  }
  PaintText(p, box, Caption(), Font(), Enabled(), AlignmentFlags(alignment_) | Qt::AlignTop);
}

// ---- TGroupBox ------------------------------------------------------------------------------

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner) {
  SetWidget(new ControlWidget(this));
  SetBounds(0, 0, 185, 105);
}

void TGroupBox::PaintWidget(QPainter& p) {
  const int w = Width(), h = Height();
  if (!ParentColor()) p.fillRect(QRect(0, 0, w, h), ToQColor(Color()));
  QFont f = Font().ToQFont();
  QFontMetrics fm(f);
  const QString caption = DisplayText(Caption(), Font());
  const int top = caption.isEmpty() ? 0 : fm.height() / 2;
  // The etched frame of the class library: a grey line with a white one beside it.
  p.setPen(QColor(128, 128, 128));
  p.drawRect(0, top, w - 2, h - top - 2);
  p.setPen(QColor(255, 255, 255));
  p.drawLine(1, top + 1, w - 3, top + 1);
  p.drawLine(1, top + 1, 1, h - 3);
  p.drawLine(0, h - 1, w - 1, h - 1);
  p.drawLine(w - 1, top, w - 1, h - 1);
  if (caption.isEmpty()) return;
  QRect text(8, 0, fm.horizontalAdvance(caption) + 4, fm.height());
  p.fillRect(text, ToQColor(Color()));
  p.setFont(f);
  p.setPen(Enabled() ? ToQColor(Font().Color()) : QColor(128, 128, 128));
  p.drawText(text.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, caption);
}

// ---- TMemo ----------------------------------------------------------------------------------

TMemo::TMemo(TComponent* owner) : TWinControl(owner) {
  SetWidget(new ControlWidget(this));
  lines_.OnChange = [this] { LinesChanged(); };
  SetParentColor(false);
  SetColor(clWindow);
  SetBounds(0, 0, 185, 89);
}

void TMemo::Loaded() {
  TWinControl::Loaded();
  if (TabStop()) Widget()->setFocusPolicy(Qt::TabFocus);
}

void TMemo::LinesChanged() {
  if (syncing_) return;
  const auto& lines = lines_.Lines();
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i) text += "\r\n";
    text += lines[i];
  }
  syncing_ = true;
  SetText(text);
  syncing_ = false;
}

void TMemo::TextChanged() {
  if (!syncing_) {
    syncing_ = true;
    lines_.SetText(Text());
    syncing_ = false;
  }
  Invalidate();
  if (!Loading()) onChange_(this);
}

void TMemo::SetReadOnly(bool value) {
  readOnly_ = value;
}

void TMemo::SetWordWrap(bool value) {
  wordWrap_ = value;
  Invalidate();
}

void TMemo::SetBorderStyle(TBorderStyle style) {
  borderStyle_ = style;
  Invalidate();
}

void TMemo::SetScrollBars(TScrollStyle style) {
  scrollBars_ = style;
}

void TMemo::SetAlignment(TAlignment value) {
  alignment_ = value;
  Invalidate();
}

void TMemo::PaintWidget(QPainter& p) {
  QRect box(0, 0, Width(), Height());
  p.fillRect(box, ToQColor(Color()));
  int inset = 1;
  if (borderStyle_ != TBorderStyle::bsNone) {
    p.setPen(QColor(128, 128, 128));
    p.drawRect(box.adjusted(0, 0, -1, -1));
    inset = 3;
  }
  p.setClipRect(box.adjusted(inset - 1, inset - 1, 1 - inset, 1 - inset));
  QFont f = Font().ToQFont();
  p.setFont(f);
  p.setPen(Enabled() ? ToQColor(Font().Color()) : QColor(128, 128, 128));
  const int lineHeight = TextLineHeight(Font());
  const int width = box.width() - 2 * inset;
  int y = inset - 1;
  for (const std::string& line : lines_.Lines()) {
    QString text = DisplayText(line, Font());
    QTextLayout layout(text, f);
    QTextOption option(static_cast<Qt::Alignment>(AlignmentFlags(alignment_)));
    option.setWrapMode(wordWrap_ ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    for (;;) {
      QTextLine l = layout.createLine();
      if (!l.isValid()) break;
      l.setLineWidth(width);
      l.setPosition(QPointF(inset, y));
      y += lineHeight;
    }
    layout.endLayout();
    layout.draw(&p, QPointF(0, 0));
    if (y > box.height()) break;
  }
}

// ---- TEdit ----------------------------------------------------------------------------------

namespace {

// Keeps an edit's selection (anchor and caret) where the class library keeps it: losing the
// focus, or the window becoming active again, with HideSelection off; taking the focus by
// keyboard with AutoSelect off. The line edit handles a focus event first; the selection is put
// back after it.
class EditSelectionKeeper : public QObject {
 public:
  explicit EditSelectionKeeper(QLineEdit* line) : QObject(line), line_(line) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (busy_ || watched != line_) return false;
    // Empty once the control is being destroyed.
    auto* edit = static_cast<TEdit*>(TControl::FromWidget(line_));
    if (!edit) return false;
    if (event->type() == QEvent::WindowActivate && !edit->HideSelection()) {
      // A line edit answers its window's activation by dropping the selection a moment later
      // unless it has the focus; the activation only needs a repaint here.
      line_->update();
      return true;
    }
    bool keep = false;
    if (event->type() == QEvent::FocusOut) {
      keep = !edit->HideSelection() && line_->hasSelectedText();
    } else if (event->type() == QEvent::FocusIn) {
      Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      keep = !edit->AutoSelect() &&
             (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
              reason == Qt::ShortcutFocusReason);
    }
    if (!keep) return false;
    const int caret = line_->cursorPosition();
    int anchor = caret;
    if (line_->hasSelectedText()) {
      const int start = line_->selectionStart();
      anchor = caret == start ? start + line_->selectionLength() : start;
    }
    busy_ = true;
    QCoreApplication::sendEvent(line_, event);
    busy_ = false;
    if (anchor == caret) {
      line_->setCursorPosition(caret);
    } else {
      line_->setSelection(anchor, caret - anchor);  // a negative length puts the caret first
    }
    return true;
  }

 private:
  QLineEdit* line_;
  bool busy_ = false;
};

}  // namespace

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
  edit_ = new QLineEdit();
  SetWidget(edit_);
  ForwardMouseEvents(edit_, this);
  edit_->installEventFilter(new EditSelectionKeeper(edit_));
  SetParentColor(false);
  SetColor(clWindow);
  SetTabStop(true);
  SetBounds(0, 0, 121, 21);
  // Qt gives the focus on a press before any filter sees it, so the press is asked first
  // (WidgetMousePress) whether it focuses: an automatic drag must not.
  edit_->setFocusPolicy(Qt::TabFocus);
  QObject::connect(edit_, &QLineEdit::textEdited, [this](const QString& t) { UserEdited(t); });
}

void TEdit::WidgetMousePress(QMouseEvent* event) {
  // Runs before the line edit sees the press, so that the press places the caret as usual.
  if (Enabled() && DragMode() == TDragMode::dmManual && !edit_->hasFocus()) {
    edit_->setFocus(Qt::MouseFocusReason);
  }
  TWinControl::WidgetMousePress(event);
}

namespace {

// Characters that a line edit shows as nothing or as a blank: control and format characters,
// line and paragraph separators.
bool IsInvisible(QChar c) {
  switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
      return true;
    default:
      return false;
  }
}

}  // namespace

void TEdit::UserEdited(const QString& typed) {
  // What the user sees is what the page reads: invisible characters, typed or pasted, are left
  // out, and the caret keeps its place among the rest.
  QString t;
  t.reserve(typed.size());
  int cursor = edit_->cursorPosition();
  for (qsizetype i = 0; i < typed.size(); ++i) {
    if (!IsInvisible(typed[i])) {
      t += typed[i];
    } else if (i < edit_->cursorPosition()) {
      --cursor;
    }
  }
  if (charCase_ == TEditCharCase::ecLowerCase) t = t.toLower();
  if (charCase_ == TEditCharCase::ecUpperCase) t = t.toUpper();
  if (t != typed) {
    QSignalBlocker block(edit_);
    edit_->setText(t);
    edit_->setCursorPosition(cursor);
  }
  Dispatch([&] { SetText(t.toStdString()); });
}

void TEdit::TextChanged() {
  QString t = QString::fromStdString(Text());
  if (edit_->text() != t) {
    QSignalBlocker block(edit_);
    edit_->setText(t);
  }
  if (!Loading()) onChange_(this);
}

void TEdit::SetReadOnly(bool value) {
  readOnly_ = value;
  edit_->setReadOnly(value);
}

void TEdit::SetMaxLength(int value) {
  maxLength_ = value;
  edit_->setMaxLength(value > 0 ? value : 32767);
}

void TEdit::SetCharCase(TEditCharCase value) {
  charCase_ = value;
}

void TEdit::SetBorderStyle(TBorderStyle style) {
  borderStyle_ = style;
  edit_->setFrame(style != TBorderStyle::bsNone);
}

int TEdit::SelStart() const {
  return edit_->hasSelectedText() ? edit_->selectionStart() : edit_->cursorPosition();
}

void TEdit::SetSelStart(int start) {
  edit_->setCursorPosition(start);
}

int TEdit::SelLength() const {
  return static_cast<int>(edit_->selectedText().size());
}

void TEdit::SetSelLength(int length) {
  edit_->setSelection(SelStart(), length);
}

std::string TEdit::SelText() const {
  return edit_->selectedText().toStdString();
}

void TEdit::CutToClipboard() {
  if (readOnly_ || !edit_->hasSelectedText()) return;
  const int start = edit_->selectionStart();
  QString rest = edit_->text();
  rest.remove(start, edit_->selectionLength());
  QGuiApplication::clipboard()->setText(edit_->selectedText());
  SetText(rest.toStdString());
  edit_->setCursorPosition(start);
}

void TEdit::FontChanged() {
  TWinControl::FontChanged();
  QPalette pal = edit_->palette();
  pal.setColor(QPalette::Text, ToQColor(Font().Color()));
  edit_->setPalette(pal);
}

void TEdit::ColorChanged() {
  TWinControl::ColorChanged();
  QPalette pal = edit_->palette();
  pal.setColor(QPalette::Base, ToQColor(Color()));
  edit_->setPalette(pal);
}

// ---- TButton --------------------------------------------------------------------------------

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  button_ = new QPushButton();
  SetWidget(button_);
  SetTabStop(true);
  SetBounds(0, 0, 75, 25);
  QObject::connect(button_, &QPushButton::clicked, [this] { UserClick(); });
}

void TButton::TextChanged() {
  button_->setText(QString::fromStdString(Caption()));
}

// ---- TRadioButton ---------------------------------------------------------------------------

TRadioButton::TRadioButton(TComponent* owner) : TWinControl(owner) {
  button_ = new QRadioButton();
  button_->setAutoExclusive(false);  // the group is kept here, by parent
  SetWidget(button_);
  SetBounds(0, 0, 113, 17);
  QObject::connect(button_, &QRadioButton::clicked, [this] {
    button_->setChecked(checked_);
    Dispatch([this] {
      if (!checked_) {
        SetChecked(true);  // runs OnClick
      } else {
        Click();
      }
    });
  });
}

void TRadioButton::SetChecked(bool value) {
  if (value == checked_) return;
  checked_ = value;
  button_->setChecked(value);
  if (!value) return;
  if (Parent()) {
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
      auto* other = dynamic_cast<TRadioButton*>(Parent()->Controls(i));
      if (other && other != this) other->SetChecked(false);
    }
  }
  if (!Loading()) Click();
}

void TRadioButton::TextChanged() {
  button_->setText(QString::fromStdString(Caption()));
}

void TRadioButton::FontChanged() {
  TWinControl::FontChanged();
  QPalette pal = button_->palette();
  pal.setColor(QPalette::WindowText, ToQColor(Font().Color()));
  button_->setPalette(pal);
}

void TRadioButton::ColorChanged() {
  TWinControl::ColorChanged();
  button_->setAutoFillBackground(!ParentColor());
  QPalette pal = button_->palette();
  pal.setColor(QPalette::Window, ToQColor(Color()));
  button_->setPalette(pal);
}

// ---- TComboBox ------------------------------------------------------------------------------

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner) {
  combo_ = new QComboBox();
  SetWidget(combo_);
  SetParentColor(false);
  SetColor(clWindow);
  SetTabStop(true);
  SetBounds(0, 0, 145, 21);
  items_.OnChange = [this] { ItemsChanged(); };
  QObject::connect(combo_, &QComboBox::activated,
                   [this](int index) { Dispatch([this, index] { PickByUser(index); }); });
}

void TComboBox::ItemsChanged() {
  QSignalBlocker block(combo_);
  combo_->clear();
  for (const std::string& s : items_.Lines()) combo_->addItem(QString::fromStdString(s));
  if (itemIndex_ >= items_.Count()) itemIndex_ = -1;
  combo_->setCurrentIndex(itemIndex_);
}

void TComboBox::SetItemIndex(int index) {
  if (index < -1 || index >= items_.Count()) index = -1;
  itemIndex_ = index;
  QSignalBlocker block(combo_);
  combo_->setCurrentIndex(index);
  TControl::SetText(index >= 0 ? items_[index] : std::string());
}

void TComboBox::PickByUser(int index) {
  SetItemIndex(index);
  onChange_(this);
}

void TComboBox::SetStyle(TComboBoxStyle style) {
  style_ = style;
  combo_->setEditable(style == TComboBoxStyle::csDropDown);
}

void TComboBox::FontChanged() {
  TWinControl::FontChanged();
  QPalette pal = combo_->palette();
  pal.setColor(QPalette::Text, ToQColor(Font().Color()));
  pal.setColor(QPalette::ButtonText, ToQColor(Font().Color()));
  combo_->setPalette(pal);
}

void TComboBox::ColorChanged() {
  TWinControl::ColorChanged();
  QPalette pal = combo_->palette();
  pal.setColor(QPalette::Base, ToQColor(Color()));
  combo_->setPalette(pal);
}

// ---- TListBox -------------------------------------------------------------------------------

TListBox::TListBox(TComponent* owner) : TWinControl(owner) {
  list_ = new QListWidget();
  list_->setUniformItemSizes(true);
  SetWidget(list_);
  SetParentColor(false);
  SetColor(clWindow);
  SetTabStop(true);
  SetBounds(0, 0, 121, 97);
  items_.OnChange = [this] { ItemsChanged(); };
  QObject::connect(list_, &QListWidget::currentRowChanged, [this](int row) { itemIndex_ = row; });
  QObject::connect(list_, &QListWidget::itemClicked, [this] { UserClick(); });
}

void TListBox::ItemsChanged() {
  QSignalBlocker block(list_);
  list_->clear();
  for (const std::string& s : items_.Lines()) {
    auto* item = new QListWidgetItem(QString::fromStdString(s), list_);
    item->setSizeHint(QSize(0, itemHeight_));
  }
  itemIndex_ = -1;
}

void TListBox::SetItemIndex(int index) {
  if (index < -1 || index >= items_.Count()) index = -1;
  itemIndex_ = index;
  QSignalBlocker block(list_);
  list_->setCurrentRow(index);
}

void TListBox::SetItemHeight(int h) {
  itemHeight_ = h;
  ItemsChanged();
}

void TListBox::FontChanged() {
  TWinControl::FontChanged();
  QPalette pal = list_->palette();
  pal.setColor(QPalette::Text, ToQColor(Font().Color()));
  list_->setPalette(pal);
}

void TListBox::ColorChanged() {
  TWinControl::ColorChanged();
  QPalette pal = list_->palette();
  pal.setColor(QPalette::Base, ToQColor(Color()));
  list_->setPalette(pal);
}
