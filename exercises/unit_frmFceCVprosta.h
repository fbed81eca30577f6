// The exercise page 2.6  Prostá funkce.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCVprosta : public TForm {
 public:
  explicit TfrmFceCVprosta(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceCVprosta* frmFceCVprosta;
