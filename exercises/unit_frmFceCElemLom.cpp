#include "exercises/unit_frmFceCElemLom.h"

TfrmFceCElemLom* frmFceCElemLom = nullptr;

const TFormClass& TfrmFceCElemLom::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceCElemLom>("TfrmFceCElemLom", "frmFceCElemLom", &frmFceCElemLom);
  return cls;
}
