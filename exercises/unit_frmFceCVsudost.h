// The exercise page 2.4  Sudost a lichost.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCVsudost : public TForm {
 public:
  explicit TfrmFceCVsudost(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceCVsudost* frmFceCVsudost;
