// The exercise page 4.7  Goniometrické funkce — opakování.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCElemGonOpak : public TForm {
 public:
  explicit TfrmFceCElemGonOpak(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceCElemGonOpak* frmFceCElemGonOpak;
