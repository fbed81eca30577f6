// The theory page 4.10  Vliv parametrů na graf funkce: one set of parameters a, b, c, d drives
// the graphs of y = a·f(bx + c) + d for sin, log, the square and the absolute value, each under
// its formula; a task picture and its answer behind a button.
#pragma once

#include "platform/buttons.h"
#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/forms.h"
#include "platform/stdctrls.h"
#include "platform/streaming.h"

class TfrmFceElemParam : public TForm {
 public:
  explicit TfrmFceElemParam(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();

  TField<TMaskEdit> hodnota_A{this, "hodnota_A"};
  TField<TMaskEdit> hodnota_B{this, "hodnota_B"};
  TField<TMaskEdit> hodnota_C{this, "hodnota_C"};
  TField<TMaskEdit> hodnota_D{this, "hodnota_D"};
  TField<TImage> grafImg1{this, "grafImg1"};
  TField<TImage> grafImg2{this, "grafImg2"};
  TField<TImage> grafImg3{this, "grafImg3"};
  TField<TImage> grafImg4{this, "grafImg4"};
  TField<TImage> Image1{this, "Image1"};
  TField<TImage> reseni{this, "reseni"};
  TField<TBitBtn> btnRes{this, "btnRes"};
};

extern TfrmFceElemParam* frmFceElemParam;
