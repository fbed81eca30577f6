// The exercise page 4.7  Goniometrické funkce — kotangens: the values for the
// basic angles, the least period of a transformed function, graphs sketched
// from a table of values.
#pragma once

#include "exercises/exercise_page.h"
#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCElemGonCotg : public TForm {
 public:
  explicit TfrmFceCElemGonCotg(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
  // The page's handler table with its six hint counters (module state).
  static ExerciseTables& Tables();
};

extern TfrmFceCElemGonCotg* frmFceCElemGonCotg;
