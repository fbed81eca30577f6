#include "exercises/unit_frmFceCElemGonSin.h"

TfrmFceCElemGonSin* frmFceCElemGonSin = nullptr;

const TFormClass& TfrmFceCElemGonSin::FormClass() {
  static const TFormClass cls = TFormClass::Of<TfrmFceCElemGonSin>(
      "TfrmFceCElemGonSin", "frmFceCElemGonSin", &frmFceCElemGonSin);
  return cls;
}
