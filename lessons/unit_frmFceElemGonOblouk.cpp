#include "lessons/unit_frmFceElemGonOblouk.h"

#include <array>
#include <set>
#include <string>
#include <vector>

#include "lessons/stepped_page.h"

TfrmFceElemGonOblouk* frmFceElemGonOblouk = nullptr;

namespace {

using Page = SteppedPage<>;

// Sheet 1 is steps 0 to 24, sheet 2 steps 25 to 30; the steps are coded here, not in records.
constexpr int kSheet2First = 25, kLastStep = 30;

// What a step does: the picture it brings to the front (all frames and circles share one place,
// so the newest must lie on top), the controls it shows and those it hides.
struct StepAction {
  const char* front;
  std::vector<const char*> show;
  std::vector<const char*> hide;
};

// graf21 and graf22 are never hidden: they lie below whatever is brought to the front.
const std::array<StepAction, kLastStep + 1> kSteps = {{
    {"graf01", {"text1"}, {"oruhel01",   "oruhel02",   "oruhel03a",  "oruhel03b",  "oruhel03c",
                           "oruhel03",   "oruhel_kr1", "oruhel_kr2", "oruhel_kr3", "oruhel_kr4",
                           "oruhel_kr5", "oruhel_kr6", "text2",      "text3",      "text4",
                           "text5",      "graf02",     "graf03",     "graf04",     "graf05",
                           "graf06",     "graf07",     "graf08",     "graf09",     "graf10",
                           "graf11",     "graf12",     "graf13",     "graf14",     "graf15",
                           "graf16",     "graf17",     "graf18",     "graf19",     "graf20"}},
    {"graf02", {}, {}},
    {"graf03", {}, {"graf01"}},
    {"graf04", {}, {"graf02"}},
    {"graf05", {}, {"graf03"}},
    {"graf06", {}, {"graf04"}},
    {"graf07", {}, {"graf05"}},
    {"graf08", {}, {"graf06"}},
    {"graf09", {}, {"graf07"}},
    {"graf10", {}, {"graf08"}},
    {"graf11", {}, {"graf09"}},
    {"graf12", {"graf11", "text2"}, {"graf10"}},
    {"graf13", {}, {"graf11"}},
    {"graf14", {}, {"graf12"}},
    {"graf15", {}, {"graf13"}},
    {"graf16", {}, {"graf14"}},
    {"graf17", {}, {"graf15"}},
    {nullptr, {"text3"}, {}},
    {"graf18", {}, {"graf16"}},
    {nullptr, {"text4"}, {}},
    {"graf19", {}, {"graf17"}},
    {"graf20", {}, {"graf18"}},
    {"graf21", {}, {"graf19"}},
    {"graf22", {}, {"graf20"}},
    {nullptr, {"text5"}, {}},
    // Sheet 2.
    {"oruhel_kr1",
     {"oruhel01"},
     {"text1",      "text2",      "text3",      "text4",      "text5",     "graf01",
      "graf02",     "graf03",     "graf04",     "graf05",     "graf06",    "graf07",
      "graf08",     "graf09",     "graf10",     "graf11",     "graf12",    "graf13",
      "graf14",     "graf15",     "graf16",     "graf17",     "graf18",    "graf19",
      "graf20",     "oruhel02",   "oruhel03a",  "oruhel03b",  "oruhel03c", "oruhel03",
      "oruhel_kr2", "oruhel_kr3", "oruhel_kr4", "oruhel_kr5", "oruhel_kr6"}},
    {"oruhel_kr2", {"oruhel02"}, {}},
    {"oruhel_kr3", {"oruhel03a"}, {}},
    {"oruhel_kr4", {"oruhel03b"}, {}},
    {"oruhel_kr5", {"oruhel03c"}, {}},
    {"oruhel_kr6", {"oruhel03"}, {}},
}};

// The interval set before a step: the texts and the first radian stay longer on the screen.
int IntervalBefore(int step) {
  switch (step) {
    case 11:
    case 17:
      return 6000;
    case 12:
      return 2000;
    case 19:
      return 3000;
    default:
      return 1500;
  }
}

void Act(Page& p, const StepAction& a) {
  for (const char* name : a.hide) p.C(name).Hide();
  for (const char* name : a.show) p.C(name).Show();
  if (a.front) p.Front(a.front);
}

// zobrazeni
void Tick(Page& p) {
  PresentationState& state = p.state;
  TTimer* timer = p.Timer();
  const int step = state.RevealStep;
  timer->SetInterval(IntervalBefore(step));
  if (step > kLastStep) {
    // The end: every later restart of the timer stops here again.
    timer->SetEnabled(false);
    ++state.RevealStep;
    return;
  }
  HaltForStepMode();
  SetSheetButtons(p.BackButton(), p.NextButton(), state.CurrentSheet, 2);
  if (state.CurrentSheet == 1) {
    if (step < kSheet2First) Act(p, kSteps[step]);
    if (step == 13 || step == 20) timer->SetInterval(2000);
    if (step == kSheet2First - 1) state.CurrentSheet = 2;
  } else {
    timer->SetInterval(4000);
    if (step >= kSheet2First) Act(p, kSteps[step]);
  }
  ++state.RevealStep;
}

// The sheet buttons show the new sheet's first step at once and leave the timer as it is: a
// running presentation goes on there, an ended one waits for the tool bar.
void Turn(Page& p, int delta) {
  p.state.CurrentSheet = delta > 0 ? 2 : 1;
  p.state.RevealStep = delta > 0 ? kSheet2First : 0;
  SetSheetButtons(p.BackButton(), p.NextButton(), p.state.CurrentSheet, 2);
  Tick(p);
}

std::vector<std::string> StepControls() {
  std::set<std::string> names;
  for (const StepAction& a : kSteps) {
    if (a.front) names.insert(a.front);
    names.insert(a.show.begin(), a.show.end());
    names.insert(a.hide.begin(), a.hide.end());
  }
  return {names.begin(), names.end()};
}

Page page({
    .firstInterval = 1500,
    .tickHandler = "zobrazeni",
    .sheets = {0, kSheet2First},
    .controls = StepControls(),
    .tick = Tick,
    .turn = Turn,
});

}  // namespace

const TFormClass& TfrmFceElemGonOblouk::FormClass() {
  static const TFormClass cls =
      page.FormClass<TfrmFceElemGonOblouk>("TfrmFceElemGonOblouk", &frmFceElemGonOblouk);
  return cls;
}
