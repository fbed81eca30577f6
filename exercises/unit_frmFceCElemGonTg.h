// The exercise page 4.7  Goniometrické funkce — tangens.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCElemGonTg : public TForm {
 public:
  explicit TfrmFceCElemGonTg(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceCElemGonTg* frmFceCElemGonTg;
