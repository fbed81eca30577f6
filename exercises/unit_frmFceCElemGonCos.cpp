#include "exercises/unit_frmFceCElemGonCos.h"

TfrmFceCElemGonCos* frmFceCElemGonCos = nullptr;

const TFormClass& TfrmFceCElemGonCos::FormClass() {
  static const TFormClass cls = TFormClass::Of<TfrmFceCElemGonCos>(
      "TfrmFceCElemGonCos", "frmFceCElemGonCos", &frmFceCElemGonCos);
  return cls;
}
