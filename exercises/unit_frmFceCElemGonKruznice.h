// The exercise page 4.7  Goniometrické funkce — jednotková kružnice: whether the value of a
// goniometric function at an angle is positive, negative or zero, decided on the unit circle.
#pragma once

#include "exercises/exercise_page.h"
#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCElemGonKruznice : public TForm {
 public:
  explicit TfrmFceCElemGonKruznice(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
  // The page's handler table with its four hint counters (module state).
  static ExerciseTables& Tables();
};

extern TfrmFceCElemGonKruznice* frmFceCElemGonKruznice;
