#include "lessons/unit_frmFceInverzni.h"

TfrmFceInverzni* frmFceInverzni = nullptr;

const TFormClass& TfrmFceInverzni::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceInverzni>("TfrmFceInverzni", "frmFceInverzni", &frmFceInverzni);
  return cls;
}
