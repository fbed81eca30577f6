// The exercise page 2.5  Perioda: cut-outs of graphs, each to be judged whether it can belong to
// a periodic function with a period less than 10, and its least period.
#pragma once

#include "exercises/exercise_page.h"
#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCVperioda : public TForm {
 public:
  explicit TfrmFceCVperioda(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
  // The page's handler table.
  static ExerciseTables& Tables();
};

extern TfrmFceCVperioda* frmFceCVperioda;
