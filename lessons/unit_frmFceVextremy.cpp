#include "lessons/unit_frmFceVextremy.h"

TfrmFceVextremy* frmFceVextremy = nullptr;

const TFormClass& TfrmFceVextremy::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceVextremy>("TfrmFceVextremy", "frmFceVextremy", &frmFceVextremy);
  return cls;
}
