#include "lessons/unit_frmFceVprosta.h"

TfrmFceVprosta* frmFceVprosta = nullptr;

const TFormClass& TfrmFceVprosta::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceVprosta>("TfrmFceVprosta", "frmFceVprosta", &frmFceVprosta);
  return cls;
}
