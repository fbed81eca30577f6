// The theory page 3. Inverzní funkce: the definition, four graphs whose inverses are built
// from the line y = x and mirrored points, four more for the student after a halt. The page
// opens when it is shown.
#pragma once

#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceInverzni : public TForm {
 public:
  explicit TfrmFceInverzni(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
};

extern TfrmFceInverzni* frmFceInverzni;
