// The exercise page 4.6  Logaritmická funkce.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCElemLog : public TForm {
 public:
  explicit TfrmFceCElemLog(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceCElemLog* frmFceCElemLog;
