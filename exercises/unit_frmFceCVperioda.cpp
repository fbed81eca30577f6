#include "exercises/unit_frmFceCVperioda.h"

TfrmFceCVperioda* frmFceCVperioda = nullptr;

const TFormClass& TfrmFceCVperioda::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceCVperioda>("TfrmFceCVperioda", "frmFceCVperioda", &frmFceCVperioda);
  return cls;
}
