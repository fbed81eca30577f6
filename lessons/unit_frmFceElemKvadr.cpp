#include "lessons/unit_frmFceElemKvadr.h"

TfrmFceElemKvadr* frmFceElemKvadr = nullptr;

const TFormClass& TfrmFceElemKvadr::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceElemKvadr>("TfrmFceElemKvadr", "frmFceElemKvadr", &frmFceElemKvadr);
  return cls;
}
