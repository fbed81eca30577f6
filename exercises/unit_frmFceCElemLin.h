// The exercise page 4.1  Lineární funkce.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCElemLin : public TForm {
 public:
  explicit TfrmFceCElemLin(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceCElemLin* frmFceCElemLin;
