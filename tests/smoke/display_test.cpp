// The display settings on a real X server (Xvfb with RandR): the modes of the output are listed,
// a change sets another size, a size the output lacks is refused, and the restore brings back
// the configuration from before the first change.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <utility>

#include "platform/display.h"

// X11 last: its macros clash with other names.
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

namespace {

pid_t xvfbPid = 0;

// What the first output's CRTC shows now: its size and mode.
struct Crtc {
  unsigned width = 0, height = 0;
  RRMode mode = 0;
};

Crtc CrtcNow(Display* d) {
  Crtc c;
  XRRScreenResources* res = XRRGetScreenResourcesCurrent(d, DefaultRootWindow(d));
  XRROutputInfo* out = XRRGetOutputInfo(d, res, res->outputs[0]);
  if (XRRCrtcInfo* ci = out->crtc ? XRRGetCrtcInfo(d, res, out->crtc) : nullptr) {
    c = {ci->width, ci->height, ci->mode};
    XRRFreeCrtcInfo(ci);
  }
  XRRFreeOutputInfo(out);
  XRRFreeScreenResources(res);
  return c;
}

// The screen's size as the server has it now (the root window's).
std::pair<unsigned, unsigned> ScreenNow(Display* d) {
  Window root;
  int x, y;
  unsigned w = 0, h = 0, border, depth;
  XGetGeometry(d, DefaultRootWindow(d), &root, &x, &y, &w, &h, &border, &depth);
  return {w, h};
}

DEVMODEA Size(unsigned width, unsigned height) {
  DEVMODEA m;
  std::memset(&m, 0, sizeof m);
  m.dmSize = sizeof m;
  m.dmBitsPerPel = 32;
  m.dmPelsWidth = width;
  m.dmPelsHeight = height;
  m.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
  return m;
}

TEST(RealDisplay, ListsTheOutputsModesChangesAndRestores) {
  if (access("/usr/bin/Xvfb", X_OK) != 0) GTEST_SKIP() << "no Xvfb to run an X server";
  // Xvfb picks a free display itself and names it on the pipe once it accepts connections,
  // so that no other test's server is touched.
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  pid_t xvfb = fork();
  if (xvfb == 0) {
    close(ready[0]);
    const std::string fd = std::to_string(ready[1]);
    execl("/usr/bin/Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24",
          "-nolisten", "tcp", static_cast<char*>(nullptr));
    _exit(127);
  }
  close(ready[1]);
  ASSERT_GT(xvfb, 0);
  // The server goes at exit, after the display settings' own connection to it has closed: the
  // settings live until the end of the process, and Xlib ends a process whose server vanished.
  xvfbPid = xvfb;
  std::atexit([] {
    kill(xvfbPid, SIGTERM);
    waitpid(xvfbPid, nullptr, 0);
  });
  std::string number;
  char c = 0;
  while (read(ready[0], &c, 1) == 1 && c != '\n') number += c;
  close(ready[0]);
  ASSERT_FALSE(number.empty()) << "Xvfb did not start";
  const std::string name = ":" + number;
  Display* d = XOpenDisplay(name.c_str());
  ASSERT_NE(d, nullptr) << "Xvfb did not start";
  int eventBase = 0, errorBase = 0;
  if (!XRRQueryExtension(d, &eventBase, &errorBase)) {
    XCloseDisplay(d);
    GTEST_SKIP() << "the X server has no RandR: a change of resolution cannot be tried";
  }
  // Xvfb offers only its screen's size; a second mode is added to the output as a driver would.
  const Crtc before = CrtcNow(d);
  ASSERT_EQ(before.width, 1024u);
  XRRModeInfo info;
  std::memset(&info, 0, sizeof info);
  char modeName[] = "800x600";
  info.width = 800;
  info.height = 600;
  info.hTotal = 1056;
  info.vTotal = 628;
  info.dotClock = 1056ul * 628ul * 60ul;
  info.name = modeName;
  info.nameLength = 7;
  XRRScreenResources* res = XRRGetScreenResourcesCurrent(d, DefaultRootWindow(d));
  const RRMode added = XRRCreateMode(d, DefaultRootWindow(d), &info);
  XRRAddOutputMode(d, res->outputs[0], added);
  XRRFreeScreenResources(res);
  XSync(d, False);

  setenv("DISPLAY", name.c_str(), 1);
  std::set<std::pair<unsigned, unsigned>> sizes;
  DEVMODEA mode;
  for (std::uint32_t i = 0; i < 100; ++i) {
    std::memset(&mode, 0, sizeof mode);
    mode.dmSize = sizeof mode;
    if (!EnumDisplaySettingsA(nullptr, i, &mode)) break;
    EXPECT_EQ(mode.dmBitsPerPel, 32u);
    sizes.insert({mode.dmPelsWidth, mode.dmPelsHeight});
  }
  EXPECT_EQ(sizes, (std::set<std::pair<unsigned, unsigned>>{{800, 600}, {1024, 768}}));

  DEVMODEA small = Size(800, 600);
  EXPECT_EQ(ChangeDisplaySettingsA(&small, 0), DISP_CHANGE_SUCCESSFUL);
  Crtc now = CrtcNow(d);
  EXPECT_EQ(now.width, 800u);
  EXPECT_EQ(now.height, 600u);
  EXPECT_EQ(now.mode, added);
  EXPECT_EQ(ScreenNow(d), std::make_pair(800u, 600u)) << "the screen shrinks with its output";

  DEVMODEA missing = Size(1000, 700);
  EXPECT_NE(ChangeDisplaySettingsA(&missing, 0), DISP_CHANGE_SUCCESSFUL);
  EXPECT_EQ(CrtcNow(d).width, 800u) << "a refused change leaves the mode";

  // A second change, then the restore: the configuration from before the first change.
  DEVMODEA large = Size(1024, 768);
  EXPECT_EQ(ChangeDisplaySettingsA(&large, 0), DISP_CHANGE_SUCCESSFUL);
  EXPECT_EQ(ChangeDisplaySettingsA(&small, 0), DISP_CHANGE_SUCCESSFUL);
  EXPECT_EQ(ChangeDisplaySettingsA(nullptr, 0), DISP_CHANGE_SUCCESSFUL);
  now = CrtcNow(d);
  EXPECT_EQ(now.width, 1024u);
  EXPECT_EQ(now.height, 768u);
  EXPECT_EQ(now.mode, before.mode);
  EXPECT_EQ(ScreenNow(d), std::make_pair(1024u, 768u));

  // A listed mode that the output has lost since: the server answers the request with an X
  // error, which is a failed change and leaves the screen as it was, not the end of the program.
  res = XRRGetScreenResourcesCurrent(d, DefaultRootWindow(d));
  XRRDeleteOutputMode(d, res->outputs[0], added);
  XRRFreeScreenResources(res);
  XRRDestroyMode(d, added);
  XSync(d, False);
  EXPECT_EQ(ChangeDisplaySettingsA(&small, 0), DISP_CHANGE_FAILED);
  now = CrtcNow(d);
  EXPECT_EQ(now.width, 1024u);
  EXPECT_EQ(now.mode, before.mode);
  EXPECT_EQ(ScreenNow(d), std::make_pair(1024u, 768u));
  EXPECT_EQ(ChangeDisplaySettingsA(nullptr, 0), DISP_CHANGE_SUCCESSFUL);
  XCloseDisplay(d);
}

}  // namespace
