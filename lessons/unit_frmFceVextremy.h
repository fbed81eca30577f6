// The theory page 2.2  Extrémy.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceVextremy : public TForm {
 public:
  explicit TfrmFceVextremy(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceVextremy* frmFceVextremy;
