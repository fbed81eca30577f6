// The exercise page 4.9  Funkce s absolutní hodnotou.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCElemAbs : public TForm {
 public:
  explicit TfrmFceCElemAbs(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceCElemAbs* frmFceCElemAbs;
