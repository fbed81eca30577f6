#include "exercises/unit_frmFceCElemParam.h"

TfrmFceCElemParam* frmFceCElemParam = nullptr;

const TFormClass& TfrmFceCElemParam::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceCElemParam>("TfrmFceCElemParam", "frmFceCElemParam", &frmFceCElemParam);
  return cls;
}
