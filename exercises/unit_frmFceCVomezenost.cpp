#include "exercises/unit_frmFceCVomezenost.h"

TfrmFceCVomezenost* frmFceCVomezenost = nullptr;

const TFormClass& TfrmFceCVomezenost::FormClass() {
  static const TFormClass cls = TFormClass::Of<TfrmFceCVomezenost>(
      "TfrmFceCVomezenost", "frmFceCVomezenost", &frmFceCVomezenost);
  return cls;
}
