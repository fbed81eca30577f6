// The exercise page 4.7  Goniometrické funkce — kosinus.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCElemGonCos : public TForm {
 public:
  explicit TfrmFceCElemGonCos(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceCElemGonCos* frmFceCElemGonCos;
