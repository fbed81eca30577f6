// The theory page 4.7  Goniometrické funkce — kosinus: the function introduced by the unit circle,
// then its live graph (lessons/goniometric_page.h).
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceElemGonCos : public TForm {
 public:
  explicit TfrmFceElemGonCos(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceElemGonCos* frmFceElemGonCos;
