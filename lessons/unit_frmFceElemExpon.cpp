#include "lessons/unit_frmFceElemExpon.h"

TfrmFceElemExpon* frmFceElemExpon = nullptr;

const TFormClass& TfrmFceElemExpon::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceElemExpon>("TfrmFceElemExpon", "frmFceElemExpon", &frmFceElemExpon);
  return cls;
}
