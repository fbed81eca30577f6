// The exercise page 1.3  Graf funkce.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCGraf : public TForm {
 public:
  explicit TfrmFceCGraf(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceCGraf* frmFceCGraf;
