// The theory page 2.5  Perioda: the definition, four graphs with one period highlighted and
// its length, four more for the student after a halt.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceVperioda : public TForm {
 public:
  explicit TfrmFceVperioda(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceVperioda* frmFceVperioda;
