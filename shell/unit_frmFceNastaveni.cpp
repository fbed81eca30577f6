#include "shell/unit_frmFceNastaveni.h"

TfrmFceNastaveni* frmFceNastaveni = nullptr;

const TFormClass& TfrmFceNastaveni::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceNastaveni>("TfrmFceNastaveni", "frmFceNastaveni", &frmFceNastaveni);
  return cls;
}
