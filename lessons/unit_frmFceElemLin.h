// The theory page 4.1  Lineární funkce: y = ax + b with live parameters, its graph and its
// monotonicity, injectivity and intersections with the axes.
#pragma once

#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/forms.h"
#include "platform/stdctrls.h"
#include "platform/streaming.h"

class TfrmFceElemLin : public TForm {
 public:
  explicit TfrmFceElemLin(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();

  TField<TImage> grafImg{this, "grafImg"};
  TField<TMaskEdit> hodnota_A{this, "hodnota_A"};
  TField<TMaskEdit> hodnota_B{this, "hodnota_B"};
  TField<TMaskEdit> pomA{this, "pomA"};
  TField<TLabel> popis_monotonie{this, "popis_monotonie"};
  TField<TLabel> popis_prosta{this, "popis_prosta"};
  TField<TStaticText> par01_x{this, "par01_x"};
  TField<TStaticText> par02_y{this, "par02_y"};
};

extern TfrmFceElemLin* frmFceElemLin;
