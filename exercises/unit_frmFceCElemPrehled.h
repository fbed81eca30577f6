// The exercise page 4.11  Přehled elementárních funkcí.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCElemPrehled : public TForm {
 public:
  explicit TfrmFceCElemPrehled(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceCElemPrehled* frmFceCElemPrehled;
