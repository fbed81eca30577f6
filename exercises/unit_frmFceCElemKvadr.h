// The exercise page 4.2  Kvadratická funkce.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCElemKvadr : public TForm {
 public:
  explicit TfrmFceCElemKvadr(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceCElemKvadr* frmFceCElemKvadr;
