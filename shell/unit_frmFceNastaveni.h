// The page "Rozlišení monitoru": switching the screen to another resolution for a while.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceNastaveni : public TForm {
 public:
  explicit TfrmFceNastaveni(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceNastaveni* frmFceNastaveni;
