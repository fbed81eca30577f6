// The theory page 2.1  Monotónnost.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceVmonotonie : public TForm {
 public:
  explicit TfrmFceVmonotonie(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceVmonotonie* frmFceVmonotonie;
