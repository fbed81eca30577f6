#include "exercises/unit_frmFceCElemCyklom.h"

TfrmFceCElemCyklom* frmFceCElemCyklom = nullptr;

const TFormClass& TfrmFceCElemCyklom::FormClass() {
  static const TFormClass cls = TFormClass::Of<TfrmFceCElemCyklom>(
      "TfrmFceCElemCyklom", "frmFceCElemCyklom", &frmFceCElemCyklom);
  return cls;
}
