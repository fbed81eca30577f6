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
  int appendFrom_ = -1;  // lines were added: the document keeps its text up to here
};

class TPageControl;

// A tab of a page control; the controls on it are positioned from its top left corner.
class TTabSheet : public TWinControl {
 public:
  explicit TTabSheet(TComponent* owner);
  std::string_view ClassName() const override { return "TTabSheet"; }

  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  bool TabVisible() const { return tabVisible_; }
  void SetTabVisible(bool value);
  TPageControl* PageControl() const { return pageControl_; }
  int PageIndex() const;

  void PaintWidget(QPainter& painter) override;

 protected:
  void TextChanged() override;
  void ParentChanged() override;

 private:
  friend class TPageControl;
  TPageControl* pageControl_ = nullptr;
  int imageIndex_ = -1;
  bool tabVisible_ = true;
};

enum class TTabStyle { tsTabs, tsButtons, tsFlatButtons };

// A page control: a row of tabs (with icons from its image list) over the sheet of the active
// tab. Setting ActivePageIndex from code fires nothing; OnChange fires only when the user picks
// a tab, by mouse or keyboard. An index beyond the last tab opens the first tab.
class TPageControl : public TWinControl {
 public:
  explicit TPageControl(TComponent* owner);
  std::string_view ClassName() const override { return "TPageControl"; }

  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Pages(int index) const { return pages_.at(index); }
  int ActivePageIndex() const { return active_; }
  void SetActivePageIndex(int index);
  TTabSheet* ActivePage() const;
  TTabStyle Style() const { return style_; }
  void SetStyle(TTabStyle style);
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);
  const TNotifyEvent& OnChange() const { return onChange_; }
  void SetOnChange(TNotifyEvent e) { onChange_ = std::move(e); }

  // The user picks a tab (as a click on it or a key would).
  void SelectTabByUser(int index);
  // The tab under a point of the control, or -1.
  int TabAt(QPoint point) const;
  QRect TabRect(int index) const;
  int TabRowHeight() const;

  void PaintWidget(QPainter& painter) override;
  void WidgetMousePress(QMouseEvent* event) override;
  void WidgetResized() override;
  void Loaded() override;

 protected:
  void FontChanged() override;

 private:
  friend class TTabSheet;
  void AddPage(TTabSheet* sheet);
  void RemovePage(TTabSheet* sheet);
  void LayoutPages();
  std::vector<TTabSheet*> pages_;
  int active_ = -1;
  TTabStyle style_ = TTabStyle::tsTabs;
  TImageList* images_ = nullptr;
  TNotifyEvent onChange_;
};

enum class TUDBtnType { btNext, btPrev };
enum class TUDOrientation { udVertical, udHorizontal };

// Up-down arrows. Before each step they read the associated edit's text as their position (a
// text that is no whole number counts as the last position, one outside Min..Max as the
// nearest bound), step by Increment within Min..Max and write the new number back as the
// edit's text; then OnClick runs.
class TUpDown : public TControl {
 public:
  explicit TUpDown(TComponent* owner);
  std::string_view ClassName() const override { return "TUpDown"; }

  TWinControl* Associate() const { return associate_; }
  void SetAssociate(TWinControl* control);
  int Min() const { return min_; }
  void SetMin(int v) { min_ = v; }
  int Max() const { return max_; }
  void SetMax(int v) { max_ = v; }
  int Position() const { return position_; }
  void SetPosition(int v);
  int Increment() const { return increment_; }
  void SetIncrement(int v) { increment_ = v; }
  TUDOrientation Orientation() const { return orientation_; }
  void SetOrientation(TUDOrientation o);
  // The arrow of the last click.
  TUDBtnType LastButton() const { return lastButton_; }

  // One step, as a click on an arrow does (OnClick runs directly).
  void Step(TUDBtnType button);

  void PaintWidget(QPainter& painter) override;
  void WidgetMousePress(QMouseEvent* event) override;
  void WidgetMouseRelease(QMouseEvent* event) override;

 private:
  TWinControl* associate_ = nullptr;
  int min_ = 0, max_ = 100, position_ = 0, increment_ = 1;
  TUDOrientation orientation_ = TUDOrientation::udVertical;
  TUDBtnType lastButton_ = TUDBtnType::btNext;
  int pressedArrow_ = -1;
};
