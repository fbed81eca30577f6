// The theory page 1.1  Co je to funkce?.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceUvod : public TForm {
 public:
  explicit TfrmFceUvod(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceUvod* frmFceUvod;
