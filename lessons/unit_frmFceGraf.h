// The theory page 1.3  Graf funkce.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceGraf : public TForm {
 public:
  explicit TfrmFceGraf(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceGraf* frmFceGraf;
