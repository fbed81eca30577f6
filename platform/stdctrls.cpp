#include "platform/stdctrls.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
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
QSize TextExtent(const QString& text, const QFont& font, bool wrap, int width) {
  QFontMetrics fm(font);
  if (text.isEmpty()) return QSize(0, fm.height());
  int flags = Qt::TextExpandTabs | (wrap ? Qt::TextWordWrap : 0);
  QRect r = fm.boundingRect(QRect(0, 0, wrap ? std::max(width, 1) : 100000, 100000), flags, text);
  return QSize(r.width(), std::max(r.height(), fm.height()));
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
  QSize s = TextExtent(DisplayText(Caption(), Font()), Font().ToQFont(), wordWrap_, Width());
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
  QSize s = TextExtent(DisplayText(Caption(), Font()), Font().ToQFont(), false, Width());
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
  box_ = new QGroupBox();
  SetWidget(box_);
  ForwardMouseEvents(box_, this);
  SetBounds(0, 0, 185, 105);
}

void TGroupBox::TextChanged() {
  box_->setTitle(QString::fromStdString(Caption()));
}

void TGroupBox::FontChanged() {
  TWinControl::FontChanged();
  QPalette pal = box_->palette();
  pal.setColor(QPalette::WindowText, ToQColor(Font().Color()));
  box_->setPalette(pal);
}

void TGroupBox::ColorChanged() {
  TWinControl::ColorChanged();
  bool own = !ParentColor();
  box_->setAutoFillBackground(own);
  if (own) {
    QPalette pal = box_->palette();
    pal.setColor(QPalette::Window, ToQColor(Color()));
    box_->setPalette(pal);
  }
}

// ---- TMemo ----------------------------------------------------------------------------------

TMemo::TMemo(TComponent* owner) : TWinControl(owner) {
  edit_ = new QPlainTextEdit();
  edit_->document()->setDocumentMargin(1);
  edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  edit_->setUndoRedoEnabled(false);
  SetWidget(edit_);
  ForwardMouseEvents(edit_->viewport(), this);
  lines_.OnChange = [this] { LinesChanged(); };
  SetParentColor(false);
  SetColor(clWindow);
  SetBounds(0, 0, 185, 89);
  ApplyInteraction();
  QObject::connect(edit_, &QPlainTextEdit::textChanged, [this] {
    if (syncing_) return;
    // A change typed by the user (only possible when the memo is not read-only).
    std::string text = edit_->toPlainText().replace(QLatin1Char('\n'), "\r\n").toStdString();
    syncing_ = true;
    lines_.SetText(text);
    syncing_ = false;
    SetText(text);
  });
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
  // SetText skipped an equal text: the widget already shows it.
}

void TMemo::TextChanged() {
  bool wasSyncing = syncing_;
  syncing_ = true;
  if (!wasSyncing) lines_.SetText(Text());
  QString shown = QString::fromStdString(Text());
  shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  if (Font().IsSymbol()) shown = SymbolToUnicode(shown);
  if (edit_->toPlainText() != shown) {
    edit_->setPlainText(shown);
    if (alignment_ != TAlignment::taLeftJustify) SetAlignment(alignment_);
  }
  syncing_ = wasSyncing;
  if (!Loading()) onChange_(this);
}

void TMemo::ApplyInteraction() {
  edit_->setReadOnly(readOnly_);
  if (DragMode() == TDragMode::dmAutomatic) {
    edit_->setTextInteractionFlags(Qt::NoTextInteraction);
    edit_->setFocusPolicy(Qt::NoFocus);
    edit_->viewport()->setCursor(ToQtCursor(Cursor()));
  } else {
    edit_->setTextInteractionFlags(readOnly_
                                       ? Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard
                                       : Qt::TextEditorInteraction);
    edit_->setFocusPolicy(Qt::StrongFocus);
  }
}

void TMemo::SetReadOnly(bool value) {
  readOnly_ = value;
  ApplyInteraction();
}

void TMemo::SetWordWrap(bool value) {
  wordWrap_ = value;
  edit_->setLineWrapMode(value ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TMemo::SetBorderStyle(TBorderStyle style) {
  borderStyle_ = style;
  edit_->setFrameShape(style == TBorderStyle::bsNone ? QFrame::NoFrame : QFrame::StyledPanel);
}

void TMemo::SetScrollBars(TScrollStyle style) {
  scrollBars_ = style;
  bool h = style == TScrollStyle::ssHorizontal || style == TScrollStyle::ssBoth;
  bool v = style == TScrollStyle::ssVertical || style == TScrollStyle::ssBoth;
  edit_->setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  edit_->setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TMemo::SetAlignment(TAlignment value) {
  alignment_ = value;
  QTextOption opt = edit_->document()->defaultTextOption();
  opt.setAlignment(static_cast<Qt::Alignment>(AlignmentFlags(value)));
  edit_->document()->setDefaultTextOption(opt);
}

void TMemo::ApplyPalette() {
  QPalette pal = edit_->palette();
  pal.setColor(QPalette::Base, ToQColor(Color()));
  pal.setColor(QPalette::Text, ToQColor(Font().Color()));
  edit_->setPalette(pal);
}

void TMemo::FontChanged() {
  TWinControl::FontChanged();
  ApplyPalette();
}

void TMemo::ColorChanged() {
  TWinControl::ColorChanged();
  ApplyPalette();
}

// ---- TEdit ----------------------------------------------------------------------------------

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
  edit_ = new QLineEdit();
  SetWidget(edit_);
  ForwardMouseEvents(edit_, this);
  SetParentColor(false);
  SetColor(clWindow);
  SetTabStop(true);
  SetBounds(0, 0, 121, 21);
  QObject::connect(edit_, &QLineEdit::textEdited, [this](const QString& t) { UserEdited(t); });
}

void TEdit::UserEdited(const QString& typed) {
  QString t = typed;
  if (charCase_ == TEditCharCase::ecLowerCase) t = t.toLower();
  if (charCase_ == TEditCharCase::ecUpperCase) t = t.toUpper();
  if (t != typed) {
    int cursor = edit_->cursorPosition();
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
