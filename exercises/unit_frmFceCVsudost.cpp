#include "exercises/unit_frmFceCVsudost.h"

TfrmFceCVsudost* frmFceCVsudost = nullptr;

const TFormClass& TfrmFceCVsudost::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceCVsudost>("TfrmFceCVsudost", "frmFceCVsudost", &frmFceCVsudost);
  return cls;
}
