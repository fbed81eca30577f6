#include "tests/support/test_support.h"

#include <QApplication>
#include <QWidget>
#include <cstring>

#include "platform/jpeg.h"

void PlatformFixture::SetUp() {
  if (!Application) ownApplication = std::make_unique<TApplication>();
  Application->SetMessageBoxHandler([this](const std::string& t, const std::string& c, int f) {
    boxes.push_back({t, c, f});
    return answer;
  });
  SetClock(&clock);
}

void PlatformFixture::TearDown() {
  if (Application) Application->SetMessageBoxHandler(nullptr);
  SetClock(nullptr);
  ownApplication.reset();
}

bool FakeDisplaySettings::EnumMode(std::uint32_t index, DEVMODEA& mode) {
  if (index >= modes.size()) return false;
  std::uint16_t size = mode.dmSize;
  std::memset(&mode, 0, sizeof mode);
  mode.dmSize = size;
  mode.dmPelsWidth = modes[index].width;
  mode.dmPelsHeight = modes[index].height;
  mode.dmBitsPerPel = modes[index].bits;
  mode.dmDisplayFrequency = modes[index].frequency;
  return true;
}

long FakeDisplaySettings::ChangeMode(const DEVMODEA* mode) {
  if (!mode) {
    calls.push_back("restore");
    return DISP_CHANGE_SUCCESSFUL;
  }
  calls.push_back("change " + std::to_string(mode->dmPelsWidth) + "x" +
                  std::to_string(mode->dmPelsHeight));
  return result;
}

TForm* FormFromText(const TFormClass& cls, const std::string& layoutText, TComponent* owner,
                    const LayoutFileReader& read) {
  RegisterStandardClasses();
  TForm* form = cls.create(owner);
  try {
    ReadLayout(*form, cls, ParseLayout(layoutText, "fixture.lay", read), "fixture.lay");
  } catch (...) {
    Free(form);
    throw;
  }
  return form;
}

QImage Grab(TControl* control) {
  QApplication::processEvents();
  return control->Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QByteArray JpegDeclaringSize(int width, int height) {
  QImage image(16, 16, QImage::Format_RGB32);
  image.fill(Qt::gray);
  QByteArray jpeg = EncodeJpeg(image, 80);
  // The baseline frame header: FF C0, length (2), precision (1), height (2), width (2).
  const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
  if (sof < 0) return {};
  jpeg[sof + 5] = static_cast<char>(height >> 8);
  jpeg[sof + 6] = static_cast<char>(height & 0xFF);
  jpeg[sof + 7] = static_cast<char>(width >> 8);
  jpeg[sof + 8] = static_cast<char>(width & 0xFF);
  return jpeg;
}
