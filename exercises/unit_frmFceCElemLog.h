// The exercise page 4.6  Logaritmická funkce, the twin of the page 4.5 (unit_frmFceCElemExpon.h).
#pragma once

#include "exercises/exercise_page.h"
#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCElemLog : public TForm {
 public:
  explicit TfrmFceCElemLog(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
  // The page's handler table with its four hint counters (module state).
  static ExerciseTables& Tables();
};

extern TfrmFceCElemLog* frmFceCElemLog;
