// The exercise page 4.7  Goniometrické funkce — jednotková kružnice.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCElemGonKruznice : public TForm {
 public:
  explicit TfrmFceCElemGonKruznice(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceCElemGonKruznice* frmFceCElemGonKruznice;
