#include "lessons/unit_frmFceElemGonTg.h"

#include "lessons/goniometric_page.h"

TfrmFceElemGonTg* frmFceElemGonTg = nullptr;

const TFormClass& TfrmFceElemGonTg::FormClass() {
  static const TFormClass cls =
      GoniometricFormClass<TfrmFceElemGonTg>("TfrmFceElemGonTg", &frmFceElemGonTg);
  return cls;
}
