// The exercise page 3  Inverzní funkce: graphs of inverse functions sketched by mirroring in the
// line y = x, and inverses of functions given by formulas, worked step by step.
#pragma once

#include "exercises/exercise_page.h"
#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCInverzni : public TForm {
 public:
  explicit TfrmFceCInverzni(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
  // The page's handler table.
  static ExerciseTables& Tables();
};

extern TfrmFceCInverzni* frmFceCInverzni;
