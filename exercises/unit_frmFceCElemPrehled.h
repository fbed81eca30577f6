// The exercise page 4.11  Přehled elementárních funkcí, the one page that takes typed answers:
// beside each formula the student types the number of the graph that shows it. A pencil checks
// one answer, "ověř vše" every answer of its tab; a checked box is locked with its verdict.
#pragma once

#include "exercises/exercise_page.h"
#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceCElemPrehled : public TForm {
 public:
  explicit TfrmFceCElemPrehled(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
  // The page's handler table (its module state): the remembered tab and the enlarged graphs.
  static ExerciseTables& Tables();
};

extern TfrmFceCElemPrehled* frmFceCElemPrehled;
