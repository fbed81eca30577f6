// The theory page 2.3  Omezenost.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceVomezenost : public TForm {
 public:
  explicit TfrmFceVomezenost(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceVomezenost* frmFceVomezenost;
