// The theory page 1.5  Obor hodnot.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceVHf : public TForm {
 public:
  explicit TfrmFceVHf(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceVHf* frmFceVHf;
