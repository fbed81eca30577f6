// The theory page 4.7  Goniometrické funkce — oblouková míra.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceElemGonOblouk : public TForm {
 public:
  explicit TfrmFceElemGonOblouk(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceElemGonOblouk* frmFceElemGonOblouk;
