#include "lessons/unit_frmFceSlozene.h"

TfrmFceSlozene* frmFceSlozene = nullptr;

const TFormClass& TfrmFceSlozene::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceSlozene>("TfrmFceSlozene", "frmFceSlozene", &frmFceSlozene);
  return cls;
}
