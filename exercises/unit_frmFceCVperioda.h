// The exercise page 2.5  Perioda.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCVperioda : public TForm {
 public:
  explicit TfrmFceCVperioda(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceCVperioda* frmFceCVperioda;
