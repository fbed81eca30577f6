#include "lessons/unit_frmFceElemGonSin.h"

TfrmFceElemGonSin* frmFceElemGonSin = nullptr;

const TFormClass& TfrmFceElemGonSin::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceElemGonSin>("TfrmFceElemGonSin", "frmFceElemGonSin", &frmFceElemGonSin);
  return cls;
}
