// The theory page 4.7  Goniometrické funkce — sinus: the function introduced by the unit circle,
// then its live graph (lessons/goniometric_page.h).
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceElemGonSin : public TForm {
 public:
  explicit TfrmFceElemGonSin(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceElemGonSin* frmFceElemGonSin;
