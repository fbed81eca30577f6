// The exercise page 2.4  Sudost a lichost: eight graphs judged even, odd or neither, then the
// same from formulas, four of them worked step by step.
#pragma once

#include "exercises/exercise_page.h"
#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCVsudost : public TForm {
 public:
  explicit TfrmFceCVsudost(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
  // The page's handler table.
  static ExerciseTables& Tables();
};

extern TfrmFceCVsudost* frmFceCVsudost;
