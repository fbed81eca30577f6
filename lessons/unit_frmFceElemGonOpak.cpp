#include "lessons/unit_frmFceElemGonOpak.h"

TfrmFceElemGonOpak* frmFceElemGonOpak = nullptr;

const TFormClass& TfrmFceElemGonOpak::FormClass() {
  static const TFormClass cls = TFormClass::Of<TfrmFceElemGonOpak>(
      "TfrmFceElemGonOpak", "frmFceElemGonOpak", &frmFceElemGonOpak);
  return cls;
}
