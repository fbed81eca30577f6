// The whole program started in-process: virtual clock, recorded message boxes, fake display
// settings; started fresh for every test and ended after it.
#pragma once

#include "layouts/assets.h"
#include "shell/lupa.h"
#include "shell/startup.h"
#include "shell/unit_frmMain.h"
#include "tests/support/test_support.h"

class ProgramTest : public PlatformFixture {
 protected:
  void SetUp() override {
    PlatformFixture::SetUp();
    static const bool registered = [] {
      RegisterAssets();
      RegisterProgramForms();
      return true;
    }();
    (void)registered;
    SetDisplaySettings(&display);
    StartProgram();
  }
  void TearDown() override {
    EndProgram();
    SetDisplaySettings(nullptr);
    PlatformFixture::TearDown();
  }

  // Opens chapter row `row` as its menu item does.
  void Open(int row) {
    Dispatch([&] { ChapterItems[row]->Click(); });
  }
  std::string OpenClass() const {
    return frmMain->OpenPage() ? std::string(frmMain->OpenPage()->Name()) : std::string();
  }

  FakeDisplaySettings display;
};
