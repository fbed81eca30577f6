#include "lessons/unit_frmFceElemLom.h"

TfrmFceElemLom* frmFceElemLom = nullptr;

const TFormClass& TfrmFceElemLom::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceElemLom>("TfrmFceElemLom", "frmFceElemLom", &frmFceElemLom);
  return cls;
}
