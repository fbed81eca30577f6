// The program with an exercise page open: its tabs, what is shown, clicks as the user makes
// them, and the enlarged picture in the magnifier.
#pragma once

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/layout_pictures.h"
#include "platform/streaming.h"
#include "tests/shell/program_fixture.h"

// A hint or result button: what each of its clicks shows, after how many clicks it is disabled
// (0: it stays enabled), and its handler where that is not the button's name + "Click".
struct HintButton {
  std::string button;
  std::vector<std::set<std::string>> clicks;
  int disabledAfter;
  std::string handler = {};
};

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
  // What one click on `button` shows; a click that hides something fails the test.
  std::set<std::string> ShownBy(const std::string& button) {
    const std::set<std::string> before = Visible();
    Click(button);
    std::set<std::string> added;
    for (const std::string& n : Visible()) {
      if (!before.count(n)) added.insert(n);
    }
    EXPECT_EQ(Visible().size(), before.size() + added.size()) << button << " hides nothing";
    return added;
  }

  // Clicks the buttons in order as the user does: each bound to its own handler, enabled while it
  // has steps left, each click showing exactly its pieces, all of them hidden at the start.
  // Returns every piece shown.
  std::set<std::string> PlayButtons(const std::vector<HintButton>& cases) {
    const std::set<std::string> atStart = Visible();
    std::set<std::string> shown;
    for (const HintButton& c : cases) {
      SCOPED_TRACE(c.button);
      EXPECT_EQ(C(c.button)->OnClick().Name(), c.handler.empty() ? c.button + "Click" : c.handler);
      for (size_t k = 0; k < c.clicks.size(); ++k) {
        if (!C(c.button)->Enabled()) {
          ADD_FAILURE() << "disabled before click " << k + 1;
          break;
        }
        EXPECT_EQ(ShownBy(c.button), c.clicks[k]) << "click " << k + 1;
        EXPECT_EQ(C(c.button)->Enabled(), c.disabledAfter == 0 || int(k) + 1 < c.disabledAfter)
            << "click " << k + 1;
        for (const std::string& n : c.clicks[k]) EXPECT_FALSE(atStart.count(n)) << n;
        shown.insert(c.clicks[k].begin(), c.clicks[k].end());
      }
    }
    return shown;
  }
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
