// Starts the real program in a real X server (Xvfb) and looks at what it shows: the main
// window, covering the screen, with the title page in the book's colours; then ends it as a
// user does, through "Konec" and "Ano", and sees the process end.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

pid_t Spawn(const std::vector<std::string>& argv, const std::string& dir,
            const std::vector<std::string>& env) {
  pid_t pid = fork();
  if (pid == 0) {
    if (!dir.empty() && chdir(dir.c_str()) != 0) _exit(127);
    for (const auto& e : env) putenv(const_cast<char*>(e.c_str()));
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
  }
  return pid;
}

void Stop(pid_t pid) {
  if (pid <= 0) return;
  kill(pid, SIGTERM);
  for (int i = 0; i < 50; ++i) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

// Stops the process when the test leaves, also through a failed assertion.
struct Stopper {
  pid_t& pid;
  ~Stopper() { Stop(pid); }
};

// The window's title in UTF-8 (_NET_WM_NAME, which holds any title), else its WM_NAME.
std::string Title(Display* d, Window w) {
  Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  std::string title;
  if (XGetWindowProperty(d, w, XInternAtom(d, "_NET_WM_NAME", False), 0, 1024, False,
                         XInternAtom(d, "UTF8_STRING", False), &type, &format, &count, &after,
                         &data) == Success &&
      data) {
    title.assign(reinterpret_cast<char*>(data), count);
    XFree(data);
    return title;
  }
  char* name = nullptr;
  if (XFetchName(d, w, &name) && name) {
    title = name;
    XFree(name);
  }
  return title;
}

Window FindWindow(Display* d, Window w, const char* name) {
  if (Title(d, w) == name) return w;
  Window root, parent, *children = nullptr;
  unsigned n = 0;
  Window found = 0;
  if (XQueryTree(d, w, &root, &parent, &children, &n)) {
    for (unsigned i = 0; i < n && !found; ++i) found = FindWindow(d, children[i], name);
    if (children) XFree(children);
  }
  return found;
}

TEST(Smoke, TheProgramShowsItsMainWindowWithTheTitlePage) {
  const std::string display = ":" + std::to_string(90 + getpid() % 100);
  const std::string socket = "/tmp/.X11-unix/X" + display.substr(1);
  pid_t xvfb = Spawn({"Xvfb", display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"}, "", {});
  ASSERT_GT(xvfb, 0);
  Stopper stopXvfb{xvfb};
  for (int i = 0; i < 100 && access(socket.c_str(), F_OK) != 0; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ASSERT_EQ(access(socket.c_str(), F_OK), 0) << "Xvfb did not start";
  pid_t app = Spawn({"./zalmira"}, ZALMIRA_APP_DIR,
                    {"DISPLAY=" + display, "QT_QPA_PLATFORM=xcb", "ASAN_OPTIONS=detect_leaks=0"});
  Stopper stopApp{app};
  Display* d = nullptr;
  for (int i = 0; i < 50 && !d; ++i) {
    d = XOpenDisplay(display.c_str());
    if (!d) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ASSERT_NE(d, nullptr);
  Window w = 0;
  XWindowAttributes a{};
  XImage* img = nullptr;
  long green = 0, dark = 0;
  // Wait until the window is mapped and painted.
  for (int i = 0; i < 200; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    if (!w) w = FindWindow(d, DefaultRootWindow(d), "Zalmira");
    if (!w || !XGetWindowAttributes(d, w, &a) || a.map_state != IsViewable) continue;
    if (img) XDestroyImage(img);
    img = XGetImage(d, w, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
    if (!img) continue;
    green = dark = 0;
    for (int y = 0; y < a.height; y += 2) {
      for (int x = 0; x < a.width; x += 2) {
        unsigned long p = XGetPixel(img, x, y);
        int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
        if (r == 0xC0 && g == 0xDC && b == 0xC0) ++green;
        if (r < 60 && g < 60 && b > 60 && b < 160) ++dark;  // the navy text
      }
    }
    if (green > 1000 && dark > 100) break;
  }
  ASSERT_NE(w, 0u) << "no window named Zalmira";
  EXPECT_EQ(a.width, 1024) << "the maximised window covers the screen";
  EXPECT_EQ(a.height, 768);
  EXPECT_GT(green, (a.width / 2) * (a.height / 2) / 2) << "most of the window is the page colour";
  EXPECT_GT(dark, 100) << "the title page's navy texts";
  int status = 0;
  EXPECT_EQ(waitpid(app, &status, WNOHANG), 0) << "the program is still running";

  // "Konec" is the last caption of the menu bar: the rightmost ink of the first band of rows
  // with dark text.
  auto inkAt = [&](int x, int y) {
    unsigned long p = XGetPixel(img, x, y);
    return ((p >> 16) & 0xFF) < 100 && ((p >> 8) & 0xFF) < 100 && (p & 0xFF) < 100;
  };
  int top = -1, bottom = -1, right = -1;
  for (int y = 0; img && y < a.height / 4 && bottom < 0; ++y) {
    int rowRight = -1;
    for (int x = 0; x < a.width; ++x) {
      if (inkAt(x, y)) rowRight = x;
    }
    if (rowRight >= 0 && top < 0) top = y;
    if (rowRight < 0 && top >= 0) bottom = y;
    right = std::max(right, rowRight);
  }
  ASSERT_GE(top, 0) << "no menu bar";
  ASSERT_GT(bottom, top);
  XTestFakeMotionEvent(d, -1, a.x + right - 8, a.y + (top + bottom) / 2, CurrentTime);
  XTestFakeButtonEvent(d, 1, True, CurrentTime);
  XTestFakeButtonEvent(d, 1, False, CurrentTime);
  XFlush(d);
  Window box = 0;
  for (int i = 0; i < 100 && !box; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    Window found = FindWindow(d, DefaultRootWindow(d), "Ukončení programu");
    XWindowAttributes boxAttributes{};
    if (found && XGetWindowAttributes(d, found, &boxAttributes) &&
        boxAttributes.map_state == IsViewable) {
      box = found;
    }
  }
  ASSERT_NE(box, 0u) << "\"Konec\" asks first";
  std::this_thread::sleep_for(std::chrono::milliseconds(300));  // the box takes the focus
  const KeyCode enter = XKeysymToKeycode(d, XK_Return);         // "Ano" is the default button
  XTestFakeKeyEvent(d, enter, True, CurrentTime);
  XTestFakeKeyEvent(d, enter, False, CurrentTime);
  XFlush(d);
  pid_t ended = 0;
  for (int i = 0; i < 300 && ended == 0; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ended = waitpid(app, &status, WNOHANG);
  }
  EXPECT_EQ(ended, app) << "the program ends after \"Ano\"";
  if (ended == app) {
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    app = 0;
  }
  if (img) XDestroyImage(img);
  XCloseDisplay(d);
}

}  // namespace
