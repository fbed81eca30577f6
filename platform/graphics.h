// Colours, fonts, pens, brushes, the canvas and pictures.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

// A 24-bit colour with red in the low byte ($BBGGRR), as the controls take it; 255 is red.
// Values with the high byte $FF are system colours (clBtnFace and the like).
using TColor = std::int32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clMoneyGreen = 0xC0DCC0;
inline constexpr TColor clSkyBlue = 0xF0CAA6;
inline constexpr TColor clCream = 0xF0FBFF;
inline constexpr TColor clMedGray = 0xA4A0A0;
inline constexpr TColor clNone = 0x1FFFFFFF;
// System colours.
inline constexpr TColor clScrollBar = static_cast<TColor>(0xFF000000);
inline constexpr TColor clBackground = static_cast<TColor>(0xFF000001);
inline constexpr TColor clWindow = static_cast<TColor>(0xFF000005);
inline constexpr TColor clWindowText = static_cast<TColor>(0xFF000008);
inline constexpr TColor clBtnFace = static_cast<TColor>(0xFF00000F);
inline constexpr TColor clBtnShadow = static_cast<TColor>(0xFF000010);
inline constexpr TColor clGrayText = static_cast<TColor>(0xFF000011);
inline constexpr TColor clBtnText = static_cast<TColor>(0xFF000012);
inline constexpr TColor clHighlight = static_cast<TColor>(0xFF00000D);
inline constexpr TColor clHighlightText = static_cast<TColor>(0xFF00000E);
inline constexpr TColor clInfoBk = static_cast<TColor>(0xFF000018);

// The plain RGB value of a colour (system colours resolved), still $BBGGRR.
TColor ColorToRGB(TColor color);
QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);
// A colour by its name ("clMoneyGreen"), or false.
bool IdentToColor(std::string_view name, TColor& color);

struct TPoint {
  int X = 0, Y = 0;
};

// Left, top, right, bottom; right and bottom are exclusive, as in the class library.
struct TRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// Font styles, a set.
using TFontStyles = unsigned;
inline constexpr TFontStyles fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8;

// A font: `Height` -n is a font of n pixels; `Size` is in points at 96 dpi. Writing any property
// calls OnChange (the control then applies it).
class TFont {
 public:
  const std::string& Name() const { return name_; }
  void SetName(std::string name);
  int Height() const { return height_; }
  void SetHeight(int height);
  int Size() const;
  void SetSize(int points);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Charset() const { return charset_; }
  void SetCharset(int charset) { charset_ = charset; }
  void Assign(const TFont& other);
  bool operator==(const TFont& o) const {
    return name_ == o.name_ && height_ == o.height_ && style_ == o.style_ && color_ == o.color_;
  }

  // The installed font that stands in for this one. MS Sans Serif keeps the sizes of the
  // Windows bitmap font (11, 13, 16, 19, 24 and 32 px), for which the layouts were measured.
  QFont ToQFont() const;
  // Whether text in this font is written in the Symbol font's letters (p is π).
  bool IsSymbol() const;
  // The same for a font name.
  static bool NamesSymbol(std::string_view name);

  std::function<void()> OnChange;

 private:
  void Changed();
  std::string name_ = "MS Sans Serif";
  int height_ = -11;
  TFontStyles style_ = 0;
  TColor color_ = clWindowText;
  int charset_ = 1;
};

// The height of one line of text in a font, as the controls space lines.
int TextLineHeight(const TFont& font);

// The family that stands in for a Windows font name (MS Sans Serif -> Liberation Sans, ...).
QString MapFontFamily(std::string_view windowsName);
// Text of the Symbol font shown with its Greek letters.
QString SymbolToUnicode(const QString& text);
// Registers the substitutions of the Windows font names with Qt, once per process.
void InstallFontSubstitutions();

class TPen {
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor color) { color_ = color; }
  int Width() const { return width_; }
  void SetWidth(int width) { width_ = width < 1 ? 1 : width; }

 private:
  TColor color_ = clBlack;
  int width_ = 1;
};

class TBrush {
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor color) { color_ = color; }

 private:
  TColor color_ = clWhite;
};

// Draws on a bitmap. Lines leave out their end point and everything is clipped to the bitmap,
// as the class library's canvas does. OnChange runs after every drawing operation.
class TCanvas {
 public:
  explicit TCanvas(QImage* target) : target_(target) {}

  TPen& Pen() { return pen_; }
  TBrush& Brush() { return brush_; }
  TFont& Font() { return font_; }
  TPoint PenPos() const { return pos_; }

  void MoveTo(int x, int y) { pos_ = {x, y}; }
  // A line from the pen position to (x, y) without the end point; the pen moves there.
  void LineTo(int x, int y);
  // Fills left..right-1 × top..bottom-1 with the brush colour.
  void FillRect(const TRect& rect);
  TColor Pixel(int x, int y) const;  // clNone outside the bitmap
  void SetPixel(int x, int y, TColor color);
  void TextOut(int x, int y, std::string_view text);
  int TextWidth(std::string_view text) const;
  int TextHeight(std::string_view text) const;
  // Copies a picture to (x, y).
  void Draw(int x, int y, const QImage& image);

  int Width() const { return target_ ? target_->width() : 0; }
  int Height() const { return target_ ? target_->height() : 0; }

  std::function<void()> OnChange;

 private:
  void Changed() {
    if (OnChange) OnChange();
  }
  QImage* target_;
  TPen pen_;
  TBrush brush_;
  TFont font_;
  TPoint pos_;
};

// A picture: empty, embedded JPEG data (decoded on first use), or a bitmap that can be drawn on.
class TPicture {
 public:
  TPicture();
  ~TPicture();

  bool Empty() const;
  int Width() const;
  int Height() const;

  // Loads a picture file, the format chosen by its extension (.jpg and .jpeg through libjpeg,
  // .bmp and .png). The picture changes only when loading succeeded; otherwise raises
  // EFOpenError (the file cannot be opened) or EInvalidGraphic (unknown extension, broken file).
  void LoadFromFile(const std::string& fileName);
  // JPEG data embedded in a layout; `name` names it in error messages. The header is read at
  // once (raises EInvalidGraphic when it is no JPEG); the pixels are decoded when first needed.
  void LoadJpegData(const QByteArray& data, const std::string& name);
  // A picture already decoded (PNG glyphs, tests).
  void SetImage(const QImage& image);
  void Clear();

  // The decoded picture (a null image when empty).
  const QImage& Image() const;
  // The canvas of the picture's bitmap. An empty picture first becomes a white bitmap of
  // width × height; a JPEG becomes a bitmap of its pixels.
  TCanvas& Canvas(int width, int height);
  bool HasCanvas() const { return canvas_ != nullptr; }

  std::function<void()> OnChange;

 private:
  void Changed();
  void Decode() const;

  mutable QImage image_;
  QByteArray jpeg_;
  std::string jpegName_;
  int width_ = 0, height_ = 0;
  mutable bool decoded_ = true;
  std::unique_ptr<TCanvas> canvas_;
};
