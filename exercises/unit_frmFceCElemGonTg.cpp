#include "exercises/unit_frmFceCElemGonTg.h"

TfrmFceCElemGonTg* frmFceCElemGonTg = nullptr;

const TFormClass& TfrmFceCElemGonTg::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceCElemGonTg>("TfrmFceCElemGonTg", "frmFceCElemGonTg", &frmFceCElemGonTg);
  return cls;
}
