// The exercise page 4.7  Goniometrické funkce — sinus.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCElemGonSin : public TForm {
 public:
  explicit TfrmFceCElemGonSin(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceCElemGonSin* frmFceCElemGonSin;
