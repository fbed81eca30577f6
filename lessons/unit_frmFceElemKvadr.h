// The theory page 4.2  Kvadratická funkce.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceElemKvadr : public TForm {
 public:
  explicit TfrmFceElemKvadr(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceElemKvadr* frmFceElemKvadr;
