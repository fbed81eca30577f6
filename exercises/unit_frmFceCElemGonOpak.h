// The exercise page 4.7  Goniometrické funkce — opakování: values of goniometric functions at
// given angles and goniometric equations, both read off the unit circle.
#pragma once

#include "exercises/exercise_page.h"
#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCElemGonOpak : public TForm {
 public:
  explicit TfrmFceCElemGonOpak(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
  // The page's handler table with its two hint counters (module state).
  static ExerciseTables& Tables();
};

extern TfrmFceCElemGonOpak* frmFceCElemGonOpak;
