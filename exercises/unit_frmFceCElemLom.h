// The exercise page 4.3  Lineární lomená funkce: asymptotes and the hyperbola, properties read
// from a graph, the domain and the intersections with the axes.
#pragma once

#include "exercises/exercise_page.h"
#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCElemLom : public TForm {
 public:
  explicit TfrmFceCElemLom(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
  // The page's handler table with its four hint counters (module state).
  static ExerciseTables& Tables();
};

extern TfrmFceCElemLom* frmFceCElemLom;
