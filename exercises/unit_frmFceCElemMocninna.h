// The exercise page 4.4  Mocninná funkce: graphs of power functions with their domain, range
// and properties.
#pragma once

#include "exercises/exercise_page.h"
#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCElemMocninna : public TForm {
 public:
  explicit TfrmFceCElemMocninna(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
  // The page's handler table with its two hint counters (module state).
  static ExerciseTables& Tables();
};

extern TfrmFceCElemMocninna* frmFceCElemMocninna;
