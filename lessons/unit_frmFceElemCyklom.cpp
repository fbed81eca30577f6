#include "lessons/unit_frmFceElemCyklom.h"

TfrmFceElemCyklom* frmFceElemCyklom = nullptr;

const TFormClass& TfrmFceElemCyklom::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceElemCyklom>("TfrmFceElemCyklom", "frmFceElemCyklom", &frmFceElemCyklom);
  return cls;
}
