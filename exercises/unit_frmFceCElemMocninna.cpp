#include "exercises/unit_frmFceCElemMocninna.h"

TfrmFceCElemMocninna* frmFceCElemMocninna = nullptr;

const TFormClass& TfrmFceCElemMocninna::FormClass() {
  static const TFormClass cls = TFormClass::Of<TfrmFceCElemMocninna>(
      "TfrmFceCElemMocninna", "frmFceCElemMocninna", &frmFceCElemMocninna);
  return cls;
}
