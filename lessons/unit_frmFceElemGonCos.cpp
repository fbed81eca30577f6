#include "lessons/unit_frmFceElemGonCos.h"

TfrmFceElemGonCos* frmFceElemGonCos = nullptr;

const TFormClass& TfrmFceElemGonCos::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceElemGonCos>("TfrmFceElemGonCos", "frmFceElemGonCos", &frmFceElemGonCos);
  return cls;
}
