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
  // The open page, its control of that name (a failure when it has none), and a click of the
  // user on that control.
  TForm* Page() const { return frmMain->OpenPage(); }
  template <class T = TControl>
  T* Get(const std::string& name) const {
    auto* c = dynamic_cast<T*>(Page()->FindComponent(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
  TControl* C(const std::string& name) const { return Get(name); }
  void Click(const std::string& name) {
    Dispatch([&] { C(name)->Click(); });
  }
  std::string OpenClass() const {
    return frmMain->OpenPage() ? std::string(frmMain->OpenPage()->Name()) : std::string();
  }

  FakeDisplaySettings display;
};
