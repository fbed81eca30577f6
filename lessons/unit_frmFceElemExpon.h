// The theory page 4.5  Exponenciální funkce: y = a^(x + c) + d with live parameters, its graph,
// asymptote, a point of the graph, monotonicity, boundedness and the inverse function.
#pragma once

#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/forms.h"
#include "platform/stdctrls.h"
#include "platform/streaming.h"

class TfrmFceElemExpon : public TForm {
 public:
  explicit TfrmFceElemExpon(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();

  TField<TImage> grafImg{this, "grafImg"};
  TField<TMaskEdit> hodnota_A{this, "hodnota_A"};
  TField<TMaskEdit> hodnota_C{this, "hodnota_C"};
  TField<TMaskEdit> hodnota_D{this, "hodnota_D"};
  TField<TMaskEdit> pomA{this, "pomA"};
  TField<TMaskEdit> pomC{this, "pomC"};
  TField<TStaticText> popis_as1{this, "popis_as1"};
  TField<TStaticText> popis_as2{this, "popis_as2"};
  TField<TStaticText> popis_bod1{this, "popis_bod1"};
  TField<TStaticText> popis_bod2{this, "popis_bod2"};
  TField<TLabel> popis_mon1{this, "popis_mon1"};
  TField<TLabel> popis_omez{this, "popis_omez"};
  TField<TLabel> popis_inv1{this, "popis_inv1"};
  TField<TLabel> popis_inv2{this, "popis_inv2"};
  TField<TStaticText> popis_zl1{this, "popis_zl1"};
  TField<TLabel> popis_inv3{this, "popis_inv3"};
  TField<TStaticText> upozorneni{this, "upozorneni"};
};

extern TfrmFceElemExpon* frmFceElemExpon;
