// The exercise page 4.5  Exponenciální funkce.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCElemExpon : public TForm {
 public:
  explicit TfrmFceCElemExpon(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceCElemExpon* frmFceCElemExpon;
