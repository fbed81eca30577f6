// The exercise page 4.8  Cyklometrické funkce.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCElemCyklom : public TForm {
 public:
  explicit TfrmFceCElemCyklom(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceCElemCyklom* frmFceCElemCyklom;
