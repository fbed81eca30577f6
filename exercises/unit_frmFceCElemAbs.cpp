#include "exercises/unit_frmFceCElemAbs.h"

TfrmFceCElemAbs* frmFceCElemAbs = nullptr;

const TFormClass& TfrmFceCElemAbs::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceCElemAbs>("TfrmFceCElemAbs", "frmFceCElemAbs", &frmFceCElemAbs);
  return cls;
}
