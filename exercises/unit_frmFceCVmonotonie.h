// The exercise page 2.1  Monotónnost: eight graphs, each to be read for its intervals of
// monotonicity.
#pragma once

#include "exercises/exercise_page.h"
#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCVmonotonie : public TForm {
 public:
  explicit TfrmFceCVmonotonie(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
  // The page's handler table.
  static ExerciseTables& Tables();
};

extern TfrmFceCVmonotonie* frmFceCVmonotonie;
