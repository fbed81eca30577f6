// The theory page 4.8  Cyklometrické funkce.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceElemCyklom : public TForm {
 public:
  explicit TfrmFceElemCyklom(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceElemCyklom* frmFceElemCyklom;
