// The exercise page 1.5  Obor hodnot: the graphs of page 1.4, each to be read for its range.
#pragma once

#include "exercises/exercise_page.h"
#include "platform/forms.h"
#include "platform/stdctrls.h"
#include "platform/streaming.h"

class TfrmFceCVHf : public TForm {
 public:
  explicit TfrmFceCVHf(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();
  // The page's handler table.
  static ExerciseTables& Tables();
  // The statement, which the page sets anew at every activation.
  TField<TLabel> Label79{this, "Label79"};
};

extern TfrmFceCVHf* frmFceCVHf;
