// The theory page 4.7  Goniometrické funkce — tangens: the function introduced by the unit circle,
// then its live graph (lessons/goniometric_page.h).
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceElemGonTg : public TForm {
 public:
  explicit TfrmFceElemGonTg(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceElemGonTg* frmFceElemGonTg;
