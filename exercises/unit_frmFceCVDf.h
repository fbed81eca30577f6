// The exercise page 1.4  Definiční obor.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCVDf : public TForm {
 public:
  explicit TfrmFceCVDf(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceCVDf* frmFceCVDf;
