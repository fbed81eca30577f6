#include "exercises/unit_frmFceCElemGonOblouk.h"

TfrmFceCElemGonOblouk* frmFceCElemGonOblouk = nullptr;

const TFormClass& TfrmFceCElemGonOblouk::FormClass() {
  static const TFormClass cls = TFormClass::Of<TfrmFceCElemGonOblouk>(
      "TfrmFceCElemGonOblouk", "frmFceCElemGonOblouk", &frmFceCElemGonOblouk);
  return cls;
}
