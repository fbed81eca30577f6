#include "shell/unit_frmFceUpozorneni.h"

#include <array>
#include <string>
#include <vector>

#include "platform/timers.h"
#include "shell/unit_frmMain.h"

TfrmFceUmluva* frmFceUmluva = nullptr;
std::int32_t CurrentSheet = 1;
std::int32_t SheetPhase = 1;

namespace {

// The controls of each sheet.
const std::array<std::vector<std::string>, 4>& Sheets() {
  static const std::array<std::vector<std::string>, 4> sheets = {{
      {"text11", "text12", "text13", "text14", "text15", "text16", "obr11", "obr12", "obr13",
       "obr14", "obr15", "obr16", "obr17"},
      {"text21", "text22a", "text22b", "text22c", "text22d", "text24", "text25", "text26", "obr21",
       "obr22"},
      {"text31", "text32", "text33", "text34", "text35", "obr31", "obr32", "obr33", "obr34",
       "obr35", "obr36", "obr37", "obr38", "obr39", "obr310", "obr311", "obr312"},
      {"text41", "text42", "text43", "text44", "obr41", "obr42", "obr43", "obr44"},
  }};
  return sheets;
}

// The page's own timer of its latest activation.
TRef<TTimer> ownTimer;

}  // namespace

void TfrmFceUmluva::Akce(TObject*) {
  // Another activation replaces the page's timer instead of leaving a second one behind.
  if (TTimer* old = ownTimer.get(); old && old->Owner() == this) Free(old);
  ownTimer = PublishStepTimer(this, 20, TNotifyEvent(this, &TfrmFceUmluva::Presun, "Presun"),
                              /*start=*/false);
  SheetPhase = 1;
  CurrentSheet = 1;
  zmenastranky();
}

void TfrmFceUmluva::zmenastranky() {
  // Every other sheet is hidden, not only the neighbours: a tick started from the tool bar sets
  // CurrentSheet to 2 on any sheet, and the next turn must not leave two sheets on top of each
  // other.
  for (int sheet = 1; sheet <= 4; ++sheet) {
    if (sheet == CurrentSheet) continue;
    for (const std::string& name : Sheets()[sheet - 1]) Named<TControl>(*this, name).Hide();
  }
  if (CurrentSheet >= 1 && CurrentSheet <= 4) {
    for (const std::string& name : Sheets()[CurrentSheet - 1]) {
      Named<TControl>(*this, name).Show();
    }
  }
  switch (CurrentSheet) {
    case 1:
      btnListZpet->SetEnabled(false);
      btnListDalsi->SetEnabled(true);
      break;
    case 2:  // the buttons keep their state until the timer's second tick
      // A wait cut short after its first tick left the long interval: this one starts afresh.
      if (StepTimer) {
        StepTimer->SetInterval(20);
        StepTimer->SetEnabled(true);
      }
      SheetPhase = 1;
      break;
    case 3:
      btnListZpet->SetEnabled(true);
      btnListDalsi->SetEnabled(true);
      break;
    case 4:
      btnListDalsi->SetEnabled(false);
      btnListZpet->SetEnabled(true);
      break;
  }
}

void TfrmFceUmluva::Presun(TObject*) {
  TTimer* timer = StepTimer.get();
  if (!timer) return;
  timer->SetInterval(20);
  if (SheetPhase == 1) {
    timer->SetInterval(500);
    SheetPhase = 2;
  } else {
    timer->SetEnabled(false);
    CurrentSheet = 2;
    btnListZpet->SetEnabled(true);
    btnListDalsi->SetEnabled(true);
    SheetPhase = 1;
  }
}

void TfrmFceUmluva::btnListZpetClick(TObject*) {
  CurrentSheet = CurrentSheet - 1;
  if (StepTimer) StepTimer->SetEnabled(false);
  zmenastranky();
}

void TfrmFceUmluva::btnListDalsiClick(TObject*) {
  CurrentSheet = CurrentSheet + 1;
  if (StepTimer) StepTimer->SetEnabled(false);
  zmenastranky();
}

const TFormClass& TfrmFceUmluva::FormClass() {
  static const TFormClass cls = [] {
    TFormClass c = TFormClass::Of<TfrmFceUmluva>("TfrmFceUmluva", "frmFceUmluva", &frmFceUmluva);
    c.Handler("Akce", &TfrmFceUmluva::Akce);
    c.Handler("btnListZpetClick", &TfrmFceUmluva::btnListZpetClick);
    c.Handler("btnListDalsiClick", &TfrmFceUmluva::btnListDalsiClick);
    for (const auto& sheet : Sheets()) c.Requires(sheet);
    return c;
  }();
  return cls;
}
