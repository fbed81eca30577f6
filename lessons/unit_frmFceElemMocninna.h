// The theory page 4.4  Mocninná funkce: y = x^(m/n), the n-th root of x to the m, with live whole
// steps of m and n, its graph, its parity and the pairs that give no power function.
#pragma once

#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/forms.h"
#include "platform/stdctrls.h"
#include "platform/streaming.h"

class TfrmFceElemMocninna : public TForm {
 public:
  explicit TfrmFceElemMocninna(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();

  TField<TImage> grafImg{this, "grafImg"};
  TField<TStaticText> x{this, "x"};
  TField<TMaskEdit> hodnota_A{this, "hodnota_A"};
  TField<TMaskEdit> hodnota_B{this, "hodnota_B"};
  TField<TUpDown> sipky_A{this, "sipky_A"};
  TField<TUpDown> sipky_B{this, "sipky_B"};
  TField<TStaticText> par06_sudost{this, "par06_sudost"};
  TField<TStaticText> upozorneni{this, "upozorneni"};
};

extern TfrmFceElemMocninna* frmFceElemMocninna;
