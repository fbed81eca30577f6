// The platform's classes as layouts see them: their names, properties and events.
#include <QImage>

#include "platform/buttons.h"
#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/forms.h"
#include "platform/imglist.h"
#include "platform/layout_pictures.h"
#include "platform/menus.h"
#include "platform/stdctrls.h"
#include "platform/streaming.h"
#include "platform/timers.h"

namespace {

template <class T>
class Reg {
 public:
  Reg(const std::string& name, const std::string& base, bool creatable = true)
      : cls_(RegisterComponentClass(
            name, base,
            creatable ? std::function<TComponent*(TComponent*)>(
                            [](TComponent* owner) -> TComponent* { return new T(owner); })
                      : nullptr)) {}

  Reg& Prop(const std::string& name, std::function<void(T&, const LayoutValue&, LoadContext&)> f) {
    cls_.properties[name] = [f](TComponent& c, const LayoutValue& v, LoadContext& ctx) {
      f(static_cast<T&>(c), v, ctx);
    };
    return *this;
  }
  Reg& Int(const std::string& name, void (T::*set)(int)) {
    return Prop(name, [set](T& t, const LayoutValue& v, LoadContext& c) { (t.*set)(AsInt(v, c)); });
  }
  Reg& Bool(const std::string& name, void (T::*set)(bool)) {
    return Prop(name,
                [set](T& t, const LayoutValue& v, LoadContext& c) { (t.*set)(AsBool(v, c)); });
  }
  // A reference to another component of the layout (or "form.component"), resolved once every
  // object of the layout exists.
  template <class R>
  Reg& Ref(const std::string& name, void (T::*set)(R*), const char* what) {
    return Prop(name, [set, what](T& t, const LayoutValue& v, LoadContext& c) {
      if (v.kind != LayoutValue::Kind::Ident)
        c.Fail(std::string("the name of ") + what + " was expected");
      std::string ref = v.text;
      c.Later([&t, &c, set, ref, what] {
        auto* r = dynamic_cast<R*>(c.Resolve(ref));
        if (!r) c.Fail(ref + " is no " + what);
        (t.*set)(r);
      });
    });
  }
  Reg& Event(const std::string& name, void (T::*set)(TNotifyEvent)) {
    return Prop(name, [set](T& t, const LayoutValue& v, LoadContext& c) {
      if (v.kind != LayoutValue::Kind::Ident) c.Fail("a handler name was expected");
      (t.*set)(c.Handler(v.text));
    });
  }

 private:
  ComponentClass& cls_;
};

void LoadPicture(TPicture& picture, const std::string& source, int w, int h, PictureFormat f) {
  std::string name = RenderedPictureName(source, w, h, f);
  QByteArray data = PictureData(name);
  if (f == PictureFormat::Jpeg && !name.ends_with(".png")) {
    picture.LoadJpegData(data, name);
  } else {
    QImage img = QImage::fromData(data);
    if (img.isNull()) throw EInvalidGraphic("the picture " + name + " cannot be read");
    picture.SetImage(img);
  }
}

void FontProperties(Reg<TControl>& r) {
  r.Prop("Font.Name", [](TControl& t, const LayoutValue& v,
                         LoadContext& c) { t.Font().SetName(AsString(v, c)); })
      .Prop("Font.Height", [](TControl& t, const LayoutValue& v,
                              LoadContext& c) { t.Font().SetHeight(AsInt(v, c)); })
      .Prop("Font.Size", [](TControl& t, const LayoutValue& v,
                            LoadContext& c) { t.Font().SetSize(AsInt(v, c)); })
      .Prop("Font.Color", [](TControl& t, const LayoutValue& v,
                             LoadContext& c) { t.Font().SetColor(AsColor(v, c)); })
      .Prop("Font.Style",
            [](TControl& t, const LayoutValue& v, LoadContext& c) {
              t.Font().SetStyle(AsSet(v, c,
                                      {{"fsBold", fsBold},
                                       {"fsItalic", fsItalic},
                                       {"fsUnderline", fsUnderline},
                                       {"fsStrikeOut", fsStrikeOut}}));
            })
      .Prop("Font.Charset", [](TControl& t, const LayoutValue& v, LoadContext& c) {
        t.Font().SetCharset(AsEnum<int>(v, c,
                                        {{"DEFAULT_CHARSET", 1},
                                         {"ANSI_CHARSET", 0},
                                         {"SYMBOL_CHARSET", 2},
                                         {"EASTEUROPE_CHARSET", 238}}));
        // The charset only chose a code page; the text is Unicode here, so it changes nothing,
        // but it marks the font as the control's own.
        t.SetParentFont(false);
      });
}

TAlignment AlignmentValue(const LayoutValue& v, LoadContext& c) {
  return AsEnum<TAlignment>(v, c,
                            {{"taLeftJustify", TAlignment::taLeftJustify},
                             {"taRightJustify", TAlignment::taRightJustify},
                             {"taCenter", TAlignment::taCenter}});
}

TBorderStyle BorderStyleValue(const LayoutValue& v, LoadContext& c) {
  return AsEnum<TBorderStyle>(v, c,
                              {{"bsNone", TBorderStyle::bsNone},
                               {"bsSingle", TBorderStyle::bsSingle},
                               {"sbsNone", TBorderStyle::bsNone},
                               {"sbsSingle", TBorderStyle::bsSingle},
                               {"sbsSunken", TBorderStyle::bsSingle}});
}

void RegisterControls() {
  Reg<TControl> control("TControl", "", false);
  control.Int("Left", &TControl::SetLeft)
      .Int("Top", &TControl::SetTop)
      .Int("Width", &TControl::SetWidth)
      .Int("Height", &TControl::SetHeight)
      .Bool("Visible", &TControl::SetVisible)
      .Bool("Enabled", &TControl::SetEnabled)
      .Prop("Caption",
            [](TControl& t, const LayoutValue& v, LoadContext& c) { t.SetCaption(AsString(v, c)); })
      .Prop("Text",
            [](TControl& t, const LayoutValue& v, LoadContext& c) { t.SetText(AsString(v, c)); })
      .Prop("Color",
            [](TControl& t, const LayoutValue& v, LoadContext& c) { t.SetColor(AsColor(v, c)); })
      .Bool("ParentColor", &TControl::SetParentColor)
      .Bool("ParentFont", &TControl::SetParentFont)
      .Prop("Align",
            [](TControl& t, const LayoutValue& v, LoadContext& c) {
              t.SetAlign(AsEnum<TAlign>(v, c,
                                        {{"alNone", TAlign::alNone},
                                         {"alTop", TAlign::alTop},
                                         {"alBottom", TAlign::alBottom},
                                         {"alLeft", TAlign::alLeft},
                                         {"alRight", TAlign::alRight},
                                         {"alClient", TAlign::alClient}}));
            })
      .Prop("Cursor",
            [](TControl& t, const LayoutValue& v, LoadContext& c) {
              t.SetCursor(AsEnum<TCursor>(v, c,
                                          {{"crDefault", crDefault},
                                           {"crArrow", crArrow},
                                           {"crHandPoint", crHandPoint},
                                           {"crIBeam", crIBeam},
                                           {"crCross", crCross}}));
            })
      .Prop("DragMode",
            [](TControl& t, const LayoutValue& v, LoadContext& c) {
              t.SetDragMode(AsEnum<TDragMode>(
                  v, c,
                  {{"dmManual", TDragMode::dmManual}, {"dmAutomatic", TDragMode::dmAutomatic}}));
            })
      .Prop("Hint",
            [](TControl& t, const LayoutValue& v, LoadContext& c) { t.SetHint(AsString(v, c)); })
      .Bool("ShowHint", &TControl::SetShowHint)
      .Prop("Tag", [](TControl& t, const LayoutValue& v, LoadContext& c) { t.SetTag(AsInt(v, c)); })
      .Event("OnClick", &TControl::SetOnClick);
  FontProperties(control);

  Reg<TWinControl>("TWinControl", "TControl", false)
      .Int("TabOrder", &TWinControl::SetTabOrder)
      .Bool("TabStop", &TWinControl::SetTabStop);

  Reg<TForm>("TForm", "TWinControl", false)
      .Prop("FormStyle",
            [](TForm& f, const LayoutValue& v, LoadContext& c) {
              f.SetFormStyle(AsEnum<TFormStyle>(v, c,
                                                {{"fsNormal", TFormStyle::fsNormal},
                                                 {"fsMDIChild", TFormStyle::fsMDIChild},
                                                 {"fsMDIForm", TFormStyle::fsMDIForm},
                                                 {"fsStayOnTop", TFormStyle::fsStayOnTop}}));
            })
      .Prop("BorderStyle",
            [](TForm& f, const LayoutValue& v, LoadContext& c) {
              f.SetBorderStyle(
                  AsEnum<TFormBorderStyle>(v, c,
                                           {{"bsNone", TFormBorderStyle::bsNone},
                                            {"bsSingle", TFormBorderStyle::bsSingle},
                                            {"bsSizeable", TFormBorderStyle::bsSizeable},
                                            {"bsDialog", TFormBorderStyle::bsDialog},
                                            {"bsToolWindow", TFormBorderStyle::bsToolWindow},
                                            {"bsSizeToolWin", TFormBorderStyle::bsSizeToolWin}}));
            })
      .Int("BorderWidth", &TForm::SetBorderWidth)
      .Prop("BorderIcons",
            [](TForm& f, const LayoutValue& v, LoadContext& c) {
              f.SetBorderIcons(AsSet(v, c,
                                     {{"biSystemMenu", biSystemMenu},
                                      {"biMinimize", biMinimize},
                                      {"biMaximize", biMaximize},
                                      {"biHelp", biHelp}}));
            })
      .Prop("WindowState",
            [](TForm& f, const LayoutValue& v, LoadContext& c) {
              f.SetWindowState(AsEnum<TWindowState>(v, c,
                                                    {{"wsNormal", TWindowState::wsNormal},
                                                     {"wsMinimized", TWindowState::wsMinimized},
                                                     {"wsMaximized", TWindowState::wsMaximized}}));
            })
      .Bool("AutoSize", &TForm::SetAutoSize)
      .Int("ClientWidth", &TForm::SetClientWidth)
      .Int("ClientHeight", &TForm::SetClientHeight)
      .Prop("HorzScrollBar.Visible",
            [](TForm&, const LayoutValue& v, LoadContext& c) {
              AsBool(v, c);  // forms never scroll here
            })
      .Ref("Menu", &TForm::SetMenu, "main menu")
      .Prop("Icon",
            [](TForm& f, const LayoutValue& v, LoadContext& c) {
              LoadPicture(f.Icon(), AsString(v, c), 0, 0, PictureFormat::Png);
            })
      .Event("OnCreate", &TForm::SetOnCreate)
      .Event("OnShow", &TForm::SetOnShow)
      .Event("OnActivate", &TForm::SetOnActivate)
      .Event("OnDestroy", &TForm::SetOnDestroy)
      .Event("OnClose", &TForm::SetOnClose);

  Reg<TLabel>("TLabel", "TControl")
      .Bool("AutoSize", &TLabel::SetAutoSize)
      .Bool("WordWrap", &TLabel::SetWordWrap)
      .Bool("Transparent", &TLabel::SetTransparent)
      .Prop("Alignment", [](TLabel& t, const LayoutValue& v,
                            LoadContext& c) { t.SetAlignment(AlignmentValue(v, c)); })
      .Prop("Layout", [](TLabel& t, const LayoutValue& v, LoadContext& c) {
        t.SetLayout(AsEnum<TTextLayout>(v, c,
                                        {{"tlTop", TTextLayout::tlTop},
                                         {"tlCenter", TTextLayout::tlCenter},
                                         {"tlBottom", TTextLayout::tlBottom}}));
      });

  Reg<TStaticText>("TStaticText", "TWinControl")
      .Bool("AutoSize", &TStaticText::SetAutoSize)
      .Bool("Transparent", &TStaticText::SetTransparent)
      .Prop("Alignment", [](TStaticText& t, const LayoutValue& v,
                            LoadContext& c) { t.SetAlignment(AlignmentValue(v, c)); })
      .Prop("BorderStyle", [](TStaticText& t, const LayoutValue& v, LoadContext& c) {
        t.SetBorderStyle(BorderStyleValue(v, c));
      });

  Reg<TGroupBox>("TGroupBox", "TWinControl");
  Reg<TPanel>("TPanel", "TWinControl")
      .Prop("BevelOuter",
            [](TPanel& t, const LayoutValue& v, LoadContext& c) {
              t.SetBevelOuter(AsEnum<TBevelCut>(v, c,
                                                {{"bvNone", TBevelCut::bvNone},
                                                 {"bvLowered", TBevelCut::bvLowered},
                                                 {"bvRaised", TBevelCut::bvRaised}}));
            })
      .Prop("BevelInner", [](TPanel& t, const LayoutValue& v, LoadContext& c) {
        t.SetBevelInner(AsEnum<TBevelCut>(v, c,
                                          {{"bvNone", TBevelCut::bvNone},
                                           {"bvLowered", TBevelCut::bvLowered},
                                           {"bvRaised", TBevelCut::bvRaised}}));
      });

  Reg<TMemo>("TMemo", "TWinControl")
      .Prop("Lines.Strings",
            [](TMemo& t, const LayoutValue& v, LoadContext& c) { t.Lines().Assign(AsList(v, c)); })
      .Bool("ReadOnly", &TMemo::SetReadOnly)
      .Bool("WordWrap", &TMemo::SetWordWrap)
      .Prop("BorderStyle", [](TMemo& t, const LayoutValue& v,
                              LoadContext& c) { t.SetBorderStyle(BorderStyleValue(v, c)); })
      .Prop("ScrollBars",
            [](TMemo& t, const LayoutValue& v, LoadContext& c) {
              t.SetScrollBars(AsEnum<TScrollStyle>(v, c,
                                                   {{"ssNone", TScrollStyle::ssNone},
                                                    {"ssHorizontal", TScrollStyle::ssHorizontal},
                                                    {"ssVertical", TScrollStyle::ssVertical},
                                                    {"ssBoth", TScrollStyle::ssBoth}}));
            })
      .Prop("Alignment", [](TMemo& t, const LayoutValue& v,
                            LoadContext& c) { t.SetAlignment(AlignmentValue(v, c)); })
      .Event("OnChange", &TMemo::SetOnChange);

  Reg<TEdit>("TEdit", "TWinControl")
      .Bool("ReadOnly", &TEdit::SetReadOnly)
      .Bool("HideSelection", &TEdit::SetHideSelection)
      .Bool("AutoSelect", &TEdit::SetAutoSelect)
      .Int("MaxLength", &TEdit::SetMaxLength)
      .Prop("CharCase",
            [](TEdit& t, const LayoutValue& v, LoadContext& c) {
              t.SetCharCase(AsEnum<TEditCharCase>(v, c,
                                                  {{"ecNormal", TEditCharCase::ecNormal},
                                                   {"ecUpperCase", TEditCharCase::ecUpperCase},
                                                   {"ecLowerCase", TEditCharCase::ecLowerCase}}));
            })
      .Prop("BorderStyle", [](TEdit& t, const LayoutValue& v,
                              LoadContext& c) { t.SetBorderStyle(BorderStyleValue(v, c)); })
      .Event("OnChange", &TEdit::SetOnChange);

  Reg<TButton>("TButton", "TWinControl");
  Reg<TMaskEdit>("TMaskEdit", "TEdit")
      .Prop("EditMask", [](TMaskEdit&, const LayoutValue& v, LoadContext& c) {
        if (!AsString(v, c).empty()) c.Fail("the book's masked edits have no mask");
      });
  Reg<TRadioButton>("TRadioButton", "TWinControl").Bool("Checked", &TRadioButton::SetChecked);
  Reg<TComboBox>("TComboBox", "TWinControl")
      .Prop("Items.Strings", [](TComboBox& t, const LayoutValue& v,
                                LoadContext& c) { t.Items().Assign(AsList(v, c)); })
      .Int("ItemIndex", &TComboBox::SetItemIndex)
      .Prop("Style",
            [](TComboBox& t, const LayoutValue& v, LoadContext& c) {
              t.SetStyle(
                  AsEnum<TComboBoxStyle>(v, c,
                                         {{"csDropDown", TComboBoxStyle::csDropDown},
                                          {"csDropDownList", TComboBoxStyle::csDropDownList}}));
            })
      .Event("OnChange", &TComboBox::SetOnChange);
  Reg<TListBox>("TListBox", "TWinControl")
      .Prop("Items.Strings", [](TListBox& t, const LayoutValue& v,
                                LoadContext& c) { t.Items().Assign(AsList(v, c)); })
      .Int("ItemHeight", &TListBox::SetItemHeight);

  auto glyph = [](auto& button, const LayoutValue& v, LoadContext& c) {
    LoadPicture(button.Glyph(), AsString(v, c), 0, 0, PictureFormat::Png);
  };
  Reg<TSpeedButton>("TSpeedButton", "TControl")
      .Prop("Glyph",
            [glyph](TSpeedButton& t, const LayoutValue& v, LoadContext& c) { glyph(t, v, c); })
      .Int("NumGlyphs", &TSpeedButton::SetNumGlyphs)
      .Bool("Flat", &TSpeedButton::SetFlat)
      .Bool("Down", &TSpeedButton::SetDown)
      .Int("GroupIndex", &TSpeedButton::SetGroupIndex)
      .Bool("AllowAllUp", &TSpeedButton::SetAllowAllUp)
      .Int("Spacing", &TSpeedButton::SetSpacing)
      .Int("Margin", &TSpeedButton::SetMargin)
      .Prop("Layout", [](TSpeedButton& t, const LayoutValue& v, LoadContext& c) {
        t.SetLayout(AsEnum<TButtonLayout>(v, c,
                                          {{"blGlyphLeft", TButtonLayout::blGlyphLeft},
                                           {"blGlyphRight", TButtonLayout::blGlyphRight},
                                           {"blGlyphTop", TButtonLayout::blGlyphTop},
                                           {"blGlyphBottom", TButtonLayout::blGlyphBottom}}));
      });
  Reg<TBitBtn>("TBitBtn", "TWinControl")
      .Prop("Glyph", [glyph](TBitBtn& t, const LayoutValue& v, LoadContext& c) { glyph(t, v, c); })
      .Int("NumGlyphs", &TBitBtn::SetNumGlyphs);

  Reg<TImage>("TImage", "TControl")
      .Prop("Picture",
            [](TImage& t, const LayoutValue& v, LoadContext& c) {
              std::string source = AsString(v, c);
              // The box's final size decides which rendering is loaded.
              c.Later([&t, source] {
                LoadPicture(t.Picture(), source, t.Width(), t.Height(), PictureFormat::Jpeg);
              });
            })
      .Bool("AutoSize", &TImage::SetAutoSize)
      .Bool("Center", &TImage::SetCenter)
      .Bool("Stretch", &TImage::SetStretch)
      .Bool("Proportional", &TImage::SetProportional)
      .Bool("Transparent", &TImage::SetTransparent);

  Reg<TShape>("TShape", "TControl")
      .Prop("Shape",
            [](TShape& t, const LayoutValue& v, LoadContext& c) {
              t.SetShape(AsEnum<TShapeType>(v, c,
                                            {{"stRectangle", TShapeType::stRectangle},
                                             {"stSquare", TShapeType::stSquare},
                                             {"stRoundRect", TShapeType::stRoundRect},
                                             {"stRoundSquare", TShapeType::stRoundSquare},
                                             {"stEllipse", TShapeType::stEllipse},
                                             {"stCircle", TShapeType::stCircle}}));
            })
      .Prop("Pen.Color",
            [](TShape& t, const LayoutValue& v, LoadContext& c) {
              t.Pen().SetColor(AsColor(v, c));
              t.Invalidate();
            })
      .Prop("Pen.Width",
            [](TShape& t, const LayoutValue& v, LoadContext& c) {
              t.Pen().SetWidth(AsInt(v, c));
              t.Invalidate();
            })
      .Prop("Pen.Style",
            [](TShape& t, const LayoutValue& v, LoadContext& c) {
              t.SetPenStyle(AsEnum<TPenStyle>(v, c,
                                              {{"psSolid", TPenStyle::psSolid},
                                               {"psDash", TPenStyle::psDash},
                                               {"psDot", TPenStyle::psDot},
                                               {"psClear", TPenStyle::psClear}}));
            })
      .Prop("Brush.Color",
            [](TShape& t, const LayoutValue& v, LoadContext& c) {
              t.Brush().SetColor(AsColor(v, c));
              t.Invalidate();
            })
      .Prop("Brush.Style", [](TShape& t, const LayoutValue& v, LoadContext& c) {
        t.SetBrushStyle(AsEnum<TBrushStyle>(
            v, c, {{"bsSolid", TBrushStyle::bsSolid}, {"bsClear", TBrushStyle::bsClear}}));
      });

  Reg<TRichEdit>("TRichEdit", "TWinControl")
      .Prop("Lines.Strings", [](TRichEdit& t, const LayoutValue& v,
                                LoadContext& c) { t.Lines().Assign(AsList(v, c)); })
      .Bool("ReadOnly", &TRichEdit::SetReadOnly)
      .Bool("WordWrap", &TRichEdit::SetWordWrap)
      .Prop("BorderStyle", [](TRichEdit& t, const LayoutValue& v, LoadContext& c) {
        t.SetBorderStyle(BorderStyleValue(v, c));
      });

  Reg<TPageControl>("TPageControl", "TWinControl")
      .Prop("Style",
            [](TPageControl& t, const LayoutValue& v, LoadContext& c) {
              t.SetStyle(AsEnum<TTabStyle>(v, c,
                                           {{"tsTabs", TTabStyle::tsTabs},
                                            {"tsButtons", TTabStyle::tsButtons},
                                            {"tsFlatButtons", TTabStyle::tsFlatButtons}}));
            })
      .Ref("Images", &TPageControl::SetImages, "image list")
      .Int("ActivePageIndex", &TPageControl::SetActivePageIndex)
      .Event("OnChange", &TPageControl::SetOnChange);
  Reg<TTabSheet>("TTabSheet", "TWinControl")
      .Int("ImageIndex", &TTabSheet::SetImageIndex)
      .Bool("TabVisible", &TTabSheet::SetTabVisible);
  Reg<TUpDown>("TUpDown", "TControl")
      .Int("Min", &TUpDown::SetMin)
      .Int("Max", &TUpDown::SetMax)
      .Int("Position", &TUpDown::SetPosition)
      .Int("Increment", &TUpDown::SetIncrement)
      .Prop("Orientation",
            [](TUpDown& t, const LayoutValue& v, LoadContext& c) {
              t.SetOrientation(
                  AsEnum<TUDOrientation>(v, c,
                                         {{"udVertical", TUDOrientation::udVertical},
                                          {"udHorizontal", TUDOrientation::udHorizontal}}));
            })
      .Ref("Associate", &TUpDown::SetAssociate, "control that arrows can step");

  Reg<TToolBar>("TToolBar", "TWinControl")
      .Int("ButtonWidth", &TToolBar::SetButtonWidth)
      .Int("ButtonHeight", &TToolBar::SetButtonHeight)
      .Bool("Flat", &TToolBar::SetFlat)
      .Bool("ShowCaptions", &TToolBar::SetShowCaptions)
      .Bool("Transparent", &TToolBar::SetTransparent)
      .Bool("Wrapable", &TToolBar::SetWrapable)
      .Int("Indent", &TToolBar::SetIndent)
      .Ref("Images", &TToolBar::SetImages, "image list");

  Reg<TToolButton>("TToolButton", "TControl")
      .Int("ImageIndex", &TToolButton::SetImageIndex)
      .Bool("Down", &TToolButton::SetDown)
      .Bool("AutoSize", &TToolButton::SetAutoSize)
      .Bool("Grouped", &TToolButton::SetGrouped)
      .Prop("Style", [](TToolButton& t, const LayoutValue& v, LoadContext& c) {
        t.SetStyle(AsEnum<TToolButtonStyle>(v, c,
                                            {{"tbsButton", TToolButtonStyle::tbsButton},
                                             {"tbsCheck", TToolButtonStyle::tbsCheck},
                                             {"tbsDropDown", TToolButtonStyle::tbsDropDown},
                                             {"tbsSeparator", TToolButtonStyle::tbsSeparator},
                                             {"tbsDivider", TToolButtonStyle::tbsDivider}}));
      });
}

void RegisterComponents() {
  Reg<TTimer>("TTimer", "")
      .Bool("Enabled", &TTimer::SetEnabled)
      .Int("Interval", &TTimer::SetInterval)
      .Event("OnTimer", &TTimer::SetOnTimer);

  Reg<TMainMenu>("TMainMenu", "");
  Reg<TMenuItem>("TMenuItem", "")
      .Prop("Caption", [](TMenuItem& t, const LayoutValue& v,
                          LoadContext& c) { t.SetCaption(AsString(v, c)); })
      .Bool("Enabled", &TMenuItem::SetEnabled)
      .Bool("Visible", &TMenuItem::SetVisible)
      .Bool("Checked", &TMenuItem::SetChecked)
      .Prop("Bitmap",
            [](TMenuItem& t, const LayoutValue& v, LoadContext& c) {
              LoadPicture(t.Bitmap(), AsString(v, c), 0, 0, PictureFormat::Png);
            })
      .Event("OnClick", &TMenuItem::SetOnClick);

  Reg<TImageList>("TImageList", "")
      .Int("Width", &TImageList::SetWidth)
      .Int("Height", &TImageList::SetHeight)
      .Prop("Pictures.Strings", [](TImageList& t, const LayoutValue& v, LoadContext& c) {
        std::vector<std::string> sources = AsList(v, c);
        c.Later([&t, sources] {
          for (const std::string& s : sources) {
            TPicture p;
            LoadPicture(p, s, t.Width(), t.Height(), PictureFormat::Png);
            t.Add(p.Image());
          }
        });
      });
}

}  // namespace

void RegisterStandardClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  RegisterControls();
  RegisterComponents();
}
