#include "lessons/unit_frmFceGraf.h"

#include <array>
#include <string>
#include <vector>

TfrmFceGraf* frmFceGraf = nullptr;

namespace {

constexpr int kSteps = 60;
constexpr int kLastStep = kSteps - 1;
constexpr int kHaltStep = 41;
// The first step of each sheet.
constexpr int kSheet2First = 22, kSheet3First = 50;
const std::vector<int> kSheetStarts = {0, kSheet2First, kSheet3First};
constexpr int kSheets = 3;

// Sheets 1 (0-21) and 2 (22-49); records 50-59 stay empty, sheet 3 is coded in the tick.
const StepScript kScript(kSteps, {
                                     {0, "def01", "deftext01"},
                                     {1, "pr01", "img_text01"},
                                     {2, "tab01"},
                                     {3, "img_text02"},
                                     {4, "img01"},
                                     {5, "img02"},
                                     {6, "img03"},
                                     {7, "img04"},
                                     {8, "img05"},
                                     {9, "img06"},
                                     {10, "img07"},
                                     {11, "imgtext01"},
                                     {12, "img08"},
                                     {13, "img_text03"},
                                     {14, "tab2"},
                                     {15, "imgtext02"},
                                     {16, "graf_ukazka1"},
                                     {17, "graf_ukazka2"},
                                     {18, "graf_ukazka3"},
                                     {19, "imgtext03"},
                                     {20, "tab2b"},
                                     {21, "graf_ukazka4"},
                                     {22, "pr01", "text04"},
                                     {23, "graf01"},
                                     {24, "graf02"},
                                     {25, "graf03"},
                                     {26, "graf04"},
                                     {27, "text05"},
                                     {28, "graf01b"},
                                     {29, "graf01c"},
                                     {30, "graf02b"},
                                     {31, "graf02c"},
                                     {32, "graf03b"},
                                     {33, "graf03c"},
                                     {34, "graf04b"},
                                     {35, "graf04c"},
                                     {36, "text06"},
                                     {37, "graf05"},
                                     {38, "graf06"},
                                     {39, "graf07"},
                                     {40, "graf08"},
                                     // Repeats graf05: nothing new, only the halt.
                                     {kHaltStep, "graf05", nullptr, nullptr, true},
                                     {42, "graf05b"},
                                     {43, "graf05c"},
                                     {44, "graf06b"},
                                     {45, "graf06c"},
                                     {46, "graf07b"},
                                     {47, "graf07c"},
                                     {48, "graf08b"},
                                     {49, "graf08c"},
                                 });

// The pause after each step of sheets 1 and 2 (the pause after step 0 is shorter when sheet 1
// is replayed from sheet 2, see kontrola).
const DelayTable kDelays(1000, {{0, 4000},
                                {11, 4000},
                                {1, 2000},
                                {2, 2000},
                                {13, 2000},
                                {14, 2000},
                                {19, 2000},
                                {20, 2000},
                                {21, 2000},
                                {22, 2000},
                                {27, 2000},
                                {36, 2000}});
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

std::vector<std::string> RequiredControls() {
  std::vector<std::string> names = kScript.Names();
  names.insert(names.end(), kSheet3Controls.begin(), kSheet3Controls.end());
  return names;
}

// The page's state and records: module variables, set anew by each opening.
std::vector<Tzaznam_new> zaznamy;
PresentationState stav;

}  // namespace

const TFormClass& TfrmFceGraf::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceGraf>("TfrmFceGraf", "frmFceGraf", &frmFceGraf)
          .Bind("def01", &TfrmFceGraf::def01)
          .Bind("deftext01", &TfrmFceGraf::deftext01)
          .Bind("pr01", &TfrmFceGraf::pr01)
          .Bind("btnRes", &TfrmFceGraf::btnRes)
          .Bind("btnListZpet", &TfrmFceGraf::btnListZpet)
          .Bind("btnListDalsi", &TfrmFceGraf::btnListDalsi)
          .Handler("Akce", &TfrmFceGraf::Akce)
          .Handler("kontrola", &TfrmFceGraf::kontrola)
          .Handler("Reseni", &TfrmFceGraf::Reseni)
          .Handler("btnListDalsiClick", &TfrmFceGraf::btnListDalsiClick)
          .Handler("btnListZpetClick", &TfrmFceGraf::btnListZpetClick)
          .Requires(RequiredControls());
  return cls;
}

TControl* TfrmFceGraf::Named(const char* name) {
  return dynamic_cast<TControl*>(FindComponent(name));
}

void TfrmFceGraf::HideSheet3() {
  for (const char* name : kSheet3Controls) {
    if (TControl* c = Named(name)) c->Hide();
  }
}

void TfrmFceGraf::Akce(TObject*) {
  if (!opening_.First()) return;
  stav = PresentationState{};
  zaznamy = kScript.Build<Tzaznam_new>(*this);
  // The layout shows sheet 3 except its last pictures and text.
  HideSheet3();
  timer_ = PublishStepTimer(this, 500, TNotifyEvent(this, &TfrmFceGraf::kontrola, "kontrola"));
}

void TfrmFceGraf::kontrola(TObject*) {
  // After the last step the timer ticks on without effect.
  if (stav.RevealStep > kLastStep || !timer_) return;
  const int step = stav.RevealStep;
  // Set on every tick, also in step mode: the interval a restart goes on with.
  timer_->SetInterval(step == 0 && stav.PreviousSheet == 2 ? kReplayPauseMs : kDelays.For(step));
  if ((step == kSheet2First && stav.CurrentSheet == 1) ||
      (step == kSheet3First && stav.CurrentSheet == 2)) {
    stav.PreviousSheet = stav.CurrentSheet;
    ++stav.CurrentSheet;
  }
  if (stav.CurrentSheet == 1 || stav.CurrentSheet == 2) {
    TickScriptSheet(stav.CurrentSheet, step);
  } else if (stav.CurrentSheet == 3) {
    TickSheet3(step);
  }
}

void TfrmFceGraf::TickScriptSheet(int sheet, int step) {
  const ScriptSheet& s = kScriptSheets.at(sheet - 1);
  if (step < s.first || step > s.last) return;
  if (!StepMode) timer_->SetEnabled(true);
  SetSheetButtons(btnListZpet, btnListDalsi, sheet, kSheets);
  if (step == s.first) {
    if (s.hidesSolutionButton) btnRes->Hide();
    if (s.hidesSheet3) HideSheet3();
    HideRecords(zaznamy, s.hideFirst, s.hideLast);
    def01->Show();
    deftext01->Show();
    pr01->Hide();
  }
  if (step == s.last) timer_->SetEnabled(false);
  if (!stav.SolutionRequested) HaltForStepMode();
  ShowStepRecord(zaznamy[step], timer_, btnRes);
  ++stav.RevealStep;
  stav.PreviousSheet = sheet;
}

void TfrmFceGraf::TickSheet3(int step) {
  if (step < kSheet3First) return;
  // On this sheet step mode halts every step, the solution asked for or not.
  if (!HaltForStepMode()) {
    timer_->SetInterval(kSheet3PauseMs);
    timer_->SetEnabled(true);
  }
  SetSheetButtons(btnListZpet, btnListDalsi, 3, kSheets);
  btnRes->Hide();
  if (stav.PreviousSheet != 3) HideRecords(zaznamy, 0, kSheet3First - 1);
  const Sheet3Step& s = kSheet3.at(step - kSheet3First);
  for (const char* name : s.show) {
    if (name) {
      if (TControl* c = Named(name)) c->Show();
    }
  }
  if (s.pauseMs) timer_->SetInterval(s.pauseMs);
  ++stav.RevealStep;
  stav.PreviousSheet = 3;
}

void TfrmFceGraf::Reseni(TObject*) {
  RequestSolution(stav);
}

void TfrmFceGraf::btnListDalsiClick(TObject* Sender) {
  if (stav.CurrentSheet >= kSheets) return;
  TurnSheet(stav, +1, kSheetStarts);
  kontrola(Sender);
}

void TfrmFceGraf::btnListZpetClick(TObject* Sender) {
  if (stav.CurrentSheet <= 1) return;
  TurnSheet(stav, -1, kSheetStarts);
  kontrola(Sender);
}
