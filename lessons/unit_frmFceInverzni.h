// The theory page 3. Inverzní funkce.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceInverzni : public TForm {
 public:
  explicit TfrmFceInverzni(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceInverzni* frmFceInverzni;
