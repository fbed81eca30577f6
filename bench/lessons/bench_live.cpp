// The live-graph pages 4.1 to 4.6, 4.9 (twelve curves in six pictures), 4.10 (four graphs) and the
// sine page of 4.7: the time from a changed parameter text to the finished update, that is the edit
// chain, the 10 ms tick with its clamps, property texts and graph, and the graph picture painted.
// It must stay well below the 10 ms of the polling.
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "layouts/assets.h"
#include "platform/extctrls.h"
#include "platform/forms.h"
#include "platform/stdctrls.h"
#include "platform/timers.h"
#include "shell/startup.h"
#include "shell/unit_frmMain.h"

namespace {

using Steady = std::chrono::steady_clock;

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

// Opens chapter row `row`, lets the reveal pass (`revealMs`, then a press of `button` where the
// page has one), then changes parameter `edit` through the values in turn, one update each, and
// paints the graph `pictures`.
double UpdateMs(VirtualClock& clock, int row, const char* edit,
                const std::vector<std::string>& values, int revealMs = 3010,
                const char* button = nullptr,
                const std::vector<std::string>& pictures = {"grafImg"}) {
  Dispatch([&] { ChapterItems[row]->Click(); });
  clock.Advance(revealMs);
  TForm* page = frmMain->OpenPage();
  if (button) {
    auto* b = dynamic_cast<TControl*>(page->FindComponent(button));
    if (!b) return -1;
    Dispatch([&] { b->Click(); });
    clock.Advance(10);
  }
  auto* param = dynamic_cast<TEdit*>(page->FindComponent(edit));
  std::vector<TImage*> graphs;
  for (const std::string& name : pictures) {
    graphs.push_back(dynamic_cast<TImage*>(page->FindComponent(name)));
    if (!graphs.back()) return -1;
  }
  if (!param) return -1;
  std::vector<double> samples;
  for (int i = 0; i < 400; ++i) {
    const std::string& v = values[i % values.size()];
    auto t0 = Steady::now();
    Dispatch([&] { param->SetText(v); });
    clock.Advance(10);
    for (TImage* graph : graphs) graph->Repaint();
    samples.push_back(std::chrono::duration<double, std::milli>(Steady::now() - t0).count());
  }
  return Median(samples);
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication qt(argc, argv);
  TApplication application;
  application.SetMessageBoxHandler(
      [](const std::string&, const std::string&, int) { return IDNO; });
  VirtualClock clock;
  SetClock(&clock);
  RegisterAssets();
  RegisterProgramForms();
  StartProgram();
  QApplication::processEvents();

  const std::vector<std::string> values = {"1", "-2,5", "0,5", "3", "-0,3", "0", "1,45", "-7"};
  std::printf("BENCH live_update_lin_ms %.3f ms\n", UpdateMs(clock, 14, "hodnota_A", values));
  std::printf("BENCH live_update_kvadr_ms %.3f ms\n", UpdateMs(clock, 15, "hodnota_B", values));
  std::printf("BENCH live_update_lom_ms %.3f ms\n", UpdateMs(clock, 16, "hodnota_C", values));
  std::printf("BENCH live_update_mocninna_ms %.3f ms\n",
              UpdateMs(clock, 17, "hodnota_A", values, 4010));
  std::printf("BENCH live_update_gon_ms %.3f ms\n",
              UpdateMs(clock, 22, "hodnota_B1", values, 10010, "pokracovani"));
  std::printf("BENCH live_update_abs_ms %.3f ms\n",
              UpdateMs(clock, 28, "hodnota_B", values, 100, nullptr,
                       {"grafImg1", "grafImg2", "grafImg3", "grafImg4", "grafImg5", "grafImg6"}));
  std::printf("BENCH live_update_expon_ms %.3f ms\n",
              UpdateMs(clock, 18, "hodnota_C", values, 4010));
  std::printf("BENCH live_update_param_ms %.3f ms\n",
              UpdateMs(clock, 29, "hodnota_B", values, 10, nullptr,
                       {"grafImg1", "grafImg2", "grafImg3", "grafImg4"}));
  std::printf("BENCH live_update_log_ms %.3f ms\n", UpdateMs(clock, 19, "hodnota_C", values, 4010));

  EndProgram();
  SetClock(nullptr);
  return 0;
}
