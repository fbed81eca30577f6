// The exercise page 2.3  Omezenost: eight functions given by a graph and a formula, each to be
// judged whether it is bounded.
#pragma once

#include "exercises/exercise_page.h"
#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCVomezenost : public TForm {
 public:
  explicit TfrmFceCVomezenost(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
  // The page's handler table.
  static ExerciseTables& Tables();
};

extern TfrmFceCVomezenost* frmFceCVomezenost;
