// Labels, static texts, group boxes, memos, edits and buttons.
#pragma once

#include "platform/controls.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

enum class TTextLayout { tlTop, tlCenter, tlBottom };
enum class TBorderStyle { bsNone, bsSingle };
enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

// A label: painted text, opaque in its colour (the parent's unless set) unless Transparent;
// AutoSize (the default) fits the box to the text.
class TLabel : public TControl {
 public:
  explicit TLabel(TComponent* owner);
  std::string_view ClassName() const override { return "TLabel"; }

  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout value);

  void PaintWidget(QPainter& painter) override;

 protected:
  void TextChanged() override;
  bool AutoSizeExtent(int& width, int& height) override;

 private:
  bool autoSize_ = true, wordWrap_ = false, transparent_ = false;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  TTextLayout layout_ = TTextLayout::tlTop;
};

// A static text: a label that is a window of its own.
class TStaticText : public TWinControl {
 public:
  explicit TStaticText(TComponent* owner);
  std::string_view ClassName() const override { return "TStaticText"; }

  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle style);

  void PaintWidget(QPainter& painter) override;

 protected:
  void TextChanged() override;
  bool AutoSizeExtent(int& width, int& height) override;

 private:
  bool autoSize_ = true, transparent_ = false;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  TBorderStyle borderStyle_ = TBorderStyle::bsNone;
};

// A group box: an etched frame with its caption on the top line, in the box's font; children
// lie inside it, positioned from its top left corner.
class TGroupBox : public TWinControl {
 public:
  explicit TGroupBox(TComponent* owner);
  std::string_view ClassName() const override { return "TGroupBox"; }
  void PaintWidget(QPainter& painter) override;

 protected:
  void TextChanged() override { Invalidate(); }
};

// A memo. Every memo of the book shows text and none takes input, so a memo paints its lines
// itself (wrapped at the box's width unless WordWrap is off) and is read-only; with DragMode
// dmAutomatic a press starts a drag: no focus, no caret, no click. A memo whose layout sets
// TabStop is visited by the Tab key.
class TMemo : public TWinControl {
 public:
  explicit TMemo(TComponent* owner);
  std::string_view ClassName() const override { return "TMemo"; }
  void Loaded() override;

  TStrings& Lines() { return lines_; }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle style);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle style);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  const TNotifyEvent& OnChange() const { return onChange_; }
  void SetOnChange(TNotifyEvent e) { onChange_ = std::move(e); }

  void PaintWidget(QPainter& painter) override;

 protected:
  void TextChanged() override;

 private:
  void LinesChanged();
  TStrings lines_;
  bool readOnly_ = true, wordWrap_ = true;
  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
  TScrollStyle scrollBars_ = TScrollStyle::ssNone;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  bool syncing_ = false;
  TNotifyEvent onChange_;
};

// A one-line edit. Every change of its text, typed or written by the program, fires OnChange
// synchronously; writing the present text fires nothing. A press takes the focus and places the
// caret, but with DragMode dmAutomatic it starts a drag instead: no focus, no caret. ReadOnly
// keeps the text from every key, paste, cut, undo and drop; the program may still write it.
class TEdit : public TWinControl {
 public:
  explicit TEdit(TComponent* owner);
  std::string_view ClassName() const override { return "TEdit"; }
  void WidgetMousePress(QMouseEvent* event) override;

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int value);
  TEditCharCase CharCase() const { return charCase_; }
  void SetCharCase(TEditCharCase value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle style);
  // The selection, in characters.
  int SelStart() const;
  void SetSelStart(int start);
  int SelLength() const;
  void SetSelLength(int length);
  std::string SelText() const;
  // Moves the selected text to the clipboard, firing OnChange; nothing when nothing is selected.
  void CutToClipboard();
  // False: the selection stays, and stays visible, while another control has the focus (a Qt
  // line edit drops it on every focus loss).
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool value) { hideSelection_ = value; }
  // False: taking the focus by keyboard keeps the caret instead of selecting the whole text.
  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool value) { autoSelect_ = value; }

  const TNotifyEvent& OnChange() const { return onChange_; }
  void SetOnChange(TNotifyEvent e) { onChange_ = std::move(e); }

  QLineEdit* LineEdit() const { return edit_; }

 protected:
  void TextChanged() override;
  void FontChanged() override;
  void ColorChanged() override;

 private:
  void UserEdited(const QString& text);
  QLineEdit* edit_;
  bool readOnly_ = false;
  bool hideSelection_ = true, autoSelect_ = true;
  int maxLength_ = 0;
  TEditCharCase charCase_ = TEditCharCase::ecNormal;
  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
  TNotifyEvent onChange_;
};

// A push button.
class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* owner);
  std::string_view ClassName() const override { return "TButton"; }

 protected:
  void TextChanged() override;

 private:
  QPushButton* button_;
};

// An edit with an input mask; the book's masked edits have none, so it is an edit.
class TMaskEdit : public TEdit {
 public:
  explicit TMaskEdit(TComponent* owner) : TEdit(owner) {}
  std::string_view ClassName() const override { return "TMaskEdit"; }
};

// A radio button; the radio buttons of one parent form a group. Checking one (by a click or
// from code, but not while the layout loads) unchecks the others and runs its OnClick.
class TRadioButton : public TWinControl {
 public:
  explicit TRadioButton(TComponent* owner);
  std::string_view ClassName() const override { return "TRadioButton"; }

  bool Checked() const { return checked_; }
  void SetChecked(bool value);

 protected:
  void TextChanged() override;
  void FontChanged() override;
  void ColorChanged() override;

 private:
  QRadioButton* button_;
  bool checked_ = false;
};

enum class TComboBoxStyle { csDropDown, csDropDownList };

// A drop-down list. OnChange fires when the user picks an item, also the one already shown;
// setting ItemIndex from code fires nothing.
class TComboBox : public TWinControl {
 public:
  explicit TComboBox(TComponent* owner);
  std::string_view ClassName() const override { return "TComboBox"; }

  TStrings& Items() { return items_; }
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle style);
  const TNotifyEvent& OnChange() const { return onChange_; }
  void SetOnChange(TNotifyEvent e) { onChange_ = std::move(e); }

  // The user picks item `index`.
  void PickByUser(int index);
  QComboBox* ComboBox() const { return combo_; }

 protected:
  void FontChanged() override;
  void ColorChanged() override;

 private:
  void ItemsChanged();
  QComboBox* combo_;
  TStrings items_;
  int itemIndex_ = -1;
  TComboBoxStyle style_ = TComboBoxStyle::csDropDown;
  TNotifyEvent onChange_;
};

// A list of lines to choose from.
class TListBox : public TWinControl {
 public:
  explicit TListBox(TComponent* owner);
  std::string_view ClassName() const override { return "TListBox"; }

  TStrings& Items() { return items_; }
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int h);
  QListWidget* ListWidget() const { return list_; }

 protected:
  void FontChanged() override;
  void ColorChanged() override;

 private:
  void ItemsChanged();
  QListWidget* list_;
  TStrings items_;
  int itemIndex_ = -1, itemHeight_ = 13;
};

// Forwards mouse presses and releases of a native widget (and its viewport) to its control,
// for clicks and automatic dragging.
void ForwardMouseEvents(QWidget* widget, TControl* control);
