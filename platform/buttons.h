// Buttons with pictures: speed buttons (painted, no focus) and bit buttons.
#pragma once

#include "platform/controls.h"
#include "platform/graphics.h"

class QPushButton;

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// A speed button: a glyph (NumGlyphs pictures side by side: up, disabled, pressed, down) and
// an optional caption on a button face; it takes no focus. In a group (GroupIndex > 0) it
// stays down once clicked.
class TSpeedButton : public TControl {
 public:
  explicit TSpeedButton(TComponent* owner);
  std::string_view ClassName() const override { return "TSpeedButton"; }

  TPicture& Glyph() { return glyph_; }
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int n);
  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  bool Down() const { return down_; }
  void SetDown(bool value);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value) { groupIndex_ = value; }
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool value) { allowAllUp_ = value; }
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout value);
  int Spacing() const { return spacing_; }
  void SetSpacing(int value);
  int Margin() const { return margin_; }
  void SetMargin(int value);

  void PaintWidget(QPainter& painter) override;
  void WidgetMousePress(QMouseEvent* event) override;
  void WidgetMouseRelease(QMouseEvent* event) override;
  void Click() override;

 protected:
  void TextChanged() override { Invalidate(); }
  void EnabledChanged() override;

 private:
  // The glyph picture of a state: 0 up, 1 disabled, 2 pressed, 3 down.
  QImage GlyphOf(int state) const;
  TPicture glyph_;
  int numGlyphs_ = 1, groupIndex_ = 0, spacing_ = 4, margin_ = -1;
  bool flat_ = false, down_ = false, allowAllUp_ = false, pressing_ = false;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
};

// A push button with a glyph and a caption.
class TBitBtn : public TWinControl {
 public:
  explicit TBitBtn(TComponent* owner);
  std::string_view ClassName() const override { return "TBitBtn"; }

  TPicture& Glyph() { return glyph_; }
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int n);

 protected:
  void TextChanged() override;
  void FontChanged() override;

 private:
  void UpdateIcon();
  QPushButton* button_;
  TPicture glyph_;
  int numGlyphs_ = 1;
};
