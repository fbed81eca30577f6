// The knowledge test: ten random questions and a mark.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceTest : public TForm {
 public:
  explicit TfrmFceTest(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceTest* frmFceTest;
