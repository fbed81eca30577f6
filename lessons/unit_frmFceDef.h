// The theory page 1.2  Definice funkce: the definition of a function and an example worked
// through in stages, up to its table of values, domain and range.
#pragma once

#include "platform/comctrls.h"
#include "platform/forms.h"
#include "platform/streaming.h"

class TfrmFceDef : public TForm {
 public:
  explicit TfrmFceDef(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();

  TField<TRichEdit> text02{this, "text02"};
  TField<TRichEdit> text_p03{this, "text_p03"};
};

extern TfrmFceDef* frmFceDef;
