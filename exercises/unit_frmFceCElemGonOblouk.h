// The exercise page 4.7  Goniometrické funkce — oblouková míra: angles in degrees converted to
// radian measure and back. Nothing on it is enlarged.
#pragma once

#include "exercises/exercise_page.h"
#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCElemGonOblouk : public TForm {
 public:
  explicit TfrmFceCElemGonOblouk(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
  // The page's handler table with its two hint counters (module state).
  static ExerciseTables& Tables();
};

extern TfrmFceCElemGonOblouk* frmFceCElemGonOblouk;
