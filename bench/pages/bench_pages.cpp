// Start-up and page switching: the time from starting the program to the title page painted,
// and the time to open each chapter item (close the page, create the next from its layout and
// paint it).
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QApplication>
#include <QPixmap>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "layouts/assets.h"
#include "platform/forms.h"
#include "platform/timers.h"
#include "shell/startup.h"
#include "shell/unit_frmMain.h"

extern char** environ;

namespace {

using Steady = std::chrono::steady_clock;

double Ms(Steady::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

void Paint() {
  QApplication::processEvents();
  frmMain->Widget()->grab();
}

// The child of a start-up sample: starts as the program does, paints, says so and ends.
int StartOnce(int argc, char** argv) {
  QApplication qt(argc, argv);
  TApplication application;
  RegisterAssets();
  RegisterProgramForms();
  StartProgram();
  Paint();
  std::printf("painted\n");
  std::fflush(stdout);
  EndProgram();
  return 0;
}

double StartupSample(const char* self) {
  int fds[2];
  if (pipe(fds) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
  posix_spawn_file_actions_addclose(&actions, fds[0]);
  char arg0[] = "bench_pages", arg1[] = "--start-once";
  char* args[] = {arg0, arg1, nullptr};
  auto t0 = Steady::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, self, &actions, nullptr, args, environ) != 0) return -1;
  close(fds[1]);
  char buf[64];
  ssize_t n = read(fds[0], buf, sizeof buf);
  auto t1 = Steady::now();
  close(fds[0]);
  waitpid(pid, nullptr, 0);
  posix_spawn_file_actions_destroy(&actions);
  return n > 0 ? Ms(t1 - t0) : -1;
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  if (argc > 1 && std::strcmp(argv[1], "--start-once") == 0) return StartOnce(argc, argv);

  std::vector<double> starts;
  for (int i = 0; i < 7; ++i) starts.push_back(StartupSample("/proc/self/exe"));
  std::printf("BENCH startup_ms %.1f ms\n", Median(starts));

  QApplication qt(argc, argv);
  TApplication application;
  application.SetMessageBoxHandler(
      [](const std::string&, const std::string&, int) { return IDNO; });
  VirtualClock clock;  // presentations stay put while pages are measured
  SetClock(&clock);
  RegisterAssets();
  RegisterProgramForms();
  StartProgram();
  Paint();
  std::vector<double> perPage;
  std::string slowest;
  double slowestMs = 0;
  for (const ChapterRow& row : ChapterTable()) {
    std::vector<double> samples;
    for (int i = 0; i < 7; ++i) {
      auto t0 = Steady::now();
      Dispatch([&] { ChapterItems[row.row]->Click(); });
      Paint();
      samples.push_back(Ms(Steady::now() - t0));
    }
    double m = Median(samples);
    perPage.push_back(m);
    if (m > slowestMs) {
      slowestMs = m;
      slowest = std::string(row.pageClass) + " (row " + std::to_string(row.row) + ")";
    }
  }
  std::printf("slowest page: %s\n", slowest.c_str());
  std::printf("BENCH page_open_median_ms %.2f ms\n", Median(perPage));
  std::printf("BENCH page_open_max_ms %.2f ms\n", slowestMs);
  EndProgram();
  SetClock(nullptr);
  return 0;
}
