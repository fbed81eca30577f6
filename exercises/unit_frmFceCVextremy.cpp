#include "exercises/unit_frmFceCVextremy.h"

TfrmFceCVextremy* frmFceCVextremy = nullptr;

const TFormClass& TfrmFceCVextremy::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceCVextremy>("TfrmFceCVextremy", "frmFceCVextremy", &frmFceCVextremy);
  return cls;
}
