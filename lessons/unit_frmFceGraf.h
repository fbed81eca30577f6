// The theory page 1.3  Graf funkce: the definition of the graph and a worked example from a
// table of values (sheet 1), deciding which curves are graphs of functions (sheet 2, with a
// halt for the solution), vertical asymptotes (sheet 3). Sheets 1 and 2 are a step script,
// sheet 3 is coded in the tick; the page waits at the end of each sheet.
#pragma once

#include "lessons/stepped_page.h"
#include "platform/buttons.h"
#include "platform/extctrls.h"
#include "platform/forms.h"
#include "platform/stdctrls.h"
#include "platform/streaming.h"
#include "platform/timers.h"

class TfrmFceGraf : public TForm {
 public:
  explicit TfrmFceGraf(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();

  TImage* def01 = nullptr;
  TImage* deftext01 = nullptr;
  TImage* pr01 = nullptr;
  TBitBtn* btnRes = nullptr;
  TSpeedButton* btnListZpet = nullptr;
  TSpeedButton* btnListDalsi = nullptr;

  // OnActivate: the script, the state and the page timer, once per page instance.
  void Akce(TObject* Sender);
  // The page timer: one step of the sheet shown.
  void kontrola(TObject* Sender);
  // OnClick of btnRes: the solutions of sheet 2 follow, also in step mode.
  void Reseni(TObject* Sender);
  // The sheet buttons: the new sheet's first step at once.
  void btnListDalsiClick(TObject* Sender);
  void btnListZpetClick(TObject* Sender);

 private:
  TControl* Named(const char* name);
  void HideSheet3();
  // Sheet 1 or 2: one step of the script.
  void TickScriptSheet(int sheet, int step);
  void TickSheet3(int step);

  OpeningGuard opening_;
  TTimer* timer_ = nullptr;
};

extern TfrmFceGraf* frmFceGraf;
