#include "exercises/unit_frmFceCVprosta.h"

TfrmFceCVprosta* frmFceCVprosta = nullptr;

const TFormClass& TfrmFceCVprosta::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceCVprosta>("TfrmFceCVprosta", "frmFceCVprosta", &frmFceCVprosta);
  return cls;
}
