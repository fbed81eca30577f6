// The theory page 4.9  Funkce s absolutní hodnotou.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceElemAbs : public TForm {
 public:
  explicit TfrmFceElemAbs(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceElemAbs* frmFceElemAbs;
