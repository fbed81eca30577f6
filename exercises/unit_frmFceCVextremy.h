// The exercise page 2.2  Extrémy: eight graphs, each to be read for its minima and maxima.
#pragma once

#include "exercises/exercise_page.h"
#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCVextremy : public TForm {
 public:
  explicit TfrmFceCVextremy(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
  // The page's handler table.
  static ExerciseTables& Tables();
};

extern TfrmFceCVextremy* frmFceCVextremy;
