// The exercise page 4.10  Vliv parametrů na graf funkce: graphs of a·f(bx + c) + d built from the
// elementary function one transformation at a time.
#pragma once

#include "exercises/exercise_page.h"
#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCElemParam : public TForm {
 public:
  explicit TfrmFceCElemParam(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
  // The page's handler table with its two hint counters (module state).
  static ExerciseTables& Tables();
};

extern TfrmFceCElemParam* frmFceCElemParam;
