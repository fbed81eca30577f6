// The exercise page 2.1  Monotónnost.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCVmonotonie : public TForm {
 public:
  explicit TfrmFceCVmonotonie(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceCVmonotonie* frmFceCVmonotonie;
