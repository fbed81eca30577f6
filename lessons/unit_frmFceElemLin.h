// The theory page 4.1  Lineární funkce.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceElemLin : public TForm {
 public:
  explicit TfrmFceElemLin(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceElemLin* frmFceElemLin;
