// The exercise page 2.2  Extrémy.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCVextremy : public TForm {
 public:
  explicit TfrmFceCVextremy(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceCVextremy* frmFceCVextremy;
