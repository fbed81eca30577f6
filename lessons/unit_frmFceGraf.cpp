#include "lessons/unit_frmFceGraf.h"

TfrmFceGraf* frmFceGraf = nullptr;

const TFormClass& TfrmFceGraf::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceGraf>("TfrmFceGraf", "frmFceGraf", &frmFceGraf);
  return cls;
}
