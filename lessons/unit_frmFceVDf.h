// The theory page 1.4  Definiční obor.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceVDf : public TForm {
 public:
  explicit TfrmFceVDf(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceVDf* frmFceVDf;
