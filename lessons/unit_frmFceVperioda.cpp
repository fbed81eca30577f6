#include "lessons/unit_frmFceVperioda.h"

TfrmFceVperioda* frmFceVperioda = nullptr;

const TFormClass& TfrmFceVperioda::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceVperioda>("TfrmFceVperioda", "frmFceVperioda", &frmFceVperioda);
  return cls;
}
