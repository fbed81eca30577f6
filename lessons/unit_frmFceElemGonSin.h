// The theory page 4.7  Goniometrické funkce — sinus.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceElemGonSin : public TForm {
 public:
  explicit TfrmFceElemGonSin(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceElemGonSin* frmFceElemGonSin;
