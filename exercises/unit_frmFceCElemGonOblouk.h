// The exercise page 4.7  Goniometrické funkce — oblouková míra.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCElemGonOblouk : public TForm {
 public:
  explicit TfrmFceCElemGonOblouk(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceCElemGonOblouk* frmFceCElemGonOblouk;
