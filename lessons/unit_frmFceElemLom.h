// The theory page 4.3  Lineární lomená funkce.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceElemLom : public TForm {
 public:
  explicit TfrmFceElemLom(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceElemLom* frmFceElemLom;
