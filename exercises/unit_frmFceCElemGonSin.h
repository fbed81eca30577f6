// The exercise page 4.7  Goniometrické funkce — sinus: the values for the basic angles, the least
// period of a transformed function, graphs sketched from a table of values.
#pragma once

#include "exercises/exercise_page.h"
#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCElemGonSin : public TForm {
 public:
  explicit TfrmFceCElemGonSin(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
  // The page's handler table with its six hint counters (module state).
  static ExerciseTables& Tables();
};

extern TfrmFceCElemGonSin* frmFceCElemGonSin;
