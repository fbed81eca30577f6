#include "platform/graphics.h"

#include <strings.h>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/jpeg.h"
#include "platform/paths.h"
#include "platform/sysutils.h"

// ---- colours ------------------------------------------------------------------------------

TColor ColorToRGB(TColor color) {
  if ((static_cast<std::uint32_t>(color) & 0xFF000000u) != 0xFF000000u) return color & 0xFFFFFF;
  switch (color & 0xFF) {
    case 0x05:
      return 0xFFFFFF;  // clWindow
    case 0x08:
      return 0x000000;  // clWindowText
    case 0x0D:
      return 0x6A240A;  // clHighlight
    case 0x0E:
      return 0xFFFFFF;  // clHighlightText
    case 0x10:
      return 0x808080;  // clBtnShadow
    case 0x11:
      return 0x808080;  // clGrayText
    case 0x12:
      return 0x000000;  // clBtnText
    case 0x18:
      return 0xE1FFFF;  // clInfoBk
    case 0x00:
      return 0xC8D0D4;  // clScrollBar
    case 0x01:
      return 0x000000;  // clBackground
    default:
      return 0xC8D0D4;  // clBtnFace and the other face colours
  }
}

QColor ToQColor(TColor color) {
  TColor rgb = ColorToRGB(color);
  return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

TColor FromQColor(const QColor& c) {
  return c.red() | (c.green() << 8) | (c.blue() << 16);
}

bool IdentToColor(std::string_view name, TColor& color) {
  static const struct {
    const char* name;
    TColor value;
  } table[] = {
      {"clBlack", clBlack},
      {"clMaroon", clMaroon},
      {"clGreen", clGreen},
      {"clOlive", clOlive},
      {"clNavy", clNavy},
      {"clPurple", clPurple},
      {"clTeal", clTeal},
      {"clGray", clGray},
      {"clSilver", clSilver},
      {"clRed", clRed},
      {"clLime", clLime},
      {"clYellow", clYellow},
      {"clBlue", clBlue},
      {"clFuchsia", clFuchsia},
      {"clAqua", clAqua},
      {"clWhite", clWhite},
      {"clMoneyGreen", clMoneyGreen},
      {"clSkyBlue", clSkyBlue},
      {"clCream", clCream},
      {"clMedGray", clMedGray},
      {"clNone", clNone},
      {"clScrollBar", clScrollBar},
      {"clBackground", clBackground},
      {"clWindow", clWindow},
      {"clWindowText", clWindowText},
      {"clBtnFace", clBtnFace},
      {"clBtnShadow", clBtnShadow},
      {"clGrayText", clGrayText},
      {"clBtnText", clBtnText},
      {"clHighlight", clHighlight},
      {"clHighlightText", clHighlightText},
      {"clInfoBk", clInfoBk},
  };
  for (const auto& e : table) {
    if (name.size() == std::strlen(e.name) && strncasecmp(name.data(), e.name, name.size()) == 0) {
      color = e.value;
      return true;
    }
  }
  return false;
}

// ---- fonts ----------------------------------------------------------------------------------

namespace {

bool SameName(std::string_view a, const char* b) {
  return a.size() == std::strlen(b) && strncasecmp(a.data(), b, a.size()) == 0;
}

}  // namespace

QString MapFontFamily(std::string_view name) {
  if (SameName(name, "MS Sans Serif") || SameName(name, "Microsoft Sans Serif") ||
      SameName(name, "Arial") || SameName(name, "Tahoma") || SameName(name, "MS Shell Dlg") ||
      SameName(name, "MS Shell Dlg 2")) {
    return QStringLiteral("Liberation Sans");
  }
  if (SameName(name, "Times New Roman") || SameName(name, "ZapfEllipt BT")) {
    return QStringLiteral("Liberation Serif");
  }
  if (SameName(name, "Courier New") || SameName(name, "Courier")) {
    return QStringLiteral("Liberation Mono");
  }
  if (SameName(name, "Verdana")) return QStringLiteral("DejaVu Sans");
  if (SameName(name, "Symbol")) return QStringLiteral("DejaVu Serif");
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

void InstallFontSubstitutions() {
  static bool done = false;
  if (done) return;
  done = true;
  for (const char* name :
       {"MS Sans Serif", "Microsoft Sans Serif", "Arial", "Tahoma", "Times New Roman",
        "ZapfEllipt BT", "Courier New", "Verdana", "Symbol"}) {
    QFont::insertSubstitution(QString::fromLatin1(name), MapFontFamily(name));
  }
}

QString SymbolToUnicode(const QString& text) {
  static const char16_t lower[26] = {u'α', u'β', u'χ', u'δ', u'ε', u'φ', u'γ', u'η', u'ι',
                                     u'ϕ', u'κ', u'λ', u'μ', u'ν', u'ο', u'π', u'θ', u'ρ',
                                     u'σ', u'τ', u'υ', u'ϖ', u'ω', u'ξ', u'ψ', u'ζ'};
  static const char16_t upper[26] = {u'Α', u'Β', u'Χ', u'Δ', u'Ε', u'Φ', u'Γ', u'Η', u'Ι',
                                     u'ϑ', u'Κ', u'Λ', u'Μ', u'Ν', u'Ο', u'Π', u'Θ', u'Ρ',
                                     u'Σ', u'Τ', u'Υ', u'ς', u'Ω', u'Ξ', u'Ψ', u'Ζ'};
  QString out = text;
  for (QChar& c : out) {
    char16_t u = c.unicode();
    if (u >= 'a' && u <= 'z') c = QChar(lower[u - 'a']);
    if (u >= 'A' && u <= 'Z') c = QChar(upper[u - 'A']);
  }
  return out;
}

void TFont::Changed() {
  if (OnChange) OnChange();
}

void TFont::SetName(std::string name) {
  if (name == name_) return;
  name_ = std::move(name);
  Changed();
}

void TFont::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  Changed();
}

int TFont::Size() const {
  // Size = -MulDiv(Height, 72, 96), rounded as MulDiv rounds.
  int h = height_ < 0 ? -height_ : height_;
  int size = (h * 72 + 48) / 96;
  return height_ < 0 ? size : -size;
}

void TFont::SetSize(int points) {
  SetHeight(-((points * 96 + 36) / 72));
}

void TFont::SetStyle(TFontStyles style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TFont::Assign(const TFont& other) {
  if (*this == other) return;
  name_ = other.name_;
  height_ = other.height_;
  style_ = other.style_;
  color_ = other.color_;
  charset_ = other.charset_;
  Changed();
}

int TextLineHeight(const TFont& font) {
  return QFontMetrics(font.ToQFont()).height();
}

bool TFont::IsSymbol() const {
  return NamesSymbol(name_);
}

bool TFont::NamesSymbol(std::string_view name) {
  return SameName(name, "Symbol");
}

QFont TFont::ToQFont() const {
  QFont f(MapFontFamily(name_));
  // A negative height is the character height in pixels; a positive one the cell height,
  // of which the character takes about four fifths.
  int px = height_ < 0 ? -height_ : (height_ * 4 + 2) / 5;
  // MS Sans Serif is a bitmap font in a few sizes; Windows draws a request with the largest
  // size that does not exceed it, and the layouts are measured for that.
  if (SameName(name_, "MS Sans Serif")) {
    static const int sizes[] = {32, 24, 19, 16, 13, 11};
    int chosen = 11;
    for (int s : sizes) {
      if (px >= s) {
        chosen = s;
        break;
      }
    }
    px = chosen;
    // Liberation Sans runs about 7 % wider than the bitmap font; narrowed, long lines of the
    // layouts stay on one line as they were written.
    f.setStretch(93);
  }
  f.setPixelSize(std::max(px, 1));
  f.setBold(style_ & fsBold);
  f.setItalic((style_ & fsItalic) || SameName(name_, "ZapfEllipt BT"));
  f.setUnderline(style_ & fsUnderline);
  f.setStrikeOut(style_ & fsStrikeOut);
  f.setHintingPreference(QFont::PreferFullHinting);
  return f;
}

// ---- canvas ---------------------------------------------------------------------------------

namespace {

inline QRgb ToRgb(TColor color) {
  TColor c = ColorToRGB(color);
  return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

}  // namespace

void TCanvas::LineTo(int x, int y) {
  const int x0 = pos_.X, y0 = pos_.Y;
  pos_ = {x, y};
  if (!target_ || target_->isNull()) return;
  if (pen_.Width() > 1) {
    QPainter p(target_);
    p.setPen(QPen(ToQColor(pen_.Color()), pen_.Width()));
    p.drawLine(x0, y0, x, y);
    Changed();
    return;
  }
  const int w = target_->width(), h = target_->height();
  const long long dx = std::llabs(static_cast<long long>(x) - x0);
  const long long dy = std::llabs(static_cast<long long>(y) - y0);
  const int sx = x >= x0 ? 1 : -1, sy = y >= y0 ? 1 : -1;
  const long long n = std::max(dx, dy);  // steps; the end point (step n) is left out
  if (n == 0) return;
  const QRgb rgb = ToRgb(pen_.Color());
  // Step i along the major axis puts the minor coordinate at round(i * minor / major), halves
  // away from the start. Only the steps whose major coordinate lies inside the bitmap are
  // walked, so a line that reaches far outside costs no more than the bitmap's size.
  const bool xMajor = dx >= dy;
  const long long major0 = xMajor ? x0 : y0;
  const int majorSign = xMajor ? sx : sy;
  const long long majorLimit = xMajor ? w : h;
  long long first = 0, last = n - 1;
  if (majorSign > 0) {
    first = std::max(first, -major0);
    last = std::min(last, majorLimit - 1 - major0);
  } else {
    first = std::max(first, major0 - (majorLimit - 1));
    last = std::min(last, major0);
  }
  const long long dMajor = xMajor ? dx : dy, dMinor = xMajor ? dy : dx;
  // One detach check for the whole line, not one a pixel.
  QRgb* bits = reinterpret_cast<QRgb*>(target_->bits());
  const qsizetype stride = target_->bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
  for (long long i = first; i <= last; ++i) {
    long long off = (2 * i * dMinor + dMajor) / (2 * dMajor);
    long long px, py;
    if (xMajor) {
      px = x0 + sx * i;
      py = y0 + sy * off;
    } else {
      py = y0 + sy * i;
      px = x0 + sx * off;
    }
    if (px < 0 || py < 0 || px >= w || py >= h) continue;
    bits[py * stride + px] = rgb;
  }
  Changed();
}

void TCanvas::FillRect(const TRect& r) {
  if (!target_ || target_->isNull()) return;
  int l = std::max(r.Left, 0), t = std::max(r.Top, 0);
  int rr = std::min(r.Right, target_->width()), b = std::min(r.Bottom, target_->height());
  if (l >= rr || t >= b) return;
  const QRgb rgb = ToRgb(brush_.Color());
  QRgb* bits = reinterpret_cast<QRgb*>(target_->bits());
  const qsizetype stride = target_->bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
  for (int yy = t; yy < b; ++yy) std::fill(bits + yy * stride + l, bits + yy * stride + rr, rgb);
  Changed();
}

TColor TCanvas::Pixel(int x, int y) const {
  if (!target_ || x < 0 || y < 0 || x >= target_->width() || y >= target_->height()) {
    return clNone;
  }
  QRgb p = target_->pixel(x, y);
  return qRed(p) | (qGreen(p) << 8) | (qBlue(p) << 16);
}

void TCanvas::SetPixel(int x, int y, TColor color) {
  if (!target_ || x < 0 || y < 0 || x >= target_->width() || y >= target_->height()) return;
  reinterpret_cast<QRgb*>(target_->scanLine(y))[x] = ToRgb(color);
  Changed();
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
  if (!target_ || target_->isNull()) return;
  QPainter p(target_);
  QFont f = font_.ToQFont();
  p.setFont(f);
  QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  if (font_.IsSymbol()) s = SymbolToUnicode(s);
  QFontMetrics fm(f);
  p.fillRect(QRect(x, y, fm.horizontalAdvance(s), fm.height()), ToQColor(brush_.Color()));
  p.setPen(ToQColor(font_.Color()));
  p.drawText(x, y + fm.ascent(), s);
  pos_ = {x + fm.horizontalAdvance(s), y};
  Changed();
}

int TCanvas::TextWidth(std::string_view text) const {
  QFontMetrics fm(font_.ToQFont());
  return fm.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

int TCanvas::TextHeight(std::string_view) const {
  return QFontMetrics(font_.ToQFont()).height();
}

void TCanvas::Draw(int x, int y, const QImage& image) {
  if (!target_ || target_->isNull() || image.isNull()) return;
  QPainter p(target_);
  p.drawImage(x, y, image);
  Changed();
}

// ---- pictures -------------------------------------------------------------------------------

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Changed() {
  if (OnChange) OnChange();
}

bool TPicture::Empty() const {
  return width_ == 0 && height_ == 0 && image_.isNull();
}
int TPicture::Width() const {
  return width_;
}
int TPicture::Height() const {
  return height_;
}

void TPicture::Decode() const {
  if (decoded_) return;
  decoded_ = true;
  try {
    image_ = DecodeJpeg(jpeg_, jpegName_);
  } catch (const EInvalidGraphic&) {
    // Layout pictures are checked when the program is built; should one still be broken, it
    // shows as a white box of its size rather than stopping the page.
    image_ = QImage(width_, height_, QImage::Format_RGB32);
    image_.fill(Qt::white);
  }
}

const QImage& TPicture::Image() const {
  Decode();
  return image_;
}

void TPicture::LoadFromFile(const std::string& fileName) {
  std::string path = NormalizePath(fileName);
  std::string ext;
  if (auto dot = path.find_last_of('.');
      dot != std::string::npos && path.find('/', dot) == std::string::npos) {
    ext = path.substr(dot + 1);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  const bool jpeg = ext == "jpg" || ext == "jpeg";
  if (!jpeg && ext != "bmp" && ext != "png") {
    throw EInvalidGraphic("Unknown picture file extension (." + ext + ")");
  }
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) {
    int err = errno;
    if (!QFileInfo::exists(file.fileName())) err = ENOENT;
    throw EFOpenError("Cannot open file \"" + ExpandFileName(path) + "\". " +
                      std::strerror(err ? err : ENOENT));
  }
  QByteArray data = file.readAll();
  QImage decoded;
  if (jpeg) {
    decoded = DecodeJpeg(data, path);
  } else {
    QBuffer buffer(&data);
    QImageReader reader(&buffer);
    if (const QSize size = reader.size(); size.isValid()) CheckPictureSize(size, path);
    decoded = reader.read();
    if (decoded.isNull()) throw EInvalidGraphic("Invalid picture data in \"" + path + "\"");
  }
  canvas_.reset();
  jpeg_.clear();
  image_ = decoded;
  decoded_ = true;
  width_ = image_.width();
  height_ = image_.height();
  Changed();
}

void TPicture::LoadJpegData(const QByteArray& data, const std::string& name) {
  QSize size = ReadJpegSize(data, name);
  canvas_.reset();
  image_ = QImage();
  jpeg_ = data;
  jpegName_ = name;
  width_ = size.width();
  height_ = size.height();
  decoded_ = false;
  Changed();
}

void TPicture::SetImage(const QImage& image) {
  canvas_.reset();
  jpeg_.clear();
  image_ = image;
  decoded_ = true;
  width_ = image.width();
  height_ = image.height();
  Changed();
}

void TPicture::Clear() {
  canvas_.reset();
  jpeg_.clear();
  image_ = QImage();
  decoded_ = true;
  width_ = height_ = 0;
  Changed();
}

TCanvas& TPicture::Canvas(int width, int height) {
  if (canvas_) return *canvas_;
  if (Empty()) {
    image_ = QImage(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    image_.fill(Qt::white);
    width_ = image_.width();
    height_ = image_.height();
    decoded_ = true;
  } else {
    Decode();
    image_ = image_.convertToFormat(QImage::Format_RGB32);
    jpeg_.clear();
  }
  canvas_ = std::make_unique<TCanvas>(&image_);
  canvas_->OnChange = [this] { Changed(); };
  return *canvas_;
}
