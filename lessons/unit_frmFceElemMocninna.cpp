#include "lessons/unit_frmFceElemMocninna.h"

TfrmFceElemMocninna* frmFceElemMocninna = nullptr;

const TFormClass& TfrmFceElemMocninna::FormClass() {
  static const TFormClass cls = TFormClass::Of<TfrmFceElemMocninna>(
      "TfrmFceElemMocninna", "frmFceElemMocninna", &frmFceElemMocninna);
  return cls;
}
