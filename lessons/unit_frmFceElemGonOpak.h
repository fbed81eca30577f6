// The theory page 4.7  Goniometrické funkce — opakování.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceElemGonOpak : public TForm {
 public:
  explicit TfrmFceElemGonOpak(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceElemGonOpak* frmFceElemGonOpak;
