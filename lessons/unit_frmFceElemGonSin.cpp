#include "lessons/unit_frmFceElemGonSin.h"

#include "lessons/goniometric_page.h"

TfrmFceElemGonSin* frmFceElemGonSin = nullptr;

const TFormClass& TfrmFceElemGonSin::FormClass() {
  static const TFormClass cls =
      GoniometricFormClass<TfrmFceElemGonSin>("TfrmFceElemGonSin", &frmFceElemGonSin);
  return cls;
}
