#include "lessons/unit_frmFceGraf.h"

#include "lessons/stepped_page.h"

#include <array>
#include <string>
#include <vector>

TfrmFceGraf* frmFceGraf = nullptr;

namespace {

constexpr int kSteps = 60;
constexpr int kLastStep = kSteps - 1;
// The first step of each sheet.
constexpr int kSheet2First = 22, kSheet3First = 50;
const std::vector<int> kSheetStarts = {0, kSheet2First, kSheet3First};
constexpr int kSheets = 3;

// Sheets 1 (0-21) and 2 (22-49); records 50-59 stay empty, sheet 3 is coded in the tick.
// Step 41 repeats graf05: nothing new, only the halt.
constexpr const char* kScriptText =
    "0 def01 deftext01 · 1 pr01 img_text01 · 2 tab01 · 3 img_text02 · 4-10 img01-img07 · "
    "11 imgtext01 · 12 img08 · 13 img_text03 · 14 tab2 · 15 imgtext02 · "
    "16-18 graf_ukazka1-graf_ukazka3 · 19 imgtext03 · 20 tab2b · 21 graf_ukazka4 · "
    "22 pr01 text04 · 23-26 graf01-graf04 · 27 text05 · "
    "28-35 graf01b graf01c graf02b graf02c graf03b graf03c graf04b graf04c · 36 text06 · "
    "37-40 graf05-graf08 · 41 W graf05 · "
    "42-49 graf05b graf05c graf06b graf06c graf07b graf07c graf08b graf08c";

// The pause after each step of sheets 1 and 2 (the pause after step 0 is shorter when sheet 1
// is replayed from sheet 2, see kontrola).
const DelayTable kDelays =
    DelayTable(1000).After({0, 11}, 4000).After({1, 2, 13, 14, 19, 20, 21, 22, 27, 36}, 2000);
constexpr int kReplayPauseMs = 1000;

// Sheets 1 and 2 play the script. At its first step a sheet hides what the other sheets left
// on the screen and puts the definition back on top; at its last step the page waits.
struct ScriptSheet {
  int first, last;          // its steps
  int hideFirst, hideLast;  // the records of the other script sheet
  bool hidesSolutionButton;
  bool hidesSheet3;
};
const std::array<ScriptSheet, 2> kScriptSheets = {{
    {0, kSheet2First - 1, kSheet2First, kSheet3First - 1, true, false},
    {kSheet2First, kSheet3First - 1, 0, kSheet2First - 1, false, true},
}};

// Sheet 3, steps 50 to 59: what each step shows and the pause after it where it is not the
// sheet's 3000 ms.
constexpr int kSheet3PauseMs = 3000;
struct Sheet3Step {
  std::array<const char*, 5> show;
  int pauseMs;
};
const std::array<Sheet3Step, 10> kSheet3 = {{
    {{}, 0},  // the sheet has just been entered
    {{"obr3_1"}, 0},
    {{"obr3_2"}, 4000},
    {{"imgtext3_4"}, 12000},
    {{}, 0},
    {{"obr3_3", "obr3_4", "obr3_5", "obr3_6", "obr3_7"}, 0},
    {{"text3_6"}, 12000},
    {{"text3_7"}, 4000},
    {{"obr3_8", "obr3_9"}, 0},
    {{"text3_8"}, 0},
}};

// Everything of sheet 3, hidden when the page opens and when sheet 2 starts.
const std::array<const char*, 13> kSheet3Controls = {
    "imgtext3_4", "text3_6", "text3_7", "text3_8", "obr3_1", "obr3_2", "obr3_3",
    "obr3_4",     "obr3_5",  "obr3_6",  "obr3_7",  "obr3_8", "obr3_9"};

using Page = SteppedPage<Tzaznam_new>;

void HideSheet3(Page& p) {
  for (const char* name : kSheet3Controls) p.C(name).Hide();
}

// Sheet 1 or 2: one step of the script.
void TickScriptSheet(Page& p, int sheet, int step) {
  auto& form = static_cast<TfrmFceGraf&>(p.Page());
  TTimer* timer = p.Timer();
  PresentationState& stav = p.state;
  const ScriptSheet& s = kScriptSheets.at(sheet - 1);
  if (step < s.first || step > s.last) return;
  if (!StepMode) timer->SetEnabled(true);
  SetSheetButtons(form.btnListZpet, form.btnListDalsi, sheet, kSheets);
  if (step == s.first) {
    if (s.hidesSolutionButton) form.btnRes->Hide();
    if (s.hidesSheet3) HideSheet3(p);
    HideRecords(p.records, s.hideFirst, s.hideLast);
    form.def01->Show();
    form.deftext01->Show();
    form.pr01->Hide();
  }
  if (step == s.last) timer->SetEnabled(false);
  if (!stav.SolutionRequested) HaltForStepMode();
  ShowStepRecord(p.records[step], timer, form.btnRes);
  ++stav.RevealStep;
  stav.PreviousSheet = sheet;
}

void TickSheet3(Page& p, int step) {
  auto& form = static_cast<TfrmFceGraf&>(p.Page());
  TTimer* timer = p.Timer();
  if (step < kSheet3First) return;
  // On this sheet step mode halts every step, the solution asked for or not.
  if (!HaltForStepMode()) {
    timer->SetInterval(kSheet3PauseMs);
    timer->SetEnabled(true);
  }
  SetSheetButtons(form.btnListZpet, form.btnListDalsi, 3, kSheets);
  form.btnRes->Hide();
  if (p.state.PreviousSheet != 3) HideRecords(p.records, 0, kSheet3First - 1);
  const Sheet3Step& s = kSheet3.at(step - kSheet3First);
  for (const char* name : s.show) {
    if (name) p.C(name).Show();
  }
  if (s.pauseMs) timer->SetInterval(s.pauseMs);
  ++p.state.RevealStep;
  p.state.PreviousSheet = 3;
}

void Tick(Page& p) {
  PresentationState& stav = p.state;
  TTimer* timer = p.Timer();
  // After the last step the timer ticks on without effect.
  if (stav.RevealStep > kLastStep || !timer) return;
  const int step = stav.RevealStep;
  // Set on every tick, also in step mode: the interval a restart goes on with.
  timer->SetInterval(step == 0 && stav.PreviousSheet == 2 ? kReplayPauseMs : kDelays.For(step));
  if ((step == kSheet2First && stav.CurrentSheet == 1) ||
      (step == kSheet3First && stav.CurrentSheet == 2)) {
    stav.PreviousSheet = stav.CurrentSheet;
    ++stav.CurrentSheet;
  }
  if (stav.CurrentSheet == 1 || stav.CurrentSheet == 2) {
    TickScriptSheet(p, stav.CurrentSheet, step);
  } else if (stav.CurrentSheet == 3) {
    TickSheet3(p, step);
  }
}

std::vector<std::string> Sheet3Names() {
  return {kSheet3Controls.begin(), kSheet3Controls.end()};
}

Page page({
    .script = StepScript(kSteps, kScriptText),
    .delays = kDelays,
    .firstInterval = 500,
    .solutionButton = "btnRes",
    .sheets = kSheetStarts,
    .controls = Sheet3Names(),
    // The layout shows sheet 3 except its last pictures and text.
    .open = HideSheet3,
    .tick = Tick,
});

}  // namespace

const TFormClass& TfrmFceGraf::FormClass() {
  static const TFormClass cls = page.FormClass<TfrmFceGraf>("TfrmFceGraf", &frmFceGraf);
  return cls;
}
