// The theory page 2.4  Sudost a lichost: the definitions, four graphs answered by their mirror
// images about the y axis or the origin, four more for the student after a halt.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceVsudost : public TForm {
 public:
  explicit TfrmFceVsudost(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceVsudost* frmFceVsudost;
