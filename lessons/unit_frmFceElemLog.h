// The theory page 4.6  Logaritmická funkce.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceElemLog : public TForm {
 public:
  explicit TfrmFceElemLog(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceElemLog* frmFceElemLog;
