#include "lessons/unit_frmFceElemParam.h"

TfrmFceElemParam* frmFceElemParam = nullptr;

const TFormClass& TfrmFceElemParam::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceElemParam>("TfrmFceElemParam", "frmFceElemParam", &frmFceElemParam);
  return cls;
}
