// The theory page 1.3  Graf funkce: the definition of the graph and a worked example from a
// table of values (sheet 1), deciding which curves are graphs of functions (sheet 2, with a
// halt for the solution), vertical asymptotes (sheet 3). Sheets 1 and 2 are a step script,
// sheet 3 is coded in the tick; the page waits at the end of each sheet.
#pragma once

#include "platform/buttons.h"
#include "platform/extctrls.h"
#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceGraf : public TForm {
 public:
  explicit TfrmFceGraf(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();

  TField<TImage> def01{this, "def01"};
  TField<TImage> deftext01{this, "deftext01"};
  TField<TImage> pr01{this, "pr01"};
  TField<TBitBtn> btnRes{this, "btnRes"};
  TField<TSpeedButton> btnListZpet{this, "btnListZpet"};
  TField<TSpeedButton> btnListDalsi{this, "btnListDalsi"};
};

extern TfrmFceGraf* frmFceGraf;
