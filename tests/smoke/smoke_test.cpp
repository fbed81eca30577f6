// Starts the real program in a real X server (Xvfb) and looks at what it shows: the main
// window, covering the screen, with the title page in the book's colours.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

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

Window FindWindow(Display* d, Window w, const char* name) {
  char* title = nullptr;
  if (XFetchName(d, w, &title) && title) {
    bool same = std::string(title) == name;
    XFree(title);
    if (same) return w;
  }
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
  for (int i = 0; i < 100 && access(socket.c_str(), F_OK) != 0; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ASSERT_EQ(access(socket.c_str(), F_OK), 0) << "Xvfb did not start";
  pid_t app = Spawn({"./zalmira"}, ZALMIRA_APP_DIR,
                    {"DISPLAY=" + display, "QT_QPA_PLATFORM=xcb", "ASAN_OPTIONS=detect_leaks=0"});
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
  if (img) XDestroyImage(img);
  XCloseDisplay(d);
  Stop(app);
  Stop(xvfb);
}

}  // namespace
