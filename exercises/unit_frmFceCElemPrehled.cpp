#include "exercises/unit_frmFceCElemPrehled.h"

TfrmFceCElemPrehled* frmFceCElemPrehled = nullptr;

const TFormClass& TfrmFceCElemPrehled::FormClass() {
  static const TFormClass cls = TFormClass::Of<TfrmFceCElemPrehled>(
      "TfrmFceCElemPrehled", "frmFceCElemPrehled", &frmFceCElemPrehled);
  return cls;
}
