// The about page "Info": one picture.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceInfo : public TForm {
 public:
  explicit TfrmFceInfo(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceInfo* frmFceInfo;
