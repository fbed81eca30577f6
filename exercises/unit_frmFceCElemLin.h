// The exercise page 4.1  Lineární funkce: graphs with domain, range and properties, the
// intersections with the axes, monotonicity from the formula.
#pragma once

#include "exercises/exercise_page.h"
#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCElemLin : public TForm {
 public:
  explicit TfrmFceCElemLin(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
  // The page's handler table with its two hint counters (module state).
  static ExerciseTables& Tables();
};

extern TfrmFceCElemLin* frmFceCElemLin;
