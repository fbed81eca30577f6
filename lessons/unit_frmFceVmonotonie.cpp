#include "lessons/unit_frmFceVmonotonie.h"

#include <array>
#include <string>
#include <vector>

#include "lessons/stepped_page.h"

TfrmFceVmonotonie* frmFceVmonotonie = nullptr;

namespace {

// Steps 1 to 6 show the small graphs at the right, the first column non-decreasing functions,
// the second non-increasing ones; step 26 waits with the fourth exercise graph itself.
constexpr const char* kScript =
    "0 def01 text01 · 1-6 uk_graf01-uk_graf06 · 7 pr01 text02 · 8-11 graf01-graf04 · "
    "12 graf01b · 13 res01 · 14 graf02b · 15 res02 · 16 graf03b · 17 res03 · 18 graf04b · "
    "19 graf04c · 20 res04 · 21 text03 · 22 text04 · 23-25 graf05-graf07 · 26 W graf08 · "
    "27-34 graf05b graf05c graf06b graf06c graf07b graf07c graf08b graf08c";

// The frames with their words around a column of small graphs: after the column's last graph
// (step `step`) one tick the wide frame, the next tick the narrow one, then the step after.
struct Markers {
  int step;
  std::array<const char*, 2> wide, narrow;
};
const std::array<Markers, 2> kMarkers = {{
    {3, {"obd1", "nazev1"}, {"obd2", "nazev2"}},
    {6, {"obd3", "nazev3"}, {"obd4", "nazev4"}},
}};

// True between the ticks of a marker step: the small graph or a frame is shown, the step's
// other ticks are still to come.
bool MarkerPhase = false;

using Page = SteppedPage<>;

// Reveals a frame and its word for the current step.
void RevealMarker(Page& p, const std::array<const char*, 2>& names) {
  Tzaznam r;
  r.Control1 = &p.C(names[0]);
  r.Control2 = &p.C(names[1]);
  p.RevealTick(r);
}

// The standard tick, except that the steps 3 and 4 (and 6 and 7) take two ticks each: step 3
// shows uk_graf03, then the wide frame; step 4 the narrow frame, then its own record.
void Tick(Page& p) {
  int& step = p.state.RevealStep;
  for (const Markers& m : kMarkers) {
    if (step == m.step) {
      if (MarkerPhase) {
        RevealMarker(p, m.wide);
        step = m.step + 1;
      } else {
        p.RevealTick(p.records[m.step]);
      }
      MarkerPhase = true;
      return;
    }
    if (step == m.step + 1) {
      if (MarkerPhase) {
        RevealMarker(p, m.narrow);
        MarkerPhase = false;
      } else {
        p.StandardTick();
        MarkerPhase = true;
      }
      return;
    }
  }
  MarkerPhase = false;
  p.StandardTick();
}

std::vector<std::string> MarkerNames() {
  std::vector<std::string> names;
  for (const Markers& m : kMarkers) {
    for (const char* n : {m.wide[0], m.wide[1], m.narrow[0], m.narrow[1]}) names.emplace_back(n);
  }
  return names;
}

Page page({
    .script = StepScript(36, kScript),
    // Time to read the definitions and the remark about the example d).
    .delays = DelayTable(1000).After({0, 21}, 8000),
    .solutionButton = "btnRes",
    .controls = MarkerNames(),
    .open = [](Page&) { MarkerPhase = false; },
    .tick = Tick,
});

}  // namespace

const TFormClass& TfrmFceVmonotonie::FormClass() {
  static const TFormClass cls =
      page.FormClass<TfrmFceVmonotonie>("TfrmFceVmonotonie", &frmFceVmonotonie);
  return cls;
}
