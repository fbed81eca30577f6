// Controls: the visible components. Each owns one Qt widget and forwards to it; the
// properties keep the class library's names and behaviour.
#pragma once

#include <QPointer>
#include <QWidget>
#include <string>
#include <string_view>
#include <vector>

#include "platform/classes.h"
#include "platform/graphics.h"

class QPainter;
class QMouseEvent;
class TWinControl;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum class TDragMode { dmManual, dmAutomatic };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

using TCursor = int;
inline constexpr TCursor crDefault = 0, crArrow = -2, crCross = -3, crIBeam = -4, crHourGlass = -11,
                         crHandPoint = -21;

// Text lines of a memo or a list (the class library's TStrings). Writing them calls OnChange.
class TStrings {
 public:
  int Count() const { return static_cast<int>(lines_.size()); }
  const std::string& operator[](int i) const { return lines_.at(i); }
  const std::string& Strings(int i) const { return lines_.at(i); }
  void SetStrings(int i, std::string line);
  void Add(std::string line);
  void Insert(int i, std::string line);
  void Delete(int i);
  void Clear();
  void Assign(const std::vector<std::string>& lines);
  // The lines joined by CR LF, each line ended by one (as the class library's Text).
  std::string Text() const;
  // Splits at CR LF, LF or CR.
  void SetText(std::string_view text);
  const std::vector<std::string>& Lines() const { return lines_; }
  int IndexOf(std::string_view line) const;

  std::function<void()> OnChange;

 private:
  void Changed() {
    if (OnChange) OnChange();
  }
  std::vector<std::string> lines_;
};

// The base of every control. Positions are in the parent's client area. `Visible` is the
// control's own flag, not whether it is on the screen (see Showing).
class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;
  std::string_view ClassName() const override { return "TControl"; }

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  void SetBounds(int left, int top, int width, int height);
  virtual int ClientWidth() const { return width_; }
  virtual int ClientHeight() const { return height_; }

  TWinControl* Parent() const { return parent_; }
  void SetParent(TWinControl* parent);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible, and every parent up to the window visible too.
  bool Showing() const;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // Caption and Text are one text, as in the class library. Writing the present text does
  // nothing; any other write updates the control and fires its change event (where it has one).
  const std::string& Caption() const { return text_; }
  void SetCaption(std::string_view text) { SetText(text); }
  const std::string& Text() const { return text_; }
  void SetText(std::string_view text);

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool value);
  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor);
  TDragMode DragMode() const { return dragMode_; }
  void SetDragMode(TDragMode mode);
  const std::string& Hint() const { return hint_; }
  void SetHint(std::string hint);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool value);

  const TNotifyEvent& OnClick() const { return onClick_; }
  void SetOnClick(TNotifyEvent e) { onClick_ = std::move(e); }
  // Runs OnClick as a click of the user would, synchronously; exceptions go to the caller.
  virtual void Click();

  // Moves the control above every sibling (later controls are above earlier ones).
  void BringToFront();
  void SendToBack();
  void Invalidate();
  // Paints the control now (used by tests and benchmarks to force a paint).
  void Repaint();

  QWidget* Widget() const { return widget_; }
  // The control that owns a widget, or null.
  static TControl* FromWidget(const QWidget* widget);

  // True while the control's layout is being loaded: text writes fire no change events.
  bool Loading() const { return loading_; }
  void SetLoading(bool loading) { loading_ = loading; }
  // Called once the layout has been loaded completely.
  virtual void Loaded() {}

  // Called by the widget; not for page code.
  virtual void PaintWidget(QPainter& painter);
  virtual void WidgetMousePress(QMouseEvent* event);
  virtual void WidgetMouseRelease(QMouseEvent* event);
  virtual void WidgetResized() {}
  virtual void ParentFontChanged(const TFont& font);
  virtual void ParentColorChanged(TColor color);

 protected:
  // Takes the Qt widget that this control forwards to (once, in the constructor).
  void SetWidget(QWidget* widget);
  // The text changed (not called for equal writes).
  virtual void TextChanged() {}
  virtual void FontChanged();
  virtual void ColorChanged();
  virtual void EnabledChanged();
  virtual void BoundsChanged() {}
  virtual void VisibleChanged() {}
  virtual void DragModeChanged() {}
  virtual void ParentChanged() {}
  // The size the control takes when it sizes itself (AutoSize); false when it does not.
  virtual bool AutoSizeExtent(int& width, int& height) { return false; }
  // Applies AutoSizeExtent, keeping the position.
  void AdjustSize();
  // A user click in the widget: runs OnClick through the error handler.
  void UserClick();
  // Records bounds that the window system gave the widget, without applying them again.
  void SyncBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
  }

 private:
  friend class TWinControl;
  void ApplyFontToWidget();
  void ApplyGeometry();

  QPointer<QWidget> widget_;
  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  std::string text_;
  TColor color_ = clBtnFace;
  bool parentColor_ = true;
  TFont font_;
  bool parentFont_ = true;
  bool inheriting_ = false;  // a parent's font or colour is being copied
  TAlign align_ = TAlign::alNone;
  TCursor cursor_ = crDefault;
  TDragMode dragMode_ = TDragMode::dmManual;
  std::string hint_;
  bool showHint_ = false;
  bool loading_ = false;
  bool pressed_ = false;
  TNotifyEvent onClick_;
};

// A control that holds other controls.
class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;
  std::string_view ClassName() const override { return "TWinControl"; }

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(index); }
  // The widget that children are placed in.
  virtual QWidget* ClientWidget() const { return Widget(); }
  // Lays out the aligned children (alTop, alClient, ...) in the client area.
  void Realign();
  // The client rectangle that is left after the aligned children.
  QRect AlignedRemainder() const { return remainder_; }

  int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int order) { tabOrder_ = order; }
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool value) { tabStop_ = value; }
  bool Focused() const;
  void SetFocus();
  bool CanFocus() const;

  void ParentFontChanged(const TFont& font) override;
  void ParentColorChanged(TColor color) override;
  void WidgetResized() override { Realign(); }

 protected:
  void FontChanged() override;
  void ColorChanged() override;

 private:
  friend class TControl;
  void InsertControl(TControl* c);
  void RemoveControl(TControl* c);
  std::vector<TControl*> controls_;
  QRect remainder_;
  int tabOrder_ = 0;
  bool tabStop_ = false;
};

// A widget painted by its control: labels, pictures, shapes, speed buttons.
class ControlWidget : public QWidget {
 public:
  ControlWidget(TControl* control, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  TControl* control_;
};

Qt::CursorShape ToQtCursor(TCursor cursor);
