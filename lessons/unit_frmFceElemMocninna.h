// The theory page 4.4  Mocninná funkce.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceElemMocninna : public TForm {
 public:
  explicit TfrmFceElemMocninna(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceElemMocninna* frmFceElemMocninna;
