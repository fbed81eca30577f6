// The theory page 4.7  Goniometrické funkce — tangens.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceElemGonTg : public TForm {
 public:
  explicit TfrmFceElemGonTg(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceElemGonTg* frmFceElemGonTg;
