// The exercise page 4.8  Cyklometrické funkce: values written with the inverse function,
// statements about cyclometric functions judged, values found on the unit circle.
#pragma once

#include "exercises/exercise_page.h"
#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCElemCyklom : public TForm {
 public:
  explicit TfrmFceCElemCyklom(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
  // The page's handler table with its four hint counters (module state).
  static ExerciseTables& Tables();
};

extern TfrmFceCElemCyklom* frmFceCElemCyklom;
