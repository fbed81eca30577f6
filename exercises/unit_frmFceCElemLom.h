// The exercise page 4.3  Lineární lomená funkce.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCElemLom : public TForm {
 public:
  explicit TfrmFceCElemLom(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceCElemLom* frmFceCElemLom;
