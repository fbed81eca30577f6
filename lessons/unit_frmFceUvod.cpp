#include "lessons/unit_frmFceUvod.h"

TfrmFceUvod* frmFceUvod = nullptr;

const TFormClass& TfrmFceUvod::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceUvod>("TfrmFceUvod", "frmFceUvod", &frmFceUvod);
  return cls;
}
