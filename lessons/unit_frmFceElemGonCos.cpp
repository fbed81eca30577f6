#include "lessons/unit_frmFceElemGonCos.h"

#include "lessons/goniometric_page.h"

TfrmFceElemGonCos* frmFceElemGonCos = nullptr;

const TFormClass& TfrmFceElemGonCos::FormClass() {
  static const TFormClass cls =
      GoniometricFormClass<TfrmFceElemGonCos>("TfrmFceElemGonCos", &frmFceElemGonCos);
  return cls;
}
