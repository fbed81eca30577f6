// The theory page 4.7  Goniometrické funkce — jednotková kružnice.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceElemGonKruznice : public TForm {
 public:
  explicit TfrmFceElemGonKruznice(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceElemGonKruznice* frmFceElemGonKruznice;
