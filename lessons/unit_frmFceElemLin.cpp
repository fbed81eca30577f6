#include "lessons/unit_frmFceElemLin.h"

TfrmFceElemLin* frmFceElemLin = nullptr;

const TFormClass& TfrmFceElemLin::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceElemLin>("TfrmFceElemLin", "frmFceElemLin", &frmFceElemLin);
  return cls;
}
