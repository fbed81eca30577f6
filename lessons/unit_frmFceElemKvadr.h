// The theory page 4.2  Kvadratická funkce: y = ax² + bx + c with live parameters, its graph,
// roots and factored form, vertex and vertex form, extreme and parity.
#pragma once

#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/forms.h"
#include "platform/stdctrls.h"
#include "platform/streaming.h"

class TfrmFceElemKvadr : public TForm {
 public:
  explicit TfrmFceElemKvadr(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();

  TField<TImage> grafImg{this, "grafImg"};
  TField<TMaskEdit> hodnota_A{this, "hodnota_A"};
  TField<TMaskEdit> hodnota_B{this, "hodnota_B"};
  TField<TMaskEdit> hodnota_C{this, "hodnota_C"};
  TField<TStaticText> zavorky{this, "zavorky"};
  TField<TStaticText> ptext01{this, "ptext01"};
  TField<TStaticText> ptext02{this, "ptext02"};
  TField<TStaticText> ptext03{this, "ptext03"};
  TField<TStaticText> ptext04{this, "ptext04"};
  TField<TStaticText> ptext05{this, "ptext05"};
  TField<TStaticText> par01_x1{this, "par01_x1"};
  TField<TStaticText> par02_x2{this, "par02_x2"};
  TField<TStaticText> par03_y{this, "par03_y"};
  TField<TStaticText> par04_vrchol{this, "par04_vrchol"};
  TField<TStaticText> par05_min{this, "par05_min"};
  TField<TStaticText> par05a{this, "par05a"};
  TField<TStaticText> par05b{this, "par05b"};
  TField<TStaticText> par05_a{this, "par05_a"};
  TField<TStaticText> par05_m{this, "par05_m"};
  TField<TStaticText> par05_n{this, "par05_n"};
  TField<TStaticText> par06_sudost{this, "par06_sudost"};
  TField<TStaticText> upozorneni{this, "upozorneni"};
};

extern TfrmFceElemKvadr* frmFceElemKvadr;
