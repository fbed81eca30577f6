#include "exercises/unit_frmFceCVDf.h"

TfrmFceCVDf* frmFceCVDf = nullptr;

const TFormClass& TfrmFceCVDf::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceCVDf>("TfrmFceCVDf", "frmFceCVDf", &frmFceCVDf);
  return cls;
}
