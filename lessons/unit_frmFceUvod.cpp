#include "lessons/unit_frmFceUvod.h"

#include "lessons/stepped_page.h"

TfrmFceUvod* frmFceUvod = nullptr;

namespace {

// Pictures go in Control1 and labels in Control3. Sheet 1 is steps 0 to 10, sheet 2 steps 11
// to 35, of which 16 to 35 are silent.
constexpr int kSteps = 36;
constexpr int kLastStep = kSteps - 1;
constexpr int kSheet1Last = 10, kSheet2First = 11, kSheet2Shown = 15;

// The tick; the layout also binds it to OnActivate, so the first step shows as soon as the
// page is activated.
void Tick(SteppedPage<>& p) {
  PresentationState& state = p.state;
  TTimer* timer = StepTimer.get();
  if (!HaltForStepMode() && timer) timer->SetInterval(p.Tables().delays.For(state.RevealStep));
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
  SetSheetButtons(p.BackButton(), p.NextButton(), state.CurrentSheet, 2);
  if (state.CurrentSheet == 1) {
    HideRecords(p.records, kSheet2First, kSheet2Shown);
  } else {
    HideRecords(p.records, 0, kSheet1Last);
  }
  if (state.RevealStep > kLastStep) {
    if (timer) timer->SetEnabled(false);
    return;
  }
  RevealRecord(p.records[state.RevealStep]);
  ++state.RevealStep;
}

SteppedPage<> page({
    .script = StepScript(kSteps,
                         "0 _ _ text01 · 1 _ _ text02 · 2 _ _ text03 · 3 _ _ text07 · "
                         "4 _ _ text08 · 5 zprava01 · 6 _ _ text09 · 7 zprava02 · "
                         "8 _ _ text10 · 9 zprava03 · 10 _ _ text11 · 11 _ _ text2_1 · "
                         "12 obr2_1 _ text2_2 · 13 obr2_3 _ text2_4 · 14 obr2_2 _ text2_3 · "
                         "15 obr2_4 _ text2_5"),
    // The graphs stay longer on the screen.
    .delays = DelayTable(3000).After({12, 13, 14, 15}, 4000),
    .firstInterval = 3000,
    .sheets = {0, kSheet2First},
    .tick = Tick,
});

}  // namespace

const TFormClass& TfrmFceUvod::FormClass() {
  static const TFormClass cls = page.FormClass<TfrmFceUvod>("TfrmFceUvod", &frmFceUvod);
  return cls;
}
