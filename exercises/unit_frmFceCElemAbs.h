// The exercise page 4.9  Funkce s absolutní hodnotou: the zero points, the intervals, the formula
// on each interval and the pieces of the graph drawn one by one.
#pragma once

#include "exercises/exercise_page.h"
#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCElemAbs : public TForm {
 public:
  explicit TfrmFceCElemAbs(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
  // The page's handler table with its six hint counters (module state).
  static ExerciseTables& Tables();
};

extern TfrmFceCElemAbs* frmFceCElemAbs;
