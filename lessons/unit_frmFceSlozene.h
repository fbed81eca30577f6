// The theory page 5. Graf libovolné funkce.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceSlozene : public TForm {
 public:
  explicit TfrmFceSlozene(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceSlozene* frmFceSlozene;
