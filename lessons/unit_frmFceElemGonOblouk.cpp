#include "lessons/unit_frmFceElemGonOblouk.h"

TfrmFceElemGonOblouk* frmFceElemGonOblouk = nullptr;

const TFormClass& TfrmFceElemGonOblouk::FormClass() {
  static const TFormClass cls = TFormClass::Of<TfrmFceElemGonOblouk>(
      "TfrmFceElemGonOblouk", "frmFceElemGonOblouk", &frmFceElemGonOblouk);
  return cls;
}
