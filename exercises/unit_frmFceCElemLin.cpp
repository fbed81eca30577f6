#include "exercises/unit_frmFceCElemLin.h"

TfrmFceCElemLin* frmFceCElemLin = nullptr;

const TFormClass& TfrmFceCElemLin::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceCElemLin>("TfrmFceCElemLin", "frmFceCElemLin", &frmFceCElemLin);
  return cls;
}
