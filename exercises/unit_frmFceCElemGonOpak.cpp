#include "exercises/unit_frmFceCElemGonOpak.h"

TfrmFceCElemGonOpak* frmFceCElemGonOpak = nullptr;

const TFormClass& TfrmFceCElemGonOpak::FormClass() {
  static const TFormClass cls = TFormClass::Of<TfrmFceCElemGonOpak>(
      "TfrmFceCElemGonOpak", "frmFceCElemGonOpak", &frmFceCElemGonOpak);
  return cls;
}
