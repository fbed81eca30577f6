#include "lessons/unit_frmFceVsudost.h"

TfrmFceVsudost* frmFceVsudost = nullptr;

const TFormClass& TfrmFceVsudost::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceVsudost>("TfrmFceVsudost", "frmFceVsudost", &frmFceVsudost);
  return cls;
}
