// The theory page 1.2  Definice funkce.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceDef : public TForm {
 public:
  explicit TfrmFceDef(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceDef* frmFceDef;
