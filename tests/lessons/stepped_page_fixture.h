// The program with a stepped presentation page open, on the virtual clock: the page's timeline
// as what is visible, whether its timer runs and with what interval, and the tool bar.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/shell/program_fixture.h"

class SteppedPageTest : public ProgramTest {
 protected:
  // Opens chapter row `row` as its menu item does; At() counts from here.
  void OpenPage(int row) {
    Open(row);
    opened = clock.NowMs();
  }
  // Lets the virtual clock run to `ms` after the page opened.
  void At(std::int64_t ms) { clock.Advance(opened + ms - clock.NowMs()); }
  // The control's own Visible flag (a failure when the page has no such control).
  bool Shown(const std::string& name) const {
    TControl* c = C(name);
    return c && c->Visible();
  }
  // Whether the page's published timer runs.
  static bool Running() { return StepTimer && StepTimer->Enabled(); }
  // The pause, step-mode and one-step buttons of the tool bar: "1" enabled, "0" not.
  static std::string Toolbar() {
    std::string s;
    for (TControl* b :
         {static_cast<TControl*>(frmMain->btnPozast), static_cast<TControl*>(frmMain->btnKrokuj),
          static_cast<TControl*>(frmMain->btnKrok)}) {
      s += b->Enabled() ? '1' : '0';
    }
    return s;
  }
  // Presses a control of the page as the user can: only when it is visible and enabled.
  void Press(TControl* button) {
    ASSERT_TRUE(button->Visible() && button->Enabled()) << button->Name();
    Dispatch([&] { button->Click(); });
  }
  void Press(const std::string& name) { Press(C(name)); }
  // Presses a button of the tool bar.
  static void PressTool(void (TfrmMain::*handler)(TObject*)) {
    Dispatch([&] { (frmMain->*handler)(nullptr); });
  }

  // One moment of a timeline: `at` ms after the timeline started, the controls shown and
  // hidden, whether the timer runs and (when not 0) its interval.
  struct Moment {
    std::int64_t at;
    std::vector<std::string> shown;
    std::vector<std::string> hidden;
    bool running;
    int interval = 0;
  };
  // Plays a timeline from now on.
  void Play(const std::vector<Moment>& moments, const std::string& what) {
    const std::int64_t origin = clock.NowMs();
    for (const Moment& m : moments) {
      clock.Advance(origin + m.at - clock.NowMs());
      SCOPED_TRACE(what + " at " + std::to_string(m.at) + " ms");
      for (const std::string& n : m.shown) EXPECT_TRUE(Shown(n)) << n << " shown";
      for (const std::string& n : m.hidden) EXPECT_FALSE(Shown(n)) << n << " hidden";
      ASSERT_TRUE(StepTimer);
      EXPECT_EQ(StepTimer->Enabled(), m.running);
      if (m.interval) {
        EXPECT_EQ(StepTimer->Interval(), m.interval);
      }
    }
  }

  std::int64_t opened = 0;
};
