#include "tests/support/test_support.h"

#include <QApplication>
#include <QWidget>
#include <cstring>

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
