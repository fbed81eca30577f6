#include "lessons/unit_frmFceElemPrehled.h"

TfrmFceElemPrehled* frmFceElemPrehled = nullptr;

const TFormClass& TfrmFceElemPrehled::FormClass() {
  static const TFormClass cls = TFormClass::Of<TfrmFceElemPrehled>(
      "TfrmFceElemPrehled", "frmFceElemPrehled", &frmFceElemPrehled);
  return cls;
}
