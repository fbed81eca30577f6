#include "exercises/unit_frmFceCGraf.h"

TfrmFceCGraf* frmFceCGraf = nullptr;

const TFormClass& TfrmFceCGraf::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceCGraf>("TfrmFceCGraf", "frmFceCGraf", &frmFceCGraf);
  return cls;
}
