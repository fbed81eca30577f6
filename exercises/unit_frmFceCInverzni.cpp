#include "exercises/unit_frmFceCInverzni.h"

TfrmFceCInverzni* frmFceCInverzni = nullptr;

const TFormClass& TfrmFceCInverzni::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceCInverzni>("TfrmFceCInverzni", "frmFceCInverzni", &frmFceCInverzni);
  return cls;
}
