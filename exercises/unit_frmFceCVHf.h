// The exercise page 1.5  Obor hodnot.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCVHf : public TForm {
 public:
  explicit TfrmFceCVHf(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceCVHf* frmFceCVHf;
