// The page "Úmluva": the conventions by which the book's graphs are read, on four sheets turned
// with two small buttons. The page publishes its timer, which runs only for the short wait
// after arriving on sheet 2 before both sheet buttons are enabled.
#pragma once

#include <cstdint>

#include "platform/buttons.h"
#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceUmluva : public TForm {
 public:
  explicit TfrmFceUmluva(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();

  TField<TSpeedButton> btnListZpet{this, "btnListZpet"};
  TField<TSpeedButton> btnListDalsi{this, "btnListDalsi"};

  // OnActivate: a fresh timer (stopped) in place of the page's earlier one, and sheet 1.
  void Akce(TObject* Sender);
  void btnListZpetClick(TObject* Sender);
  void btnListDalsiClick(TObject* Sender);
  // Shows the sheet CurrentSheet and hides every other one.
  void zmenastranky();
  // The tick of the published timer: the first tick waits 500 ms more, the second enables both
  // sheet buttons and stops.
  void Presun(TObject* Sender);
};

extern TfrmFceUmluva* frmFceUmluva;

// The sheet shown, 1 to 4, and which of the two ticks after arriving on sheet 2 comes next.
extern std::int32_t CurrentSheet;
extern std::int32_t SheetPhase;
