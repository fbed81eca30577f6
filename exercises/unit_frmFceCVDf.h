// The exercise page 1.4  Definiční obor: eight graphs, each to be read for its domain.
#pragma once

#include "exercises/exercise_page.h"
#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCVDf : public TForm {
 public:
  explicit TfrmFceCVDf(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
  // The page's handler table.
  static ExerciseTables& Tables();
};

extern TfrmFceCVDf* frmFceCVDf;
