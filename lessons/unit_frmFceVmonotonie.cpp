#include "lessons/unit_frmFceVmonotonie.h"

TfrmFceVmonotonie* frmFceVmonotonie = nullptr;

const TFormClass& TfrmFceVmonotonie::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceVmonotonie>("TfrmFceVmonotonie", "frmFceVmonotonie", &frmFceVmonotonie);
  return cls;
}
