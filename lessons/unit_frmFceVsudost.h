// The theory page 2.4  Sudost a lichost.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceVsudost : public TForm {
 public:
  explicit TfrmFceVsudost(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceVsudost* frmFceVsudost;
