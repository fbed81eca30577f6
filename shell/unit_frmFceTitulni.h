// The title page "Jak začít", on which the program starts: how to use the book.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceTitulni : public TForm {
 public:
  explicit TfrmFceTitulni(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceTitulni* frmFceTitulni;
