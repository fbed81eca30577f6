// Shared fixtures of the GUI tests: recorded message boxes, the virtual clock, fake display
// settings, and forms built from layout text.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <memory>
#include <string>
#include <vector>

#include "platform/display.h"
#include "platform/forms.h"
#include "platform/streaming.h"
#include "platform/timers.h"

struct RecordedBox {
  std::string text, caption;
  int flags;
};

// Installs a TApplication (if none), a virtual clock and a message box recorder that answers
// with `answer`; removes them again when it goes.
class PlatformFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::vector<RecordedBox> boxes;
  int answer = IDOK;
  VirtualClock clock;
  std::unique_ptr<TApplication> ownApplication;
};

// Display settings that list given modes and record the changes asked of them.
class FakeDisplaySettings : public DisplaySettings {
 public:
  struct Mode {
    unsigned width, height, bits, frequency;
  };
  std::vector<Mode> modes = {{1024, 768, 32, 60}, {800, 600, 32, 60}};
  std::vector<std::string> calls;  // "change 800x600", "restore"
  long result = DISP_CHANGE_SUCCESSFUL;

  bool EnumMode(std::uint32_t index, DEVMODEA& mode) override;
  long ChangeMode(const DEVMODEA* mode) override;
};

// Builds a form of class `cls` from layout text, without the creation events; `read` reads the
// pieces that the text includes.
TForm* FormFromText(const TFormClass& cls, const std::string& layoutText,
                    TComponent* owner = nullptr, const LayoutFileReader& read = {});

// The pixels of a widget as painted now.
QImage Grab(TControl* control);

// A small JPEG whose header declares `width` x `height` pixels: a huge picture without the
// bytes of one.
QByteArray JpegDeclaringSize(int width, int height);
