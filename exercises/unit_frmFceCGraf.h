// The exercise page 1.3  Graf funkce: eight curves, each to be judged whether it is the graph
// of a function; one exercise tab, no hints, no remembered tab.
#pragma once

#include "exercises/exercise_page.h"
#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCGraf : public TForm {
 public:
  explicit TfrmFceCGraf(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
  // The page's handler table (its module state).
  static ExerciseTables& Tables();
};

extern TfrmFceCGraf* frmFceCGraf;
