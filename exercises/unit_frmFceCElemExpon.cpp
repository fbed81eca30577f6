#include "exercises/unit_frmFceCElemExpon.h"

TfrmFceCElemExpon* frmFceCElemExpon = nullptr;

const TFormClass& TfrmFceCElemExpon::FormClass() {
  static const TFormClass cls =
      TFormClass::Of<TfrmFceCElemExpon>("TfrmFceCElemExpon", "frmFceCElemExpon", &frmFceCElemExpon);
  return cls;
}
