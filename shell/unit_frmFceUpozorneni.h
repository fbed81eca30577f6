// The page "Úmluva": the conventions by which the book's graphs are read.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceUmluva : public TForm {
 public:
  explicit TfrmFceUmluva(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceUmluva* frmFceUmluva;
