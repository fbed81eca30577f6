#include "lessons/unit_frmFceElemAbs.h"

TfrmFceElemAbs* frmFceElemAbs = nullptr;

const TFormClass& TfrmFceElemAbs::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceElemAbs>("TfrmFceElemAbs", "frmFceElemAbs", &frmFceElemAbs);
  return cls;
}
