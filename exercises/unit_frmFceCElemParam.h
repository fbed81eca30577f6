// The exercise page 4.10  Vliv parametrů na graf funkce.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCElemParam : public TForm {
 public:
  explicit TfrmFceCElemParam(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceCElemParam* frmFceCElemParam;
