// The theory page 2.6  Prostá funkce: the definition, four graphs tested with lines parallel
// to the x axis, four more for the student after a halt.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceVprosta : public TForm {
 public:
  explicit TfrmFceVprosta(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceVprosta* frmFceVprosta;
