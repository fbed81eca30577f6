#include "lessons/unit_frmFceVomezenost.h"

TfrmFceVomezenost* frmFceVomezenost = nullptr;

const TFormClass& TfrmFceVomezenost::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceVomezenost>("TfrmFceVomezenost", "frmFceVomezenost", &frmFceVomezenost);
  return cls;
}
