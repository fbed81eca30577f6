// The theory page 4.5  Exponenciální funkce.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceElemExpon : public TForm {
 public:
  explicit TfrmFceElemExpon(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceElemExpon* frmFceElemExpon;
