#include "exercises/unit_frmFceCElemKvadr.h"

TfrmFceCElemKvadr* frmFceCElemKvadr = nullptr;

const TFormClass& TfrmFceCElemKvadr::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceCElemKvadr>("TfrmFceCElemKvadr", "frmFceCElemKvadr", &frmFceCElemKvadr);
  return cls;
}
