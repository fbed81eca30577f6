#include "lessons/unit_frmFceVHf.h"

TfrmFceVHf* frmFceVHf = nullptr;

const TFormClass& TfrmFceVHf::FormClass() {
  static const TFormClass cls = TFormClass::Of<TfrmFceVHf>("TfrmFceVHf", "frmFceVHf", &frmFceVHf);
  return cls;
}
