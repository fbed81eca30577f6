// The exercise page 4.4  Mocninná funkce.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCElemMocninna : public TForm {
 public:
  explicit TfrmFceCElemMocninna(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceCElemMocninna* frmFceCElemMocninna;
