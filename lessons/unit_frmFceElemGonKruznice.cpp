#include "lessons/unit_frmFceElemGonKruznice.h"

TfrmFceElemGonKruznice* frmFceElemGonKruznice = nullptr;

const TFormClass& TfrmFceElemGonKruznice::FormClass() {
  static const TFormClass cls = TFormClass::Of<TfrmFceElemGonKruznice>(
      "TfrmFceElemGonKruznice", "frmFceElemGonKruznice", &frmFceElemGonKruznice);
  return cls;
}
