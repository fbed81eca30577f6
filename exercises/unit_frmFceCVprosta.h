// The exercise page 2.6  Prostá funkce: eight graphs, each to be judged whether it is one-to-one.
#pragma once

#include "exercises/exercise_page.h"
#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCVprosta : public TForm {
 public:
  explicit TfrmFceCVprosta(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
  // The page's handler table.
  static ExerciseTables& Tables();
};

extern TfrmFceCVprosta* frmFceCVprosta;
