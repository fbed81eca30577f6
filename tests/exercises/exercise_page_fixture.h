// The program with an exercise page open: its tabs, what is shown, clicks as the user makes
// them, and the enlarged picture in the magnifier.
#pragma once

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/layout_pictures.h"
#include "platform/streaming.h"
#include "tests/shell/program_fixture.h"

class ExerciseTest : public ProgramTest {
 protected:
  TPageControl* Tabs() const { return Get<TPageControl>("priklady"); }
  // Picks tab `index` as the user does (the page control reports the change).
  void PickTab(int index) {
    Dispatch([&] { Tabs()->SelectTabByUser(index); });
  }
  // The names of the page's controls whose own Visible flag is set (tab sheets left out).
  std::set<std::string> Visible() const {
    std::set<std::string> out;
    for (int i = 0; i < Page()->ComponentCount(); ++i) {
      auto* c = dynamic_cast<TControl*>(Page()->Components(i));
      if (c && !dynamic_cast<TTabSheet*>(c) && c->Visible()) out.insert(std::string(c->Name()));
    }
    return out;
  }
  bool Shown(const std::string& name) const { return C(name)->Visible(); }
  // The tab sheet (or other parent) that a control lies on.
  std::string SheetOf(const std::string& name) const {
    TWinControl* p = C(name)->Parent();
    return p ? std::string(p->Name()) : std::string();
  }
  // Whether the magnifier is up and shows the enlarged picture `folder` + `name` + "_big.jpg".
  static ::testing::AssertionResult Magnifies(const std::string& folder, const std::string& name) {
    if (!frm_lupa->Visible()) return ::testing::AssertionFailure() << "the magnifier is hidden";
    TPicture file;
    file.LoadFromFile(folder + name + "_big.jpg");
    if (file.Image() != frm_lupa->obr->Picture().Image())
      return ::testing::AssertionFailure() << "it shows another picture than " << name;
    return ::testing::AssertionSuccess();
  }
  // The picture that the build rendered from `source` ("CGraf/u01a.graph#2") at the size of
  // `control`: what the control shows when its layout names that source.
  static QImage Rendered(const std::string& source, const TControl& control) {
    const std::string name =
        RenderedPictureName(source, control.Width(), control.Height(), PictureFormat::Jpeg);
    TPicture picture;
    picture.LoadJpegData(PictureData(name), name);
    return picture.Image();
  }
  // The main window comes back from the task bar after "Schovat".
  static void RestoreFromTaskbar() {
    Dispatch([] { frmMain->WindowStateChangedBySystem(false); });
  }
};
