// The exercise page 4.2  Kvadratická funkce: sketching a parabola from its vertex, reading a
// graph, the intersections with the axes and the factored form, two related graphs compared.
#pragma once

#include "exercises/exercise_page.h"
#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCElemKvadr : public TForm {
 public:
  explicit TfrmFceCElemKvadr(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
  // The page's handler table with its six hint counters (module state).
  static ExerciseTables& Tables();
};

extern TfrmFceCElemKvadr* frmFceCElemKvadr;
