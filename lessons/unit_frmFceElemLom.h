// The theory page 4.3  Lineární lomená funkce: y = (ax + b)/(cx + d) with live parameters, its
// graph, asymptotes, intersections with the axes and parity, and the degenerate parameter sets.
#pragma once

#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/forms.h"
#include "platform/stdctrls.h"
#include "platform/streaming.h"

class TfrmFceElemLom : public TForm {
 public:
  explicit TfrmFceElemLom(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();

  TField<TImage> grafImg{this, "grafImg"};
  TField<TMaskEdit> hodnota_A{this, "hodnota_A"};
  TField<TMaskEdit> hodnota_B{this, "hodnota_B"};
  TField<TMaskEdit> hodnota_C{this, "hodnota_C"};
  TField<TMaskEdit> hodnota_D{this, "hodnota_D"};
  TField<TLabel> ptext01{this, "ptext01"};
  TField<TStaticText> ptext02{this, "ptext02"};
  TField<TStaticText> ptext03{this, "ptext03"};
  TField<TStaticText> par01_x{this, "par01_x"};
  TField<TStaticText> par02_y{this, "par02_y"};
  TField<TStaticText> par03_x{this, "par03_x"};
  TField<TStaticText> par04_y{this, "par04_y"};
  TField<TStaticText> par05_licha{this, "par05_licha"};
  TField<TStaticText> upozorneni{this, "upozorneni"};
};

extern TfrmFceElemLom* frmFceElemLom;
