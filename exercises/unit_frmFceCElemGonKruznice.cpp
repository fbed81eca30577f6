#include "exercises/unit_frmFceCElemGonKruznice.h"

TfrmFceCElemGonKruznice* frmFceCElemGonKruznice = nullptr;

const TFormClass& TfrmFceCElemGonKruznice::FormClass() {
  static const TFormClass cls = TFormClass::Of<TfrmFceCElemGonKruznice>(
      "TfrmFceCElemGonKruznice", "frmFceCElemGonKruznice", &frmFceCElemGonKruznice);
  return cls;
}
