#include "lessons/unit_frmFceUvod.h"

#include <vector>

#include "shell/unit_frmMain.h"
#include "shell/unit_zaznam.h"

TfrmFceUvod* frmFceUvod = nullptr;

namespace {

// Pictures go in Control1 and labels in Control3. Sheet 1 is steps 0 to 10, sheet 2 steps 11
// to 35, of which 16 to 35 are silent.
constexpr int kSteps = 36;
constexpr int kLastStep = kSteps - 1;
const StepScript kScript(kSteps, {{0, nullptr, nullptr, "text01"},
                                  {1, nullptr, nullptr, "text02"},
                                  {2, nullptr, nullptr, "text03"},
                                  {3, nullptr, nullptr, "text07"},
                                  {4, nullptr, nullptr, "text08"},
                                  {5, "zprava01"},
                                  {6, nullptr, nullptr, "text09"},
                                  {7, "zprava02"},
                                  {8, nullptr, nullptr, "text10"},
                                  {9, "zprava03"},
                                  {10, nullptr, nullptr, "text11"},
                                  {11, nullptr, nullptr, "text2_1"},
                                  {12, "obr2_1", nullptr, "text2_2"},
                                  {13, "obr2_3", nullptr, "text2_4"},
                                  {14, "obr2_2", nullptr, "text2_3"},
                                  {15, "obr2_4", nullptr, "text2_5"}});
// The graphs stay longer on the screen.
const DelayTable kDelays(3000, {{12, 4000}, {13, 4000}, {14, 4000}, {15, 4000}});
constexpr int kSheets = 2;
// The steps whose controls a sheet hides when the other one is shown.
constexpr int kSheet1Last = 10, kSheet2First = 11, kSheet2Shown = 15;
const std::vector<int> kFirstSteps = {0, kSheet2First};

std::vector<Tzaznam> zaznamy;
PresentationState state;

}  // namespace

const TFormClass& TfrmFceUvod::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceUvod>("TfrmFceUvod", "frmFceUvod", &frmFceUvod)
          .Bind("btnListZpet", &TfrmFceUvod::btnListZpet)
          .Bind("btnListDalsi", &TfrmFceUvod::btnListDalsi)
          .Handler("Akce", &TfrmFceUvod::Akce)
          .Handler("kontrola", &TfrmFceUvod::kontrola)
          .Handler("btnListZpetClick", &TfrmFceUvod::btnListZpetClick)
          .Handler("btnListDalsiClick", &TfrmFceUvod::btnListDalsiClick)
          .Requires(kScript.Names());
  return cls;
}

void TfrmFceUvod::Akce(TObject*) {
  if (!opening_.First()) return;
  zaznamy = kScript.Build<Tzaznam>(*this);
  state = PresentationState{};
  PublishStepTimer(this, kDelays.For(0), TNotifyEvent(this, &TfrmFceUvod::kontrola, "kontrola"));
}

void TfrmFceUvod::kontrola(TObject*) {
  TTimer* timer = StepTimer.get();
  if (!HaltForStepMode() && timer) timer->SetInterval(kDelays.For(state.RevealStep));
  if (state.RevealStep == kSheet2First && state.CurrentSheet == 1) {
    state.PreviousSheet = 1;
    state.CurrentSheet = 2;
  }
  // Every tick puts the tool bar in the state of the mode, also after the end.
  frmMain->btnPozast->SetEnabled(!StepMode);
  frmMain->btnKrokuj->SetEnabled(true);
  frmMain->btnKrok->SetEnabled(StepMode);
  // In step mode the timer waits for btnKrok; otherwise every tick, and so every sheet button,
  // keeps it running.
  if (timer) timer->SetEnabled(!StepMode);
  SetSheetButtons(btnListZpet, btnListDalsi, state.CurrentSheet, kSheets);
  if (state.CurrentSheet == 1) {
    HideRecords(zaznamy, kSheet2First, kSheet2Shown);
  } else {
    HideRecords(zaznamy, 0, kSheet1Last);
  }
  if (state.RevealStep > kLastStep) {
    if (timer) timer->SetEnabled(false);
    return;
  }
  RevealRecord(zaznamy[state.RevealStep]);
  ++state.RevealStep;
}

void TfrmFceUvod::btnListZpetClick(TObject*) {
  TurnSheet(state, -1, kFirstSteps);
  kontrola(this);
}

void TfrmFceUvod::btnListDalsiClick(TObject*) {
  TurnSheet(state, +1, kFirstSteps);
  kontrola(this);
}
