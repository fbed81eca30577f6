// Tool bars and tool buttons; rich-text boxes.
#pragma once

#include "platform/controls.h"
#include "platform/stdctrls.h"

class QTextEdit;
class QToolButton;
class TImageList;
class TToolButton;

enum class TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };

// A bar of tool buttons, laid out left to right in the order of their Left; it takes the
// pictures of its buttons from its image list.
class TToolBar : public TWinControl {
 public:
  explicit TToolBar(TComponent* owner);
  std::string_view ClassName() const override { return "TToolBar"; }

  int ButtonWidth() const { return buttonWidth_; }
  void SetButtonWidth(int w);
  int ButtonHeight() const { return buttonHeight_; }
  void SetButtonHeight(int h);
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);
  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  bool ShowCaptions() const { return showCaptions_; }
  void SetShowCaptions(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  bool Wrapable() const { return wrapable_; }
  void SetWrapable(bool value) { wrapable_ = value; }
  int Indent() const { return indent_; }
  void SetIndent(int value);

  int ButtonCount() const { return static_cast<int>(buttons_.size()); }
  TToolButton* Buttons(int index) const { return buttons_.at(index); }
  // Places the buttons; called when a button joins or changes size.
  void ArrangeButtons();

  void PaintWidget(QPainter& painter) override;
  // The image list's pictures are there once the whole layout is read.
  void Loaded() override;

 private:
  friend class TToolButton;
  void AddButton(TToolButton* b);
  void RemoveButton(TToolButton* b);
  int buttonWidth_ = 23, buttonHeight_ = 22, indent_ = 0;
  bool flat_ = false, showCaptions_ = false, transparent_ = false, wrapable_ = true;
  bool arranging_ = false;
  TImageList* images_ = nullptr;
  std::vector<TToolButton*> buttons_;
};

// A button of a tool bar. A check-style button stays down while Down is set; a click of the
// user turns it over before OnClick runs.
class TToolButton : public TControl {
 public:
  explicit TToolButton(TComponent* owner);
  ~TToolButton() override;
  std::string_view ClassName() const override { return "TToolButton"; }

  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  TToolButtonStyle Style() const { return style_; }
  void SetStyle(TToolButtonStyle style);
  bool Down() const { return down_; }
  void SetDown(bool down);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  bool Grouped() const { return grouped_; }
  void SetGrouped(bool value) { grouped_ = value; }

  // The tool bar that holds the button.
  TToolBar* ToolBar() const { return toolBar_; }
  // Refreshes the picture from the tool bar's image list.
  void UpdateImage();
  // The width the button takes on its bar.
  int ButtonExtent() const;

 protected:
  void EnabledChanged() override;
  void TextChanged() override;
  void ParentChanged() override { UpdateImage(); }

 private:
  friend class TToolBar;
  void SetToolBar(TToolBar* bar);
  QToolButton* button_;
  TToolBar* toolBar_ = nullptr;
  int imageIndex_ = -1;
  TToolButtonStyle style_ = TToolButtonStyle::tbsButton;
  bool down_ = false, autoSize_ = false, grouped_ = false;
};

class TRichEdit;

// The character attributes of a rich-text box's selection (its SelAttributes): each write
// formats the selected text.
class TTextAttributes {
 public:
  explicit TTextAttributes(TRichEdit& box) : box_(box) {}
  void SetStyle(TFontStyles style);
  void SetName(const std::string& name);
  // Points at 96 dpi, as Font.Size.
  void SetSize(int points);
  void SetColor(TColor color);
  TFontStyles Style() const;
  std::string Name() const;
  int Size() const;

 private:
  TRichEdit& box_;
};

// A rich-text box showing lesson text: read-only, plain text in the box's font, formatted by
// ranges. Positions count a line break as two characters, as the class library does.
class TRichEdit : public TWinControl {
 public:
  explicit TRichEdit(TComponent* owner);
  std::string_view ClassName() const override { return "TRichEdit"; }

  TStrings& Lines() { return lines_; }
  int SelStart() const { return selStart_; }
  void SetSelStart(int start);
  int SelLength() const { return selLength_; }
  void SetSelLength(int length);
  TTextAttributes& SelAttributes() { return selAttributes_; }
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle style);
  bool ReadOnly() const { return true; }
  void SetReadOnly(bool) {}
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);

  // The document position of a position that counts line breaks as two characters.
  int DocumentPosition(int position) const;
  QTextEdit* TextEdit() const { return edit_; }

 protected:
  void TextChanged() override;
  void FontChanged() override;
  void ColorChanged() override;

 private:
  friend class TTextAttributes;
  void LinesChanged();
  void ApplyBoxFont();
  QTextEdit* edit_;
  TStrings lines_;
  TTextAttributes selAttributes_{*this};
  int selStart_ = 0, selLength_ = 0;
  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
  bool wordWrap_ = true;
  bool syncing_ = false;
};
