// Colours, fonts, the canvas, pictures and their load errors, display settings.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>

#include "platform/display.h"
#include "platform/extctrls.h"
#include "platform/graphics.h"
#include "platform/jpeg.h"
#include "platform/paths.h"
#include "tests/support/test_support.h"

namespace {

TEST(Colours, RedInTheLowByteAndNamedColours) {
  EXPECT_EQ(ToQColor(255), QColor(255, 0, 0));
  EXPECT_EQ(ToQColor(0xC0DCC0), QColor(0xC0, 0xDC, 0xC0));
  EXPECT_EQ(ToQColor(0x005D0101), QColor(1, 1, 0x5D));
  EXPECT_EQ(FromQColor(QColor(0xA6, 0xCA, 0xF0)), 0xF0CAA6);
  const struct {
    const char* name;
    TColor value;
  } names[] = {{"clMoneyGreen", 0xC0DCC0}, {"clNavy", 0x800000},  {"clRed", 0x0000FF},
               {"clmoneygreen", 0xC0DCC0}, {"clWhite", 0xFFFFFF}, {"clSilver", 0xC0C0C0}};
  for (const auto& n : names) {
    TColor c = 0;
    ASSERT_TRUE(IdentToColor(n.name, c)) << n.name;
    EXPECT_EQ(c, n.value) << n.name;
  }
  TColor c;
  EXPECT_FALSE(IdentToColor("clMoneyGrey", c));
}

TEST(Fonts, HeightIsPixelsSizeIsPointsAndNamesMapToInstalledFamilies) {
  TFont f;
  f.SetSize(8);
  EXPECT_EQ(f.Height(), -11);
  f.SetSize(10);
  EXPECT_EQ(f.Height(), -13);
  f.SetHeight(-16);
  EXPECT_EQ(f.Size(), 12);
  f.SetName("Verdana");
  f.SetHeight(-21);
  EXPECT_EQ(f.ToQFont().pixelSize(), 21);
  EXPECT_EQ(f.ToQFont().family(), "DejaVu Sans");
  const struct {
    const char* windows;
    const char* family;
  } map[] = {{"MS Sans Serif", "Liberation Sans"},  {"Microsoft Sans Serif", "Liberation Sans"},
             {"Arial", "Liberation Sans"},          {"Times New Roman", "Liberation Serif"},
             {"ZapfEllipt BT", "Liberation Serif"}, {"Verdana", "DejaVu Sans"}};
  for (const auto& m : map) EXPECT_EQ(MapFontFamily(m.windows), m.family) << m.windows;
  f.SetName("ZapfEllipt BT");
  EXPECT_TRUE(f.ToQFont().italic());
  EXPECT_EQ(SymbolToUnicode("p = 3,14; a, b, W"), QString::fromUtf8("π = 3,14; α, β, Ω"));
}

TEST(Canvas, LinesLeaveOutTheirEndAndClipToTheBitmap) {
  QImage img(20, 10, QImage::Format_RGB32);
  img.fill(Qt::white);
  TCanvas c(&img);
  c.Pen().SetColor(clRed);
  c.MoveTo(2, 5);
  c.LineTo(6, 5);
  EXPECT_EQ(c.Pixel(2, 5), clRed);
  EXPECT_EQ(c.Pixel(5, 5), clRed);
  EXPECT_EQ(c.Pixel(6, 5), clWhite) << "the end point is left out";
  EXPECT_EQ(c.PenPos().X, 6);
  c.MoveTo(8, 1);
  c.LineTo(8, 1);
  EXPECT_EQ(c.Pixel(8, 1), clWhite) << "a line to its own start draws nothing";
  // A near-vertical line from far above enters the bitmap at the right place.
  c.Pen().SetColor(clBlue);
  c.MoveTo(10, -2000000);
  c.LineTo(10, 4);
  for (int y = 0; y < 4; ++y) EXPECT_EQ(c.Pixel(10, y), clBlue) << y;
  EXPECT_EQ(c.Pixel(10, 4), clWhite);
  c.Brush().SetColor(clMoneyGreen);
  c.FillRect(TRect{15, 2, 18, 4});
  EXPECT_EQ(c.Pixel(15, 2), clMoneyGreen);
  EXPECT_EQ(c.Pixel(17, 3), clMoneyGreen);
  EXPECT_EQ(c.Pixel(18, 3), clWhite) << "right and bottom are exclusive";
  EXPECT_EQ(c.Pixel(17, 4), clWhite);
  EXPECT_EQ(c.Pixel(-1, 0), clNone);
  c.FillRect(TRect{-50, -50, 100, 100});
  EXPECT_EQ(c.Pixel(19, 9), clMoneyGreen);
}

class PictureFiles : public PlatformFixture {
 protected:
  void SetUp() override {
    PlatformFixture::SetUp();
    ASSERT_TRUE(dir.isValid());
    QImage img(40, 30, QImage::Format_RGB32);
    img.fill(QColor(10, 200, 30));
    good = EncodeJpeg(img, 90);
    Write("good.jpg", good);
    Write("broken.jpg", "this is no picture at all");
    Write("truncated.jpg", good.left(good.size() / 2));
    Write("picture.gif", good);
  }
  std::string Path(const char* name) { return (dir.path() + "/" + name).toStdString(); }
  void Write(const char* name, const QByteArray& data) {
    QFile f(dir.path() + "/" + name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
  }
  QTemporaryDir dir;
  QByteArray good;
};

TEST_F(PictureFiles, LoadErrorsRaiseAndKeepThePreviousPicture) {
  TPicture pic;
  pic.LoadFromFile(Path("good.jpg"));
  EXPECT_EQ(pic.Width(), 40);
  EXPECT_EQ(pic.Image().pixelColor(5, 5).green(), 200);
  const struct {
    const char* file;
    const char* message;  // what the message starts with
  } errors[] = {
      {"missing.jpg", "Cannot open file \""},
      {"broken.jpg", "JPEG error in"},
      {"truncated.jpg", "JPEG error in"},
      {"picture.gif", "Unknown picture file extension (.gif)"},
  };
  for (const auto& e : errors) {
    try {
      pic.LoadFromFile(Path(e.file));
      ADD_FAILURE() << "loaded " << e.file;
    } catch (const Exception& ex) {
      EXPECT_EQ(ex.Message().rfind(e.message, 0), 0u) << ex.Message();
    }
    EXPECT_EQ(pic.Width(), 40) << "the previous picture stays after " << e.file;
  }
  try {
    pic.LoadFromFile("img/BIG/nikde/p1a_big.jpg");
  } catch (const EFOpenError& ex) {
    EXPECT_EQ(ex.Message(), "Cannot open file \"" + ExpandFileName("img/BIG/nikde/p1a_big.jpg") +
                                "\". No such file or directory");
  }
}

// Pictures beyond the sizes any screen shows are refused from their header, before memory is
// taken for their pixels; the previous picture stays.
TEST_F(PictureFiles, PicturesBeyondASaneSizeAreRefused) {
  QImage wide(kMaxPictureSide + 1, 1, QImage::Format_RGB32);
  wide.fill(Qt::white);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  ASSERT_TRUE(wide.save(&buffer, "PNG"));
  Write("wide.png", png);
  const struct {
    const char* file;
    QByteArray data;
    const char* size;
  } cases[] = {
      {"huge.jpg", JpegDeclaringSize(19999, 19999), "19999 x 19999"},
      {"huger.jpg", JpegDeclaringSize(20001, 20001), "20001 x 20001"},
      {"tall.jpg", JpegDeclaringSize(10, kMaxPictureSide + 1), "10 x 16385"},
      {"many.jpg", JpegDeclaringSize(8000, 5001), "8000 x 5001"},  // just over 40 megapixels
      {"wide.png", png, "16385 x 1"},
  };
  TPicture pic;
  pic.LoadFromFile(Path("good.jpg"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    Write(c.file, c.data);
    try {
      pic.LoadFromFile(Path(c.file));
      ADD_FAILURE() << "loaded";
    } catch (const EInvalidGraphic& e) {
      EXPECT_EQ(e.Message(),
                "The picture \"" + Path(c.file) + "\" is too large: " + c.size + " pixels");
    }
    EXPECT_EQ(pic.Width(), 40);
    EXPECT_EQ(pic.Image().pixelColor(5, 5).green(), 200);
  }
}

// Memory for a picture of a sane size can still run out: the decoder raises the picture error
// instead of writing through the missing pixels. Run in a child process whose address space is
// limited; a sanitised build reserves too much address space for that.
TEST_F(PictureFiles, PixelsThatCannotBeAllocatedRaiseThePictureError) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
  GTEST_SKIP() << "the sanitiser's shadow memory needs the address space";
#else
  const QByteArray jpeg = JpegDeclaringSize(6000, 6000);  // 144 MB of pixels
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    long pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const rlim_t limit = static_cast<rlim_t>(pages) * sysconf(_SC_PAGESIZE) + (64 << 20);
    const rlimit r{limit, limit};
    if (setrlimit(RLIMIT_AS, &r) != 0) _exit(4);
    try {
      DecodeJpeg(jpeg, "big.jpg");
    } catch (const EInvalidGraphic& e) {
      _exit(e.Message().rfind("Not enough memory for the picture \"big.jpg\"", 0) == 0 ? 0 : 1);
    } catch (...) {
      _exit(2);
    }
    _exit(3);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status)) << "the child died of signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 0);
#endif
}

TEST_F(PictureFiles, BackslashesSeparateFolders) {
  TPicture pic;
  std::string path = Path("good.jpg");
  for (char& ch : path) {
    if (ch == '/') ch = '\\';
  }
  pic.LoadFromFile(path);
  EXPECT_EQ(pic.Height(), 30);
}

TEST_F(PictureFiles, ImageBoxSizesItselfAndPaintsNothingOutsideItsPicture) {
  TImage img(nullptr);
  img.SetBounds(0, 0, 100, 100);
  img.Picture().LoadFromFile(Path("good.jpg"));
  EXPECT_EQ(img.Width(), 100) << "no AutoSize";
  QImage canvas(100, 100, QImage::Format_RGB32);
  canvas.fill(Qt::magenta);
  img.Widget()->render(&canvas, QPoint(), QRegion(), QWidget::DrawChildren);
  EXPECT_EQ(canvas.pixelColor(5, 5).green(), 200);
  EXPECT_EQ(canvas.pixelColor(60, 60), QColor(Qt::magenta)) << "the box is see-through there";
  img.SetAutoSize(true);
  EXPECT_EQ(img.Width(), 40);
  EXPECT_EQ(img.Height(), 30);
  TCanvas& c = img.Canvas();
  c.SetPixel(1, 1, clRed);
  EXPECT_EQ(img.Picture().Image().pixelColor(1, 1), QColor(255, 0, 0));
}

TEST(DisplaySettings, WithoutXRandROnlyTheCurrentModeExists) {
  if (qEnvironmentVariableIsSet("DISPLAY")) GTEST_SKIP() << "an X server is present";
  DEVMODEA mode{};
  mode.dmSize = sizeof mode;
  ASSERT_TRUE(EnumDisplaySettingsA(nullptr, 0, &mode));
  EXPECT_EQ(mode.dmBitsPerPel, 32u);
  EXPECT_FALSE(EnumDisplaySettingsA(nullptr, 1, &mode));
  DEVMODEA other = mode;
  other.dmPelsWidth = mode.dmPelsWidth + 1;
  EXPECT_NE(ChangeDisplaySettingsA(&other, 0), DISP_CHANGE_SUCCESSFUL);
  EXPECT_EQ(ChangeDisplaySettingsA(nullptr, 0), DISP_CHANGE_SUCCESSFUL);
}

}  // namespace
