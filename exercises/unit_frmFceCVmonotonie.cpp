#include "exercises/unit_frmFceCVmonotonie.h"

TfrmFceCVmonotonie* frmFceCVmonotonie = nullptr;

const TFormClass& TfrmFceCVmonotonie::FormClass() {
  static const TFormClass cls = TFormClass::Of<TfrmFceCVmonotonie>(
      "TfrmFceCVmonotonie", "frmFceCVmonotonie", &frmFceCVmonotonie);
  return cls;
}
