// The theory page 4.10  Vliv parametrů na graf funkce.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceElemParam : public TForm {
 public:
  explicit TfrmFceElemParam(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceElemParam* frmFceElemParam;
