#include "lessons/unit_frmFceElemGonTg.h"

TfrmFceElemGonTg* frmFceElemGonTg = nullptr;

const TFormClass& TfrmFceElemGonTg::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceElemGonTg>("TfrmFceElemGonTg", "frmFceElemGonTg", &frmFceElemGonTg);
  return cls;
}
