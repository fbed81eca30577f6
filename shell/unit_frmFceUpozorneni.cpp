#include "shell/unit_frmFceUpozorneni.h"

TfrmFceUmluva* frmFceUmluva = nullptr;

const TFormClass& TfrmFceUmluva::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceUmluva>("TfrmFceUmluva", "frmFceUmluva", &frmFceUmluva);
  return cls;
}
