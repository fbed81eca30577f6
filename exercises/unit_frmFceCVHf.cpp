#include "exercises/unit_frmFceCVHf.h"

TfrmFceCVHf* frmFceCVHf = nullptr;

const TFormClass& TfrmFceCVHf::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceCVHf>("TfrmFceCVHf", "frmFceCVHf", &frmFceCVHf);
  return cls;
}
