// The exercise page 2.3  Omezenost.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCVomezenost : public TForm {
 public:
  explicit TfrmFceCVomezenost(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceCVomezenost* frmFceCVomezenost;
