// The page "Rozlišení monitoru": switching the screen to another resolution for a while. The
// change is never stored in the system; "Obnov původní" and the exit through "Konec" return
// to the stored mode.
#pragma once

#include <vector>

#include "platform/display.h"
#include "platform/forms.h"
#include "platform/stdctrls.h"
#include "platform/streaming.h"

class TfrmFceNastaveni : public TForm {
 public:
  explicit TfrmFceNastaveni(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();

  TField<TListBox> ListBox1{this, "ListBox1"};
  TField<TButton> btnNastav{this, "btnNastav"};
  TField<TButton> Button1{this, "Button1"};

  // OnCreate: every mode the display enumerates, in its order; a line "1024x768" for each
  // mode of 32 bits per pixel.
  void FormCreate(TObject* Sender);
  void FormDestroy(TObject* Sender);
  // "Nastav": the width and height of the selected line, at 32 bits per pixel, not stored;
  // a change that needs a restart or fails is reported.
  void btnNastavClick(TObject* Sender);
  // "Obnov původní": the mode stored in the system; the result is not looked at.
  void Button1Click(TObject* Sender);

  // One copy of every enumerated mode, in enumeration order.
  const std::vector<DEVMODEA>& Modes() const { return DisplayModes; }

 private:
  std::vector<DEVMODEA> DisplayModes;
};

extern TfrmFceNastaveni* frmFceNastaveni;
