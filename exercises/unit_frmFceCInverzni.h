// The exercise page 3. Inverzní funkce.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCInverzni : public TForm {
 public:
  explicit TfrmFceCInverzni(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceCInverzni* frmFceCInverzni;
