#include "lessons/unit_frmFceDef.h"

TfrmFceDef* frmFceDef = nullptr;

const TFormClass& TfrmFceDef::FormClass() {
  static const TFormClass cls = TFormClass::Of<TfrmFceDef>("TfrmFceDef", "frmFceDef", &frmFceDef);
  return cls;
}
